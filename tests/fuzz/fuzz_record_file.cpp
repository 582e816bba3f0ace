// Feeds arbitrary bytes to the record file parser. Whatever it accepts must
// survive being written again and read back unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/record_file.h"

namespace {

void Check(bool ok, const char* what)
{
    if (ok) return;
    fprintf(stderr, "fuzz_record_file: %s\n", what);
    abort();
}

bool SameEvents(const EventList& a, const EventList& b)
{
    return a.size() == b.size() && (a.empty() || memcmp(a.data(), b.data(), a.size() * sizeof(INPUTEVENT)) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A list that is already there must stay as it is when the file is refused.
    const INPUTEVENT marker = {EV_KEYDOWN, 0x41, 0, 0, 1234};
    const EventList before(1, marker);
    std::wstring description = L"unchanged";
    EventList events = before;
    RecordParse result = ParseRecordFile(data, size, &description, &events);
    if (result != RecordParse::Ok) {
        Check(SameEvents(events, before), "a refused file changed the event list");
        return 0;
    }

    std::vector<uint8_t> file = BuildRecordFile(description, events);
    Check(!file.empty(), "an accepted record could not be written again");
    Check(file.size() >= kRecordHeaderSize, "the written file is shorter than its header");
    const uint32_t length = static_cast<uint32_t>(file[8]) | static_cast<uint32_t>(file[9]) << 8 |
                            static_cast<uint32_t>(file[10]) << 16 | static_cast<uint32_t>(file[11]) << 24;
    Check(length == file.size(), "the written length field does not match the file");

    std::wstring description2;
    EventList events2;
    Check(ParseRecordFile(file.data(), file.size(), &description2, &events2) == RecordParse::Ok,
          "a written record does not parse");
    Check(SameEvents(events, events2), "events changed on the round trip");
    Check(description == description2, "the description changed on the round trip");
    Check(BuildRecordFile(description2, events2) == file, "writing the record again gives other bytes");
    return 0;
}
