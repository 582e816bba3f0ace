// Every end-to-end test starts the program on a fresh configuration whose
// record directory holds a.tvmc, b.tvmc and a folder named c.tvmc.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver.h"
#include "model/record_file.h"
#include "resources/resource.h"
#include "temp_folder.h"
#include "ui/prompt.h"


class SilentPrompt : public Prompt {
public:
    PromptAnswer Show(const std::wstring&, PromptButtons, PromptIcon) override { return PromptAnswer::Ok; }
};

inline std::wstring ConfigFile()
{
    wchar_t appData[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, appData, CSIDL_APPDATA, TRUE);
    std::wstring folder = std::wstring(appData) + L"\\Brenlow\\Tavorin";
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    return folder + L"\\conf.ini";
}

inline void SaveRecord(const std::wstring& path, const std::wstring& description,
                       const EventList& events = {{EV_MOUSEMOVE, 10, 20, 0, 100}, {EV_LBUTTONDOWN, 10, 20, 0, 0}})
{
    SilentPrompt prompt;
    ASSERT_TRUE(SaveRecordFile(prompt, path, description, events));
}

inline std::wstring DescriptionOf(const std::wstring& path)
{
    std::wstring error, description;
    EventList events;
    EXPECT_TRUE(LoadRecordFile(&error, path, &description, &events)) << error;
    return description;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteFileW(ConfigFile().c_str());
        WritePrivateProfileStringW(L"Option", L"RecordDirectory", records.Path().c_str(), ConfigFile().c_str());
        SaveRecord(records.File(L"a.tvmc"), L"first");
        SaveRecord(records.File(L"b.tvmc"), L"second");
        MakeFolderAt(records.File(L"c.tvmc"));
        ASSERT_TRUE(program.Start());
        main = FindMainWindow();
        ASSERT_NE(main, nullptr) << "the main window did not appear";
        list = GetDlgItem(main, IDC_RECORD_LIST);
    }
    void TearDown() override
    {
        if (main && IsWindow(main)) PostMessageW(main, WM_COMMAND, ID_FILE_EXIT, 0);
        program.WaitForExit(10000);
        program.Kill();
        DeleteFileW(ConfigFile().c_str());
    }
    std::vector<std::wstring> RowNames()
    {
        std::vector<std::wstring> names;
        for (int row = 0; row < ListRowCount(list); ++row) names.push_back(ListText(list, row, 0));
        return names;
    }
    int RowOf(const std::wstring& name)
    {
        std::vector<std::wstring> names = RowNames();
        auto found = std::find(names.begin(), names.end(), name);
        return found == names.end() ? -1 : static_cast<int>(found - names.begin());
    }
    // Runs a menu command that opens a modal window, and finds that window.
    HWND CommandOpening(int command, const std::wstring& caption)
    {
        PostMessageW(main, WM_COMMAND, command, 0);
        return FindDialog(program.Id(), caption);
    }

    TempFolder records;
    ProgramProcess program;
    HWND main = nullptr;
    HWND list = nullptr;
};

