#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/record_file.h"
#include "sim_prompt.h"
#include "temp_folder.h"

namespace {

std::string U32(uint32_t v)
{
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(v >> (8 * i));
    return s;
}

std::string Utf16z(const std::string& ascii)
{
    std::string s;
    for (char c : ascii) s += std::string{c, '\0'};
    return s + std::string(2, '\0');
}

std::string Chunk(uint32_t type, const std::string& payload)
{
    return U32(static_cast<uint32_t>(8 + payload.size())) + U32(type) + payload;
}

std::string Header(uint32_t version = 2)
{
    return "TVMC" + U32(version) + U32(0) + U32(4096) + U32(4);
}

std::string EventBytes(const EventList& events)
{
    return std::string(reinterpret_cast<const char*>(events.data()), events.size() * sizeof(INPUTEVENT));
}

const std::string kBannerChunk = Chunk(4, Utf16z("Brenlow Tavorin Record File, recorded input event list"));

const EventList kTwoEvents = {{EV_MOUSEMOVE, 10, 20, 0, 250}, {EV_KEYDOWN, 0x41, 0, 0, 0}};

std::string BuildString(const std::wstring& description, const EventList& events)
{
    std::vector<uint8_t> bytes = BuildRecordFile(description, events);
    return std::string(bytes.begin(), bytes.end());
}

RecordParse Parse(const std::string& file, std::wstring* description, EventList* events)
{
    return ParseRecordFile(reinterpret_cast<const uint8_t*>(file.data()), file.size(), description, events);
}

TEST(RecordFile, WritesTheDocumentedBytes)
{
    std::string file = BuildString(L"abc", kTwoEvents);
    std::string expected = "TVMC" + U32(2) + U32(194) + U32(4096) + U32(4) + kBannerChunk + Chunk(4, Utf16z("abc")) +
                           Chunk(3, EventBytes(kTwoEvents)) + Chunk(1, "");
    ASSERT_EQ(file.size(), 194u);
    EXPECT_EQ(file, expected);
    EXPECT_EQ(kBannerChunk.size(), 118u);
}

TEST(RecordFile, CapacityIsTheLengthInWholeSteps)
{
    const struct {
        size_t events;
        uint32_t length;
        uint32_t capacity;
    } cases[] = {{0, 164, 4096}, {327, 4088, 4096}, {328, 4100, 8192}, {669, 8192, 8192}, {670, 8204, 12288}};
    for (const auto& c : cases) {
        std::string file = BuildString(L"", EventList(c.events));
        ASSERT_EQ(file.size(), c.length) << c.events;
        EXPECT_EQ(file.substr(8, 8), U32(c.length) + U32(c.capacity)) << c.events;
    }
}

TEST(RecordFile, RoundTripsDescriptionAndEvents)
{
    const std::wstring descriptions[] = {L"", L"line one\r\nline two", L"\u00e9t\u00e9 \u4e2d\u6587"};
    for (const std::wstring& description : descriptions) {
        std::wstring readDescription = L"old";
        EventList events;
        ASSERT_EQ(Parse(BuildString(description, kTwoEvents), &readDescription, &events), RecordParse::Ok);
        EXPECT_EQ(readDescription, description);
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(EventBytes(events), EventBytes(kTwoEvents));
    }
    std::wstring description;
    EventList events = kTwoEvents;
    ASSERT_EQ(Parse(BuildString(L"x", EventList()), &description, &events), RecordParse::Ok);
    EXPECT_TRUE(events.empty());
}

TEST(RecordFile, ReadsWhatTheReaderAccepts)
{
    const std::string descriptionChunk = Chunk(4, Utf16z("abc"));
    const std::string eventChunk = Chunk(3, EventBytes(kTwoEvents));
    const struct {
        const char* what;
        std::string file;
        const wchar_t* description;
        size_t events;
    } cases[] = {
        {"version 1", Header(1) + kBannerChunk + descriptionChunk + eventChunk, L"abc", 2},
        {"version 0", Header(0) + kBannerChunk + descriptionChunk + eventChunk, L"abc", 2},
        {"wrong magic", "XXXX" + Header().substr(4) + kBannerChunk + descriptionChunk + eventChunk, L"abc", 2},
        {"any banner", Header() + Chunk(77, "anything") + descriptionChunk + eventChunk, L"abc", 2},
        {"8-bit description", Header() + kBannerChunk + Chunk(4, std::string("abc\0", 4)) + eventChunk, L"abc", 2},
        {"8-bit upper half", Header() + kBannerChunk + Chunk(4, std::string("caf\xe9\0", 5)) + eventChunk,
         L"caf\u00e9", 2},
        {"one event", Header() + kBannerChunk + descriptionChunk + Chunk(3, EventBytes({kTwoEvents[0]})), L"abc", 1},
        {"no end chunk", Header() + kBannerChunk + descriptionChunk + eventChunk, L"abc", 2},
        {"text after its NUL", Header() + kBannerChunk + Chunk(4, Utf16z("ab") + "zz") + eventChunk, L"ab", 2},
    };
    for (const auto& c : cases) {
        std::wstring description;
        EventList events;
        ASSERT_EQ(Parse(c.file, &description, &events), RecordParse::Ok) << c.what;
        EXPECT_EQ(description, c.description) << c.what;
        EXPECT_EQ(events.size(), c.events) << c.what;
    }
}

TEST(RecordFile, RefusesWhatItCannotRead)
{
    const std::string good = BuildString(L"abc", kTwoEvents);
    const std::string descriptionChunk = Chunk(4, Utf16z("abc"));
    const std::string eventChunk = Chunk(3, EventBytes(kTwoEvents));
    std::string tooBigBanner = good;
    tooBigBanner.replace(20, 4, U32(0x7FFFFFF0));
    std::string tinyBanner = good;
    tinyBanner.replace(20, 4, U32(4));
    const struct {
        const char* what;
        std::string file;
        RecordParse result;
    } cases[] = {
        {"version 3", Header(3) + kBannerChunk + descriptionChunk + eventChunk, RecordParse::NewerVersion},
        {"shorter than its header", good.substr(0, 19), RecordParse::InvalidFormat},
        {"header only", good.substr(0, 20), RecordParse::InvalidFormat},
        {"banner runs past the end", tooBigBanner, RecordParse::InvalidFormat},
        {"chunk shorter than 8 bytes", tinyBanner, RecordParse::InvalidFormat},
        {"cut inside the description", good.substr(0, 20 + 118 + 10), RecordParse::InvalidFormat},
        {"no event chunk", Header() + kBannerChunk + descriptionChunk, RecordParse::InvalidFormat},
        {"event chunk cut", good.substr(0, good.size() - 8 - 1), RecordParse::InvalidFormat},
        {"description not text", Header() + kBannerChunk + Chunk(3, "") + eventChunk, RecordParse::InvalidFormat},
        {"events not type 3", Header() + kBannerChunk + descriptionChunk + Chunk(4, EventBytes(kTwoEvents)),
         RecordParse::InvalidFormat},
        {"26-byte event chunk", Header() + kBannerChunk + descriptionChunk + Chunk(3, std::string(18, '\0')),
         RecordParse::InvalidFormat},
        {"description without its NUL", Header() + kBannerChunk + Chunk(4, std::string("a\0b\0", 4)) + eventChunk,
         RecordParse::InvalidFormat},
        {"empty description chunk", Header() + kBannerChunk + Chunk(4, "") + eventChunk, RecordParse::InvalidFormat},
    };
    for (const auto& c : cases) {
        std::wstring description;
        EventList events = kTwoEvents;
        EXPECT_EQ(Parse(c.file, &description, &events), c.result) << c.what;
        EXPECT_EQ(events.size(), 2u) << c.what << ": the events stay as they were";
    }
}

TEST(RecordFile, SavesAndLoadsThroughFiles)
{
    TempFolder folder;
    SimPrompt prompt;
    std::wstring path = folder.File(L"rec.tvmc");
    ASSERT_TRUE(SaveRecordFile(prompt, path, L"abc", kTwoEvents));
    EXPECT_EQ(ReadBytes(path), BuildString(L"abc", kTwoEvents));

    std::wstring error, description;
    EventList events;
    ASSERT_TRUE(LoadRecordFile(&error, path, &description, &events));
    EXPECT_EQ(description, L"abc");
    EXPECT_EQ(events.size(), 2u);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST(RecordFile, LoadMessages)
{
    TempFolder folder;
    std::wstring empty = folder.File(L"empty.tvmc"), newer = folder.File(L"newer.tvmc"), bad = folder.File(L"bad.tvmc");
    WriteBytes(empty, "");
    WriteBytes(newer, Header(3) + kBannerChunk);
    WriteBytes(bad, Header() + kBannerChunk + "junk");
    const struct {
        std::wstring path;
        std::wstring message;
    } cases[] = {
        {folder.File(L"missing.tvmc"), L"Can not open file: '" + folder.File(L"missing.tvmc") + L"'"},
        {empty, L"Can not open file: '" + empty + L"'"},
        {newer, L"Can not load this version of Tavorin File. You may need to update Tavorin to the latest version."},
        {bad, L"Invalid file format."},
    };
    for (const auto& c : cases) {
        std::wstring error, description;
        EventList events;
        EXPECT_FALSE(LoadRecordFile(&error, c.path, &description, &events));
        EXPECT_EQ(error, c.message);
    }
}

TEST(RecordFile, ReadWholeFileTellsTheSize)
{
    TempFolder folder;
    uint32_t size = 0;
    EXPECT_EQ(ReadWholeFile(folder.File(L"missing"), &size), nullptr);
    EXPECT_EQ(size, 0xFFFFFFFFu);
    WriteBytes(folder.File(L"empty"), "");
    EXPECT_EQ(ReadWholeFile(folder.File(L"empty"), &size), nullptr);
    EXPECT_EQ(size, 0u);
    WriteBytes(folder.File(L"three"), "xyz");
    auto block = ReadWholeFile(folder.File(L"three"), &size);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(memcmp(block.get(), "xyz", 3), 0);
}

TEST(RecordFile, FailedSaveIsReportedAndKeepsTheOldRecord)
{
    TempFolder folder;
    SimPrompt prompt;
    std::wstring path = JoinPath(folder.File(L"no-such-folder"), L"rec.tvmc");
    EXPECT_FALSE(SaveRecordFile(prompt, path, L"", kTwoEvents));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0], L"Create file: '" + path + L"' failed!\nYou may need to run Tavorin as administrator.");

    // An existing record is replaced only by a complete new file: when the
    // new one cannot be written, the old one stays as it was.
    std::wstring existing = folder.File(L"old.tvmc");
    ASSERT_TRUE(SaveRecordFile(prompt, existing, L"old", kTwoEvents));
    std::string before = ReadBytes(existing);
    std::wstring blocker = existing + L".tmp~";
    MakeFolderAt(blocker);
    EXPECT_FALSE(SaveRecordFile(prompt, existing, L"new", EventList(5)));
    EXPECT_EQ(ReadBytes(existing), before);
    EXPECT_EQ(prompt.shown.size(), 2u);
}

}  // namespace
