#include "history/ascii_text.h"
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qv {

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

std::uint64_t Word(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

#if defined(__SSE2__)
__m128i Block(const char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
#endif

} // namespace

bool IsAscii(std::string_view text) {
    // A save and a load look at every byte of the file, so the check goes 64 bytes per step with
    // a single test of the high bits OR-ed together.
    const char* p = text.data();
    std::size_t left = text.size();
#if defined(__SSE2__)
    for (; left >= 64; p += 64, left -= 64) {
        const __m128i any = _mm_or_si128(_mm_or_si128(Block(p), Block(p + 16)),
                                         _mm_or_si128(Block(p + 32), Block(p + 48)));
        if (_mm_movemask_epi8(any) != 0)
            return false;
    }
#endif
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
