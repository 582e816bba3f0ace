#include "base/text.h"


namespace {

void AppendUnsigned(std::wstring& out, uint32_t value, unsigned base, bool upper)
{
    const wchar_t* digits = upper ? L"0123456789ABCDEF" : L"0123456789abcdef";
    wchar_t buffer[16];
    int n = 0;
    do {
        buffer[n++] = digits[value % base];
        value /= base;
    } while (value != 0);
    while (n > 0) out += buffer[--n];
}

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f';
}

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// One scanf numeric conversion at p. Returns false (and leaves p) when no
// digit follows the optional blanks, sign and prefix.
bool ScanNumber(const wchar_t*& p, unsigned base, uint32_t* value)
{
    const wchar_t* s = p;
    while (IsBlank(*s)) ++s;
    bool negative = false;
    if (*s == L'+' || *s == L'-') negative = (*s++ == L'-');
    uint32_t result = 0;
    bool any = false;
    // As in msvcrt, a "0x" prefix must be followed by a digit, or nothing converts.
    if (base == 16 && s[0] == L'0' && (s[1] == L'x' || s[1] == L'X')) s += 2;
    for (;;) {
        int d = HexDigit(*s);
        if (d < 0 || static_cast<unsigned>(d) >= base) break;
        result = result * base + static_cast<uint32_t>(d);
        any = true;
        ++s;
    }
    if (!any) return false;
    *value = negative ? 0u - result : result;
    p = s;
    return true;
}

wchar_t FoldCase(wchar_t c)
{
    unsigned u = static_cast<unsigned>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<wchar_t>(u + 32);
    if ((u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<wchar_t>(u + 32);
    if (u >= 0x100 && u <= 0x17F && (u % 2) == 0 && u != 0x130 && u != 0x138) return static_cast<wchar_t>(u + 1);
    if (u >= 0x391 && u <= 0x3A9 && u != 0x3A2) return static_cast<wchar_t>(u + 32);
    if (u >= 0x410 && u <= 0x42F) return static_cast<wchar_t>(u + 32);
    if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 80);
    return c;
}

}  // namespace

std::wstring FormatText(const wchar_t* format, std::initializer_list<FormatArg> args)
{
    std::wstring out;
    auto next = args.begin();
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%') {
            out += *p;
            continue;
        }
        if (p[1] == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        // An optional "0" flag and a width, as in "%02d".
        const wchar_t* cursor = p + 1;
        bool zeros = *cursor == L'0';
        if (zeros) ++cursor;
        size_t width = 0;
        while (*cursor >= L'0' && *cursor <= L'9') width = width * 10 + static_cast<size_t>(*cursor++ - L'0');
        wchar_t conv = *cursor;
        if (conv != L's' && conv != L'd' && conv != L'u' && conv != L'X' && conv != L'x') {
            out += *p;
            continue;
        }
        p = cursor;
        if (next == args.end()) continue;
        const FormatArg& arg = *next++;
        std::wstring field;
        if (conv == L's') {
            if (arg.IsText()) field = arg.Text();
        } else if (!arg.IsText()) {
            uint32_t bits = static_cast<uint32_t>(arg.Number());
            bool negative = conv == L'd' && static_cast<int32_t>(bits) < 0;
            AppendUnsigned(field, negative ? 0u - bits : bits, conv == L'd' || conv == L'u' ? 10 : 16, conv == L'X');
            if (zeros && conv != L's')
                while (field.size() + (negative ? 1 : 0) < width) field.insert(field.begin(), L'0');
            if (negative) field.insert(field.begin(), L'-');
        }
        if (field.size() < width) out.append(width - field.size(), L' ');
        out += field;
    }
    return out;
}

int ScanHexPair(const wchar_t* text, uint32_t* first, uint32_t* second)
{
    const wchar_t* p = text;
    if (!ScanNumber(p, 16, first)) return 0;
    if (*p != L',') return 1;
    ++p;
    if (!ScanNumber(p, 16, second)) return 1;
    return 2;
}

int ScanDecimal(const wchar_t* text, int32_t* value)
{
    const wchar_t* p = text;
    uint32_t bits = 0;
    if (!ScanNumber(p, 10, &bits)) return 0;
    *value = static_cast<int32_t>(bits);
    return 1;
}

std::u16string ToUtf16(const std::wstring& text)
{
    std::u16string out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        uint32_t u = static_cast<uint32_t>(c);
        if (u >= 0x10000 && u <= 0x10FFFF) {
            u -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (u >> 10));
            out += static_cast<char16_t>(0xDC00 + (u & 0x3FF));
        } else {
            out += static_cast<char16_t>(u > 0x10FFFF ? 0xFFFD : u);
        }
    }
    return out;
}

std::wstring FromUtf16(const char16_t* text, size_t length)
{
    std::wstring out;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        uint32_t u = text[i];
        if (sizeof(wchar_t) == 4 && u >= 0xD800 && u < 0xDC00 && i + 1 < length &&
            text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            u = 0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        }
        out += static_cast<wchar_t>(u);
    }
    return out;
}

std::wstring FromUtf16Bytes(const uint8_t* bytes, size_t length)
{
    std::u16string units(length / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return FromUtf16(units.data(), units.size());
}

std::string ToUtf8(const std::wstring& text)
{
    std::u16string units = ToUtf16(text);
    std::string out;
    out.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        uint32_t u = units[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            u = 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
            ++i;
        } else if (u >= 0xD800 && u < 0xE000) {
            u = 0xFFFD;
        }
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else if (u < 0x10000) {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (u >> 18));
            out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

std::wstring FromUtf8(const std::string& text)
{
    std::u16string units;
    units.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i++]);
        size_t extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 4;
        uint32_t u = extra == 0 ? c : extra == 4 ? 0xFFFD : (c & (0x3Fu >> extra));
        for (size_t k = 0; k < extra && extra < 4; ++k) {
            unsigned char t = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
            if ((t >> 6) != 2) {  // truncated sequence: replace what was seen
                u = 0xFFFD;
                break;
            }
            u = (u << 6) | (t & 0x3F);
            ++i;
        }
        if (u >= 0x10000 && u <= 0x10FFFF) {
            u -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (u >> 10));
            units += static_cast<char16_t>(0xDC00 + (u & 0x3FF));
        } else {
            units += static_cast<char16_t>(u > 0x10FFFF ? 0xFFFD : u);
        }
    }
    return FromUtf16(units.data(), units.size());
}


bool EqualsNoCase(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}
