#include "support/text_fixtures.h"

namespace qv::test {

std::string MakeText(std::size_t n, std::uint32_t seed) {
    std::string text;
    text.reserve(n);
    std::uint32_t x = seed * 2654435761u + 1;
    std::size_t column = 0;
    while (text.size() < n) {
        x = x * 1664525u + 1013904223u;
        if (column >= 70 && text.size() + 2 <= n) {
            text += "\r\n";
            column = 0;
            continue;
        }
        const unsigned r = (x >> 24) % 32;
        text += r < 26 ? char('a' + r) : ' ';
        ++column;
    }
    return text;
}

std::string HighBytesText() {
    std::string text = "high:";
    for (int c = 0x80; c <= 0xFF; ++c)
        text += char(c);
    return text + ":end";
}

std::string UnicodeText() {
    return "Gr\xC3\xBC\xC3\x9F"
           "e \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE2\x9C\x93 \xF0\x9F\x98\x80";
}

} // namespace qv::test
