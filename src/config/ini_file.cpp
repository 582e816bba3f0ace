#include "config/ini_file.h"

#include "base/files.h"
#include "base/text.h"

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

std::wstring Trim(const std::wstring& text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// "[name]" gives the name; false for any other line.
bool SectionOf(const std::wstring& trimmed, std::wstring* name)
{
    if (trimmed.empty() || trimmed[0] != L'[') return false;
    size_t close = trimmed.find(L']');
    *name = Trim(trimmed.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
    return true;
}

// "key=value" gives the trimmed key and value; false for any other line.
bool KeyOf(const std::wstring& trimmed, std::wstring* key, std::wstring* value)
{
    size_t equals = trimmed.find(L'=');
    if (equals == std::wstring::npos) return false;
    *key = Trim(trimmed.substr(0, equals));
    *value = Trim(trimmed.substr(equals + 1));
    return true;
}

std::wstring Unquote(const std::wstring& value)
{
    if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"') return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

IniDocument IniDocument::Parse(const uint8_t* data, size_t size)
{
    IniDocument doc;
    std::wstring text;
    // An empty file has no encoding yet: it gets the one of a new file.
    if (size == 0) return doc;
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        doc.m_encoding = IniEncoding::Utf16;
        text = FromUtf16Bytes(data + 2, (size - 2) & ~size_t(1));
    } else if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        doc.m_encoding = IniEncoding::Utf8;
        text = FromUtf8(std::string(reinterpret_cast<const char*>(data) + 3, size - 3));
    } else {
        doc.m_encoding = IniEncoding::Ansi;
        text = AnsiToWide(reinterpret_cast<const char*>(data), size);
    }
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        size_t lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == L'\r') --lineEnd;
        doc.m_lines.push_back(text.substr(start, lineEnd - start));
        start = end + 1;
    }
    return doc;
}

std::vector<uint8_t> IniDocument::Serialize() const
{
    std::wstring text;
    for (const std::wstring& line : m_lines) text += line + L"\r\n";
    std::vector<uint8_t> bytes;
    switch (m_encoding) {
    case IniEncoding::Utf16: {
        std::u16string units = ToUtf16(text);
        bytes.reserve(2 + 2 * units.size());
        bytes.push_back(0xFF);
        bytes.push_back(0xFE);
        for (char16_t unit : units) {
            bytes.push_back(static_cast<uint8_t>(unit));
            bytes.push_back(static_cast<uint8_t>(unit >> 8));
        }
        break;
    }
    case IniEncoding::Utf8: {
        std::string narrow = ToUtf8(text);
        bytes = {0xEF, 0xBB, 0xBF};
        bytes.insert(bytes.end(), narrow.begin(), narrow.end());
        break;
    }
    case IniEncoding::Ansi: {
        std::string narrow = WideToAnsi(text);
        bytes.assign(narrow.begin(), narrow.end());
        break;
    }
    }
    return bytes;
}

std::optional<std::wstring> IniDocument::Find(const std::wstring& section, const std::wstring& key) const
{
    bool inSection = false;
    for (const std::wstring& line : m_lines) {
        std::wstring trimmed = Trim(line), name, value;
        if (SectionOf(trimmed, &name))
            inSection = EqualsNoCase(name, section);
        else if (inSection && KeyOf(trimmed, &name, &value) && EqualsNoCase(name, key))
            return Unquote(value);
    }
    return std::nullopt;
}

void IniDocument::Set(const std::wstring& section, const std::wstring& key, const std::wstring& value)
{
    std::wstring keyText = Trim(key), valueText = Trim(value);
    bool inSection = false;
    size_t insertAt = std::wstring::npos;  // after the found section's last key line
    for (size_t i = 0; i < m_lines.size(); ++i) {
        std::wstring trimmed = Trim(m_lines[i]), name, old;
        if (SectionOf(trimmed, &name)) {
            if (insertAt != std::wstring::npos) break;
            inSection = EqualsNoCase(name, section);
            if (inSection) insertAt = i + 1;
        } else if (inSection && KeyOf(trimmed, &name, &old)) {
            if (EqualsNoCase(name, keyText)) {
                m_lines[i] = name + L"=" + valueText;
                return;
            }
            insertAt = i + 1;
        }
    }
    if (insertAt != std::wstring::npos) {
        m_lines.insert(m_lines.begin() + insertAt, keyText + L"=" + valueText);
        return;
    }
    m_lines.push_back(L"[" + Trim(section) + L"]");
    m_lines.push_back(keyText + L"=" + valueText);
}

std::wstring IniProfile::ReadString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                                    const wchar_t* fallback)
{
    std::vector<uint8_t> bytes;
    std::optional<std::wstring> value;
    if (ReadFileBytes(file, &bytes)) value = IniDocument::Parse(bytes.data(), bytes.size()).Find(section, key);
    std::wstring text = value ? *value : std::wstring(fallback);
    if (text.size() > kProfileBufferChars - 1) text.resize(kProfileBufferChars - 1);
    return text;
}

void IniProfile::WriteString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                             const std::wstring& value)
{
    std::vector<uint8_t> bytes;
    IniDocument doc = ReadFileBytes(file, &bytes) ? IniDocument::Parse(bytes.data(), bytes.size()) : IniDocument();
    doc.Set(section, key, value);
    bytes = doc.Serialize();
    WriteFileReplacing(file, bytes.data(), bytes.size());
}
