// Wide text helpers with the C run-time's semantics, written once so that the
// Windows builds and the native build format, scan and convert alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

// One argument of FormatText: a string for %s, a number for %d, %u, %X, %x.
class FormatArg {
public:
    FormatArg(const wchar_t* text) : m_text(text ? text : L"(null)"), m_isText(true) {}
    FormatArg(const std::wstring& text) : m_text(text.c_str()), m_isText(true) {}
    FormatArg(int value) : m_number(value) {}
    FormatArg(long value) : m_number(value) {}
    FormatArg(long long value) : m_number(value) {}
    FormatArg(unsigned value) : m_number(value) {}
    FormatArg(unsigned long value) : m_number(static_cast<long long>(value)) {}
    FormatArg(unsigned long long value) : m_number(static_cast<long long>(value)) {}

    bool IsText() const { return m_isText; }
    const wchar_t* Text() const { return m_text; }
    long long Number() const { return m_number; }

private:
    const wchar_t* m_text = L"";
    long long m_number = 0;
    bool m_isText = false;
};

// printf-style formatting for the conversions the program's texts use:
// %s, %d, %u, %X, %x and %%, with an optional "0" flag and width ("%02d"). %d prints the value as a signed 32-bit number,
// %u, %X and %x as an unsigned 32-bit one, as the C run-time does for int
// arguments. A conversion without an argument, or of the wrong kind, prints
// nothing; unknown conversions are copied as they stand.
std::wstring FormatText(const wchar_t* format, std::initializer_list<FormatArg> args);

template <class... Args>
std::wstring Format(const wchar_t* format, const Args&... args)
{
    return FormatText(format, {FormatArg(args)...});
}

// Scanning like swscanf: white space before a number is skipped, a sign is
// accepted, digits are taken until the first non-digit, and the value wraps
// modulo 2^32 as the run-time's conversion does. Each returns the number of
// values converted, exactly as the scanf call would.
int ScanHexPair(const wchar_t* text, uint32_t* first, uint32_t* second);  // "%X,%X"
int ScanDecimal(const wchar_t* text, int32_t* value);                     // "%d"

// UTF-16 as stored in files, whatever the width of wchar_t.
std::u16string ToUtf16(const std::wstring& text);
std::wstring FromUtf16(const char16_t* text, size_t length);
// UTF-16LE bytes as they lie in a file (no alignment assumed).
std::wstring FromUtf16Bytes(const uint8_t* bytes, size_t length);

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

// The system's 8-bit ("ANSI") code page of the current thread. The native
// build, which has none, uses Windows-1252.
std::wstring AnsiToWide(const char* text, size_t length);
std::string WideToAnsi(const std::wstring& text);

bool EqualsNoCase(const std::wstring& a, const std::wstring& b);
