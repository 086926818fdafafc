#include "win32_rtf_ascii.h"
#include <cstdint>
#include <cstdio>

namespace qv::platform::win32 {

namespace {

constexpr char kUtf8Header[] = "{\\urtf";

// The code point of the valid UTF-8 sequence at text[i] and its length; 0 when there is none.
std::size_t DecodeAt(const std::string& text, std::size_t i, char32_t& c) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || text.size() - i < length)
        return 0;
    c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

// \uN takes a signed 16-bit N, followed by the one fallback character of \uc1.
void AppendUnit(std::string& out, char16_t unit) {
    out += "\\u" + std::to_string(static_cast<int>(static_cast<std::int16_t>(unit))) + "?";
}

} // namespace

std::string AsciiRtf(const std::string& rtf) {
    std::string out;
    out.reserve(rtf.size() + rtf.size() / 8);
    std::size_t i = 0;
    if (rtf.compare(0, sizeof kUtf8Header - 1, kUtf8Header) == 0) {
        out = "{\\rtf1\\ansi\\uc1";
        i = sizeof kUtf8Header - 1;
        while (i < rtf.size() && rtf[i] >= '0' && rtf[i] <= '9')
            ++i; // a version number, if one was written
    }
    while (i < rtf.size()) {
        const auto byte = static_cast<unsigned char>(rtf[i]);
        if (byte < 0x80) {
            out += rtf[i++];
            continue;
        }
        char32_t c = 0;
        if (const std::size_t length = DecodeAt(rtf, i, c)) {
            if (c < 0x10000) {
                AppendUnit(out, char16_t(c));
            } else {
                AppendUnit(out, char16_t(0xD800 + ((c - 0x10000) >> 10)));
                AppendUnit(out, char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
            }
            i += length;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\'%02x", byte);
            out += escape;
            ++i;
        }
    }
    return out;
}

} // namespace qv::platform::win32
