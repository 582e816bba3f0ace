#include "model/record_file.h"

#include <cstring>
#include <limits>

#include "base/files.h"
#include "base/text.h"
#include "ui/prompt.h"

// Records are stored in memory order; every target of this program is little-endian.
const wchar_t kRecordBanner[] = L"Brenlow Tavorin Record File, recorded input event list";

namespace {

constexpr size_t kCapacityStep = 4096;
constexpr size_t kChunkHeaderSize = 8;
constexpr uint8_t kEndChunk[kChunkHeaderSize] = {8, 0, 0, 0, kChunkEnd, 0, 0, 0};

uint32_t ReadU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void WriteU32(uint8_t* p, uint32_t value)
{
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
    p[2] = static_cast<uint8_t>(value >> 16);
    p[3] = static_cast<uint8_t>(value >> 24);
}

size_t RoundUpToCapacity(size_t length)
{
    return (length + kCapacityStep - 1) / kCapacityStep * kCapacityStep;
}

void AppendTextPayload(std::vector<uint8_t>& payload, const std::wstring& text)
{
    std::u16string units = ToUtf16(text);
    payload.resize((units.size() + 1) * 2);
    for (size_t i = 0; i < units.size(); ++i) {
        payload[2 * i] = static_cast<uint8_t>(units[i]);
        payload[2 * i + 1] = static_cast<uint8_t>(units[i] >> 8);
    }
}

struct Chunk {
    size_t offset;
    uint32_t size;
    uint32_t type;
};

// The chunk at `offset`, when its header and its whole body lie inside the data.
bool ReadChunk(const uint8_t* data, size_t size, size_t offset, Chunk* chunk)
{
    if (offset > size || size - offset < kChunkHeaderSize) return false;
    chunk->offset = offset;
    chunk->size = ReadU32(data + offset);
    chunk->type = ReadU32(data + offset + 4);
    return chunk->size >= kChunkHeaderSize && chunk->size <= size - offset;
}

// The description: an 8-bit string exactly filling the chunk, else UTF-16LE
// up to its NUL, which must lie inside the chunk.
bool ReadDescription(const uint8_t* data, const Chunk& chunk, std::wstring* description)
{
    const uint8_t* payload = data + chunk.offset + kChunkHeaderSize;
    size_t length = chunk.size - kChunkHeaderSize;
    const void* nul = memchr(payload, 0, length);
    if (nul) {
        size_t narrow = static_cast<const uint8_t*>(nul) - payload;
        if (chunk.size == 9 + narrow) {
            *description = AnsiToWide(reinterpret_cast<const char*>(payload), narrow);
            return true;
        }
    }
    for (size_t i = 0; i + 1 < length; i += 2) {
        if (payload[i] == 0 && payload[i + 1] == 0) {
            *description = FromUtf16Bytes(payload, i);
            return true;
        }
    }
    return false;
}

// Everything before the events: the header, the banner, the description and
// the event chunk's own header. Empty when the record is too large for the
// format's 32-bit sizes.
std::vector<uint8_t> BuildRecordHead(const std::wstring& description, size_t eventCount)
{
    std::vector<uint8_t> banner, text;
    AppendTextPayload(banner, kRecordBanner);
    AppendTextPayload(text, description);

    const size_t maxSize = std::numeric_limits<uint32_t>::max();
    const size_t maxEvents = (maxSize - kRecordHeaderSize - 4 * kChunkHeaderSize - banner.size() - text.size()) / 12;
    if (text.size() > maxSize / 2 || eventCount > maxEvents) return {};
    const size_t eventBytes = eventCount * sizeof(INPUTEVENT);
    const size_t headSize = kRecordHeaderSize + 3 * kChunkHeaderSize + banner.size() + text.size();
    const size_t length = headSize + eventBytes + sizeof(kEndChunk);
    if (RoundUpToCapacity(length) > maxSize) return {};

    // The capacity field tells the size of the writer's buffer: the length
    // rounded up to whole 4096-byte steps.
    std::vector<uint8_t> head(headSize);
    WriteU32(&head[0], kRecordMagic);
    WriteU32(&head[4], kRecordVersion);
    WriteU32(&head[8], static_cast<uint32_t>(length));
    WriteU32(&head[12], static_cast<uint32_t>(RoundUpToCapacity(length)));
    WriteU32(&head[16], 4);

    size_t at = kRecordHeaderSize;
    auto append = [&](uint32_t type, const std::vector<uint8_t>& payload, size_t payloadSize) {
        WriteU32(&head[at], static_cast<uint32_t>(kChunkHeaderSize + payloadSize));
        WriteU32(&head[at + 4], type);
        if (!payload.empty()) memcpy(&head[at + kChunkHeaderSize], payload.data(), payload.size());
        at += kChunkHeaderSize + payload.size();
    };
    append(kChunkText, banner, banner.size());
    append(kChunkText, text, text.size());
    append(kChunkEvents, {}, eventBytes);  // its payload follows the head
    return head;
}

}  // namespace

std::vector<uint8_t> BuildRecordFile(const std::wstring& description, const EventList& events)
{
    std::vector<uint8_t> file = BuildRecordHead(description, events.size());
    if (file.empty()) return file;
    const uint8_t* first = reinterpret_cast<const uint8_t*>(events.data());
    file.insert(file.end(), first, first + events.size() * sizeof(INPUTEVENT));
    file.insert(file.end(), kEndChunk, kEndChunk + sizeof(kEndChunk));
    return file;
}

RecordParse ParseRecordFile(const uint8_t* data, size_t size, std::wstring* description, EventList* events)
{
    if (size < kRecordHeaderSize) return RecordParse::InvalidFormat;
    if (ReadU32(data + 4) > kRecordVersion) return RecordParse::NewerVersion;

    Chunk banner, text, list;
    if (!ReadChunk(data, size, kRecordHeaderSize, &banner)) return RecordParse::InvalidFormat;
    if (!ReadChunk(data, size, banner.offset + banner.size, &text) || text.type != kChunkText)
        return RecordParse::InvalidFormat;
    if (!ReadDescription(data, text, description)) return RecordParse::InvalidFormat;
    if (!ReadChunk(data, size, text.offset + text.size, &list) || list.type != kChunkEvents ||
        (list.size - kChunkHeaderSize) % sizeof(INPUTEVENT) != 0)
        return RecordParse::InvalidFormat;

    size_t count = (list.size - kChunkHeaderSize) / sizeof(INPUTEVENT);
    events->resize(count);
    if (count) memcpy(events->data(), data + list.offset + kChunkHeaderSize, count * sizeof(INPUTEVENT));
    return RecordParse::Ok;
}

bool SaveRecordFile(Prompt& prompt, const std::wstring& path, const std::wstring& description,
                    const EventList& events)
{
    // The events go out straight from the list, not copied into one block first.
    std::vector<uint8_t> head = BuildRecordHead(description, events.size());
    if (head.empty() || !WriteFileReplacing(path, {{head.data(), head.size()},
                                                   {events.data(), events.size() * sizeof(INPUTEVENT)},
                                                   {kEndChunk, sizeof(kEndChunk)}})) {
        prompt.Show(Format(L"Create file: '%s' failed!\nYou may need to run Tavorin as administrator.", path));
        return false;
    }
    return true;
}

std::unique_ptr<uint8_t[]> ReadWholeFile(const std::wstring& path, uint32_t* size)
{
    *size = 0xFFFFFFFF;
    FILE* file = OpenFile(path, "rb");
    if (!file) return nullptr;
    std::unique_ptr<uint8_t[]> block;
    uint64_t length = 0;
    // A length that the 32-bit size cannot tell is refused like an unreadable file.
    if (GetOpenFileSize(file, &length) && length < 0xFFFFFFFF) {
        *size = static_cast<uint32_t>(length);
        if (length > 0) {
            block.reset(new (std::nothrow) uint8_t[length]);
            if (block && fread(block.get(), 1, length, file) != length) block.reset();
        }
    }
    fclose(file);
    return block;
}

bool LoadRecordFile(std::wstring* error, const std::wstring& path, std::wstring* description, EventList* events)
{
    uint32_t size = 0;
    std::unique_ptr<uint8_t[]> block = ReadWholeFile(path, &size);
    if (!block) {
        *error = Format(L"Can not open file: '%s'", path);
        return false;
    }
    switch (ParseRecordFile(block.get(), size, description, events)) {
    case RecordParse::Ok:
        return true;
    case RecordParse::NewerVersion:
        *error = L"Can not load this version of Tavorin File. You may need to update Tavorin to the latest version.";
        return false;
    case RecordParse::InvalidFormat:
        break;
    }
    *error = L"Invalid file format.";
    return false;
}
