#include "text/utf8_boundaries.h"
#include <gtest/gtest.h>
#include <string>

namespace qv {
namespace {

TEST(CharacterBoundary, NeverCutsAMultiByteSequence) {
    // "\xC3\xA9" is e-acute, "\xE6\x97\xA5" a CJK character, "\xF0\x9F\x98\x80" an emoji.
    const struct {
        std::string text;
        std::size_t limit, boundary;
    } cases[] = {
        {"abc", 2, 2},
        {"abc", 9, 3},
        {"a\xC3\xA9", 2, 1},
        {"a\xC3\xA9", 3, 3},
        {"\xE6\x97\xA5", 1, 0},
        {"\xE6\x97\xA5", 2, 0},
        {"\xE6\x97\xA5x", 3, 3},
        {"\xF0\x9F\x98\x80", 3, 0},
        {"\xF0\x9F\x98\x80!", 4, 4},
        {"\x80\x80\x80\x80\x80", 4, 4}, // not UTF-8: any byte boundary
        {"", 5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CharacterBoundary(c.text, c.limit), c.boundary) << c.text << " " << c.limit;
}

TEST(CharactersPrefix, CountsCharactersAndNeverCutsOneInTwo) {
    const std::string mixed = "a\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80"
                              "b"; // 1 + 2 + 3 + 4 + 1 bytes
    const struct {
        std::size_t characters, bytes;
    } cases[] = {{0, 0}, {1, 1}, {2, 3}, {3, 6}, {4, 10}, {5, 11}, {6, 11}, {1000, 11}};
    for (const auto& c : cases)
        EXPECT_EQ(CharactersPrefix(mixed, c.characters), c.bytes) << c.characters;
    EXPECT_EQ(CharactersPrefix("", 3), 0u);
}

} // namespace
} // namespace qv
