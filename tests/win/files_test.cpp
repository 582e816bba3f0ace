// Wide-path files on Windows: replacing writes and telling one file by
// several spellings.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/files.h"
#include "temp_folder.h"

namespace {

TEST(Files, ReplacingWriteKeepsNamesOutsideTheCodePage)
{
    TempFolder folder;
    std::wstring path = folder.File(L"\u4e2d\u6587 record.tvmc");
    ASSERT_TRUE(WriteFileReplacing(path, "old", 3));
    ASSERT_TRUE(WriteFileReplacing(path, "newer", 5));
    EXPECT_EQ(ReadBytes(path), "newer");
    EXPECT_FALSE(PathExists(path + L".tmp~"));
    EXPECT_TRUE(RemoveFile(path));
    EXPECT_FALSE(PathExists(path));
}

TEST(Files, SameFileHoweverItIsSpelt)
{
    TempFolder folder;
    std::wstring path = folder.File(L"Long Record Name.tvmc");
    WriteBytes(path, "x");
    WriteBytes(folder.File(L"other.tvmc"), "x");

    wchar_t shortPath[MAX_PATH] = {};
    GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    const std::wstring sameFile[] = {
        path,
        folder.Path() + L"\\\\Long Record Name.tvmc",
        folder.File(L"LONG RECORD NAME.TVMC"),
        folder.Path() + L"\\.\\Long Record Name.tvmc",
        shortPath,
    };
    for (const std::wstring& spelling : sameFile) EXPECT_TRUE(IsSameFile(path, spelling)) << spelling;
    EXPECT_FALSE(IsSameFile(path, folder.File(L"other.tvmc")));
    EXPECT_FALSE(IsSameFile(path, folder.File(L"missing.tvmc")));
    EXPECT_FALSE(IsSameFile(folder.File(L"missing.tvmc"), folder.File(L"missing.tvmc")));
}

}  // namespace
