// The record file (.tvmc): a 20-byte header and a chain of size-prefixed
// chunks holding a banner, the description and the event list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/input_event.h"

class Prompt;

extern const wchar_t kRecordBanner[];

constexpr uint32_t kRecordMagic = 0x434D5654;  // "TVMC"
constexpr uint32_t kRecordVersion = 2;
constexpr size_t kRecordHeaderSize = 20;
constexpr uint32_t kChunkEnd = 1;
constexpr uint32_t kChunkEvents = 3;
constexpr uint32_t kChunkText = 4;

// The whole file as the writer lays it out. Empty when the record is too
// large for the format's 32-bit sizes.
std::vector<uint8_t> BuildRecordFile(const std::wstring& description, const EventList& events);

enum class RecordParse { Ok, NewerVersion, InvalidFormat };

// Reads a loaded file. Never reads outside `data`; on anything but Ok,
// `events` is unchanged.
RecordParse ParseRecordFile(const uint8_t* data, size_t size, std::wstring* description, EventList* events);

// Writes the record, replacing an existing file only once the new one is
// complete. A failure is shown through `prompt` and returns false.
bool SaveRecordFile(Prompt& prompt, const std::wstring& path, const std::wstring& description,
                    const EventList& events);

// False with `error` holding the message to show.
bool LoadRecordFile(std::wstring* error, const std::wstring& path, std::wstring* description, EventList* events);

// The whole file, or null when it cannot be opened, is empty, cannot be held
// or cannot be read whole. `size` is 0xFFFFFFFF until the file is open.
std::unique_ptr<uint8_t[]> ReadWholeFile(const std::wstring& path, uint32_t* size);
