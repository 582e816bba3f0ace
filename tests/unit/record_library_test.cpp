#include <gtest/gtest.h>

#include <algorithm>

#include "base/files.h"
#include "library/record_library.h"
#include "model/record_file.h"
#include "sim_prompt.h"
#include "sim_record_list.h"
#include "temp_folder.h"

namespace {

const EventList kEvents = {{EV_KEYDOWN, 0x41, 0, 0, 10}, {EV_KEYUP, 0x41, 0, 0, 0}};

// Paths are written the Windows way; natively a backslash is the separator.
std::wstring In(const std::wstring& folder, const std::wstring& name)
{
    return folder + L"\\" + name;
}

void SaveRecord(const std::wstring& path, const std::wstring& description)
{
    SimPrompt prompt;
    ASSERT_TRUE(SaveRecordFile(prompt, path, description, kEvents));
}

std::wstring DescriptionOf(const std::wstring& path)
{
    std::wstring error, description;
    EventList events;
    EXPECT_TRUE(LoadRecordFile(&error, path, &description, &events)) << error;
    return description;
}

TEST(RecordLibrary, NamesAndPaths)
{
    const struct {
        const wchar_t* path;
        const wchar_t* name;
    } cases[] = {
        {L"C:\\R\\my.rec.tvmc", L"my.rec"}, {L"D:\\x\\demo.tvmc", L"demo"}, {L"demo.tvmc", L"demo"},
        {L"C:\\R\\noext", L"noext"},        {L"C:\\R.d\\noext", L"noext"},
    };
    for (const auto& c : cases) EXPECT_EQ(RecordNameOf(c.path), c.name) << c.path;
    EXPECT_EQ(RecordPathFor(L"C:\\R", L"a"), L"C:\\R\\a.tvmc");
}

TEST(RecordLibrary, FillListsTheRecordFilesOnly)
{
    TempFolder folder;
    SaveRecord(folder.File(L"a.tvmc"), L"");
    SaveRecord(folder.File(L"b.tvmc"), L"");
    SaveRecord(folder.File(L"my.rec.tvmc"), L"");
    WriteBytes(folder.File(L"notes.txt"), "x");
    MakeFolderAt(folder.File(L"c.tvmc"));

    SimRecordList list;
    list.AddRow(L"stale", L"stale");
    FillRecordList(list, folder.Path());
    std::vector<std::wstring> names;
    for (auto& row : list.rows) {
        names.push_back(row.first);
        EXPECT_EQ(row.second, In(folder.Path(), row.first + L".tvmc"));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"a", L"b", L"my.rec"}));
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(list.focusCount, 1);

    FillRecordList(list, folder.File(L"missing"));
    EXPECT_TRUE(list.rows.empty());
    EXPECT_EQ(list.selected, -1);
    EXPECT_EQ(list.focusCount, 1) << "an empty list takes no focus";
}

TEST(RecordLibrary, AddSelectsAnExistingRowInAnyLetterCase)
{
    SimRecordList list;
    list.AddRow(L"a", L"C:\\R\\a.tvmc");
    list.AddRow(L"b", L"C:\\R\\b.tvmc");
    EXPECT_TRUE(AddRecordToList(list, L"c:\\r\\B.TVMC"));
    EXPECT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.selected, 1);
    EXPECT_EQ(list.scrolledTo, -1) << "a found row is not scrolled into view";

    EXPECT_TRUE(AddRecordToList(list, L"D:\\x\\demo.tvmc"));
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(list.rows[2], std::make_pair(std::wstring(L"demo"), std::wstring(L"D:\\x\\demo.tvmc")));
    EXPECT_EQ(list.selected, 2);
    EXPECT_EQ(list.scrolledTo, 2);
    EXPECT_EQ(list.focusCount, 2);
}

TEST(RecordLibrary, SaveDialogNameRules)
{
    TempFolder folder;
    const std::wstring dir = folder.Path();
    SaveRecord(In(dir, L"abc.tvmc"), L"");
    SaveRecord(In(dir, L"other.tvmc"), L"");
    const std::wstring abc = In(dir, L"abc.tvmc");
    const struct {
        const char* what;
        SaveRecordFields fields;
        std::vector<PromptAnswer> answers;
        bool accepted;
        std::wstring message;  // empty: none
        bool focusesName;
    } cases[] = {
        {"empty name", {L"", L"", false, L""}, {}, false, L"Please input a Record Name.", false},
        {"new name", {L"fresh", L"", false, L""}, {}, true, L"", false},
        {"existing, overwrite", {L"abc", L"", false, L""}, {PromptAnswer::Yes}, true,
         L"Record file '" + abc + L"' already exists, do you want to overwrite it?", false},
        {"existing, keep", {L"abc", L"", false, L""}, {PromptAnswer::No}, false,
         L"Record file '" + abc + L"' already exists, do you want to overwrite it?", true},
        {"edit keeps its name", {L"abc", L"", true, abc}, {}, true, L"", false},
        {"edit renames freely", {L"new", L"", true, abc}, {}, true, L"", false},
        {"edit onto another record", {L"other", L"", true, abc}, {}, false,
         L"Can not rename the record to 'other': A record with the name you specified already exist.\n"
         L"Please specify a different name.",
         true},
    };
    for (const auto& c : cases) {
        SimPrompt prompt;
        prompt.answers.assign(c.answers.begin(), c.answers.end());
        int focused = 0;
        EXPECT_EQ(AcceptRecordName(prompt, dir, c.fields, [&] { ++focused; }), c.accepted) << c.what;
        std::vector<std::wstring> expected;
        if (!c.message.empty()) expected.push_back(c.message);
        EXPECT_EQ(prompt.shown, expected) << c.what;
        EXPECT_EQ(focused, c.focusesName ? 1 : 0) << c.what;
    }
}

class RecordCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SaveRecord(In(dir, L"abc.tvmc"), L"old text");
        SaveRecord(In(dir, L"other.tvmc"), L"");
        FillRecordList(list, dir);
        list.selected = RowOf(L"abc");
    }
    int RowOf(const std::wstring& name)
    {
        for (size_t i = 0; i < list.rows.size(); ++i)
            if (list.rows[i].first == name) return static_cast<int>(i);
        return -1;
    }
    // A dialog that the user fills with `name` and `description` and confirms.
    SaveRecordDialogRunner Dialog(const std::wstring& name, const std::wstring& description, bool ok = true)
    {
        return [=](SaveRecordFields& fields) {
            seen = fields;
            fields.name = name;
            fields.description = description;
            return ok;
        };
    }
    TempFolder folder;
    const std::wstring dir = folder.Path();
    SimRecordList list;
    SimPrompt prompt;
    SaveRecordFields seen;
};

TEST_F(RecordCommandTest, EditWithoutRowsOrSelectionTellsWhy)
{
    SimRecordList empty;
    EditSelectedRecord(empty, prompt, dir, Dialog(L"x", L""));
    DeleteSelectedRecord(empty, prompt);
    list.selected = -1;
    EditSelectedRecord(list, prompt, dir, Dialog(L"x", L""));
    DeleteSelectedRecord(list, prompt);
    const std::wstring none = L"There is no Record, please click 'Record' to create a Record first.";
    EXPECT_EQ(prompt.shown, (std::vector<std::wstring>{none, none, L"Please select the Record you want to edit.",
                                                       L"Please select the Record you want to delete."}));
    EXPECT_EQ(prompt.iconsShown[0], PromptIcon::Information);
    EXPECT_EQ(prompt.iconsShown[2], PromptIcon::None);
    EXPECT_EQ(empty.focusCount, 2);
}

TEST_F(RecordCommandTest, EditKeepingTheNameRewritesTheSameFile)
{
    int row = list.selected;
    EditSelectedRecord(list, prompt, dir, Dialog(L"abc", L"new text"));
    EXPECT_EQ(seen.name, L"abc");
    EXPECT_EQ(seen.description, L"old text");
    EXPECT_TRUE(seen.editMode);
    EXPECT_EQ(seen.oldPath, In(dir, L"abc.tvmc"));
    EXPECT_EQ(DescriptionOf(In(dir, L"abc.tvmc")), L"new text");
    EXPECT_EQ(list.rows[row], std::make_pair(std::wstring(L"abc"), In(dir, L"abc.tvmc")));
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(RecordCommandTest, EditThroughAnotherSpellingKeepsTheRecord)
{
    // The row names the file with a doubled backslash, as a record directory
    // typed with a trailing one gives: the same file, another string.
    int row = list.selected;
    list.rows[row].second = dir + L"\\\\abc.tvmc";
    EditSelectedRecord(list, prompt, dir, Dialog(L"abc", L"kept"));
    EXPECT_TRUE(PathExists(In(dir, L"abc.tvmc")));
    EXPECT_EQ(DescriptionOf(In(dir, L"abc.tvmc")), L"kept");
}

TEST_F(RecordCommandTest, EditRenamesAndMovesIntoTheRecordDirectory)
{
    TempFolder elsewhere;
    std::wstring outside = In(elsewhere.Path(), L"demo.tvmc");
    SaveRecord(outside, L"from outside");
    AddRecordToList(list, outside);
    int row = list.selected;
    EditSelectedRecord(list, prompt, dir, Dialog(L"renamed", L"moved"));
    EXPECT_FALSE(PathExists(outside));
    EXPECT_EQ(DescriptionOf(In(dir, L"renamed.tvmc")), L"moved");
    EXPECT_EQ(list.rows[row], std::make_pair(std::wstring(L"renamed"), In(dir, L"renamed.tvmc")));
}

TEST_F(RecordCommandTest, FailedWriteKeepsTheOldRecordAndRow)
{
    int row = list.selected;
    auto before = list.rows[row];
    EditSelectedRecord(list, prompt, In(dir, L"missing-folder"), Dialog(L"abc", L"lost?"));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].rfind(L"Create file: '", 0), 0u);
    EXPECT_EQ(DescriptionOf(In(dir, L"abc.tvmc")), L"old text");
    EXPECT_EQ(list.rows[row], before);
}

TEST_F(RecordCommandTest, EditCancelledOrUnreadableChangesNothing)
{
    int row = list.selected;
    auto before = list.rows[row];
    EditSelectedRecord(list, prompt, dir, Dialog(L"zzz", L"", false));
    EXPECT_EQ(list.rows[row], before);
    EXPECT_FALSE(PathExists(In(dir, L"zzz.tvmc")));

    WriteBytes(In(dir, L"abc.tvmc"), std::string("TVMC\2\0\0\0", 8) + "not a chunk chain at all");
    bool ran = false;
    EditSelectedRecord(list, prompt, dir, [&](SaveRecordFields&) { return ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_EQ(prompt.shown, std::vector<std::wstring>{L"Invalid file format."});
}

TEST_F(RecordCommandTest, DeleteAsksThenRemovesFileAndRow)
{
    std::wstring path = In(dir, L"abc.tvmc");
    prompt.answers = {PromptAnswer::No};
    DeleteSelectedRecord(list, prompt);
    EXPECT_TRUE(PathExists(path));
    EXPECT_EQ(list.rows.size(), 2u);

    prompt.answers = {PromptAnswer::Yes};
    DeleteSelectedRecord(list, prompt);
    EXPECT_FALSE(PathExists(path));
    EXPECT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.selected, -1) << "no other row is selected";
    EXPECT_EQ(prompt.shown.back(), L"Do you really want to delete the file: '" + path + L"'?");
    EXPECT_EQ(prompt.buttonsShown.back(), PromptButtons::YesNo);

    // A file that is already gone still loses its row.
    list.selected = 0;
    RemoveFile(list.rows[0].second);
    prompt.answers = {PromptAnswer::Yes};
    DeleteSelectedRecord(list, prompt);
    EXPECT_TRUE(list.rows.empty());
}

}  // namespace
