// The real tavorin.exe under Wine: start-up, the main window, the record
// library, and the end of the process.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <iostream>

#include "capture/desktop_input_win32.h"
#include "config/hotkeys.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

bool Checked(HWND dialog, int id)
{
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != 0;
}

TEST_F(ProgramTest, MainWindowStartsAsSpecified)
{
    Win32Desktop desktop;
    EXPECT_EQ(WindowText(main), L"Tavorin");
    EXPECT_EQ(ItemText(main, IDC_RECORD), L"Record (" + FormatHotkeyText(desktop, kHotkeyAlt, VK_F1) + L")");
    EXPECT_EQ(ItemText(main, IDC_REPEAT), L"Repeat (" + FormatHotkeyText(desktop, kHotkeyAlt, VK_F3) + L")");
    EXPECT_TRUE(Checked(main, IDC_MODE_ONCE));
    EXPECT_FALSE(Checked(main, IDC_MODE_TIMES));
    EXPECT_FALSE(Checked(main, IDC_DELAY));
    const struct {
        int id;
        const wchar_t* text;
    } texts[] = {{IDC_TIMES, L"1"}, {IDC_DURATION, L"1"}, {IDC_DELAY_HOURS, L"0"},
                 {IDC_DELAY_MINUTES, L"0"}, {IDC_DELAY_SECONDS, L"0"}};
    for (const auto& t : texts) {
        EXPECT_EQ(ItemText(main, t.id), t.text) << t.id;
        EXPECT_FALSE(Enabled(main, t.id)) << t.id;
    }
    EXPECT_FALSE(Enabled(main, IDC_DURATION_UNIT));
    EXPECT_FALSE(Enabled(main, IDC_DELAY_RANDOM));
    EXPECT_TRUE(Enabled(main, IDC_TIMES_SPIN));
    HWND unit = GetDlgItem(main, IDC_DURATION_UNIT);
    EXPECT_EQ(SendMessageW(unit, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(unit, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(WindowText(unit), L"minute");
    HWND speed = GetDlgItem(main, IDC_SPEED);
    EXPECT_EQ(SendMessageW(speed, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageW(speed, TBM_GETRANGEMAX, 0, 0), 10);
    EXPECT_EQ(SendMessageW(speed, TBM_GETPOS, 0, 0), 5);
    HWND times = GetDlgItem(main, IDC_TIMES_SPIN);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(times, UDM_GETBUDDY, 0, 0)), GetDlgItem(main, IDC_TIMES));

    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), static_cast<int>(client.right * 0.25));
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), static_cast<int>(client.right * 0.71));
    EXPECT_TRUE(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
    std::wcout << L"screenshot: " << SaveScreenshot(main, L"main-window") << std::endl;
}

TEST_F(ProgramTest, ChoosingARepeatModeEnablesItsFields)
{
    SendMessageW(GetDlgItem(main, IDC_MODE_TIMES), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return Enabled(main, IDC_TIMES); }, 3000));
    EXPECT_FALSE(Enabled(main, IDC_DURATION));
    SendMessageW(GetDlgItem(main, IDC_MODE_DURATION), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return Enabled(main, IDC_DURATION); }, 3000));
    EXPECT_FALSE(Enabled(main, IDC_TIMES));
    EXPECT_TRUE(Enabled(main, IDC_DURATION_UNIT));
    SendMessageW(GetDlgItem(main, IDC_DELAY), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return Enabled(main, IDC_DELAY_SECONDS); }, 3000));
    EXPECT_TRUE(Enabled(main, IDC_DELAY_RANDOM));
}

TEST_F(ProgramTest, EnterAndEscapeDoNotEndIt)
{
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    SendMessageW(main, WM_COMMAND, IDCANCEL, 0);
    SetForegroundWindow(main);
    SetFocus(list);
    Win32Desktop desktop;
    for (BYTE vk : {VK_ESCAPE, VK_RETURN}) {
        desktop.KeyEvent(vk, static_cast<uint8_t>(desktop.ScanCodeOf(vk)), 0);
        desktop.KeyEvent(vk, static_cast<uint8_t>(desktop.ScanCodeOf(vk)), kKeyUp);
    }
    Sleep(700);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(program.WaitForExit(0));
}

TEST_F(ProgramTest, SecondStartHandsOverAndEnds)
{
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(main) != 0; }, 3000));
    ProgramProcess second;
    ASSERT_TRUE(second.Start(L"\"" + records.File(L"a.tvmc") + L"\""));
    DWORD exitCode = 1;
    EXPECT_TRUE(second.WaitForExit(15000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(main); }, 5000)) << "the first instance is restored";
    EXPECT_FALSE(program.WaitForExit(0)) << "and keeps running";
}

TEST_F(ProgramTest, ListShowsTheRecordFiles)
{
    std::vector<std::wstring> names = RowNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(ListSelectedRow(list), 0);
    EXPECT_EQ(ListText(list, RowOf(L"a"), 1), records.File(L"a.tvmc"));
}

TEST_F(ProgramTest, EditRenamesAndRedescribes)
{
    ListSelectRow(list, RowOf(L"a"));
    HWND dialog = CommandOpening(ID_EDIT_RECORD, L"Save Record");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(dialog, IDC_RECORD_NAME), L"a");
    EXPECT_EQ(ItemText(dialog, IDC_RECORD_DESCRIPTION), L"first");
    SendMessageW(GetDlgItem(dialog, IDC_RECORD_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"renamed"));
    SendMessageW(GetDlgItem(dialog, IDC_RECORD_DESCRIPTION), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"line one\r\nline two"));
    std::wcout << L"screenshot: " << SaveScreenshot(dialog, L"save-record") << std::endl;
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

    ASSERT_TRUE(WaitFor([&] { return RowOf(L"renamed") >= 0; }));
    EXPECT_EQ(ListText(list, RowOf(L"renamed"), 1), records.File(L"renamed.tvmc"));
    EXPECT_EQ(DescriptionOf(records.File(L"renamed.tvmc")), L"line one\r\nline two");
    EXPECT_EQ(GetFileAttributesW(records.File(L"a.tvmc").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ProgramTest, EditOntoAnotherRecordIsRefused)
{
    ListSelectRow(list, RowOf(L"a"));
    HWND dialog = CommandOpening(ID_EDIT_RECORD, L"Save Record");
    ASSERT_NE(dialog, nullptr);
    SendMessageW(GetDlgItem(dialog, IDC_RECORD_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"b"));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    HWND box = FindDialog(program.Id(), L"Tavorin");
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays open";
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(DescriptionOf(records.File(L"a.tvmc")), L"first");
    EXPECT_EQ(DescriptionOf(records.File(L"b.tvmc")), L"second");
}

TEST_F(ProgramTest, DeleteAsksAndRemoves)
{
    ListSelectRow(list, RowOf(L"b"));
    HWND box = CommandOpening(ID_DELETE_RECORD, L"Tavorin");
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDNO, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    EXPECT_EQ(ListRowCount(list), 2);

    box = CommandOpening(ID_DELETE_RECORD, L"Tavorin");
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(list) == 1; }));
    EXPECT_EQ(RowNames(), std::vector<std::wstring>{L"a"});
    EXPECT_EQ(GetFileAttributesW(records.File(L"b.tvmc").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ListSelectedRow(list), -1);
}

TEST_F(ProgramTest, OpenAddsARow)
{
    TempFolder elsewhere;
    std::wstring demo = elsewhere.File(L"demo.tvmc");
    SaveRecord(demo, L"");
    HWND dialog = CommandOpening(ID_FILE_OPEN, L"Open File");
    ASSERT_NE(dialog, nullptr);
    // The file name box: the edit inside the name combo box.
    HWND name = FindDescendant(dialog, L"Edit");
    ASSERT_NE(name, nullptr);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(demo.c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(list) == 3; }));
    EXPECT_EQ(ListText(list, 2, 0), L"demo");
    EXPECT_EQ(ListText(list, 2, 1), demo);
    EXPECT_EQ(ListSelectedRow(list), 2);
}

TEST_F(ProgramTest, ExitEndsTheProcess)
{
    PostMessageW(main, WM_COMMAND, ID_FILE_EXIT, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
