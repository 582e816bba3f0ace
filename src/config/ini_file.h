// An INI file of our own with the platform profile functions' observable
// behaviour: sections and keys match without regard to case, values are
// trimmed, one pair of surrounding quotes is dropped on reading, lines the
// reader does not understand are kept, and the first write creates the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/profile.h"

enum class IniEncoding { Ansi, Utf8, Utf16 };

class IniDocument {
public:
    // A new or empty file is written as UTF-16 with its byte-order mark, so
    // that any path or name survives.
    IniDocument() = default;
    static IniDocument Parse(const uint8_t* data, size_t size);
    std::vector<uint8_t> Serialize() const;

    // The value, or nothing when the section or key is missing.
    std::optional<std::wstring> Find(const std::wstring& section, const std::wstring& key) const;
    void Set(const std::wstring& section, const std::wstring& key, const std::wstring& value);

    IniEncoding Encoding() const { return m_encoding; }

private:
    IniEncoding m_encoding = IniEncoding::Utf16;
    std::vector<std::wstring> m_lines;
};

// The profile functions over our own INI files.
class IniProfile : public Profile {
public:
    std::wstring ReadString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                            const wchar_t* fallback) override;
    void WriteString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                     const std::wstring& value) override;
};
