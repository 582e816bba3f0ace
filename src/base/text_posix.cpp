#include "base/text.h"

// The native build has no system code page: Windows-1252 stands in for it.
namespace {

// Windows-1252's 0x80..0x9F; the rest of the page matches Latin-1.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::wstring AnsiToWide(const char* text, size_t length)
{
    std::wstring out;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        out += static_cast<wchar_t>(c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c);
    }
    return out;
}

std::string WideToAnsi(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t w : text) {
        uint32_t u = static_cast<uint32_t>(w);
        char c = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            c = static_cast<char>(u);
        } else {
            for (int k = 0; k < 32; ++k)
                if (kCp1252High[k] == u) c = static_cast<char>(0x80 + k);
        }
        out += c;
    }
    return out;
}
