#include "history/ascii_text.h"
#include <cstdint>
#include <cstring>

namespace qv {

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

std::uint64_t Word(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

} // namespace

bool IsAscii(std::string_view text) {
    // Eight bytes at a time, four words per step, with one test per step: a save and a load
    // look at every byte of the file.
    const char* p = text.data();
    std::size_t left = text.size();
    for (; left >= 32; p += 32, left -= 32)
        if ((Word(p) | Word(p + 8) | Word(p + 16) | Word(p + 24)) & kHighBits)
            return false;
    for (; left >= 8; p += 8, left -= 8)
        if (Word(p) & kHighBits)
            return false;
    unsigned char rest = 0;
    for (; left > 0; ++p, --left)
        rest |= static_cast<unsigned char>(*p);
    return (rest & 0x80) == 0;
}

} // namespace qv
