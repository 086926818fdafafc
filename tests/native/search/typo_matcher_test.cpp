#include "search/typo_matcher.h"
#include <gtest/gtest.h>
#include <string>

namespace qv {
namespace {

struct TypoCase {
    const char* name;
    int separation;
    std::string text;
    std::string pattern;
    bool found;
    int typos; // checked only when found
};

void PrintTo(const TypoCase& c, std::ostream* os) {
    *os << c.name;
}

class TypoMatcherTable : public ::testing::TestWithParam<TypoCase> {};

TEST_P(TypoMatcherTable, FindsWithTheExpectedCorrections) {
    const TypoCase& c = GetParam();
    CTypoMatcher matcher(c.separation);
    EXPECT_EQ(matcher.Match(c.text.c_str(), c.pattern.c_str()), c.found)
        << "pattern '" << c.pattern << "' in '" << c.text << "' at separation " << c.separation;
    if (c.found) {
        EXPECT_EQ(matcher.GetTypoCount(), c.typos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TypoMatcherTable,
    ::testing::Values(
        TypoCase{"Transposition", 2, "receive", "recieve", true, 1},
        TypoCase{"ExtraCharInText", 2, "receive", "receve", true, 1},
        TypoCase{"CharMissingFromText", 2, "receive", "receivve", true, 1},
        TypoCase{"Substitution", 2, "receive", "receibe", true, 1},
        TypoCase{"TranspositionBeforeBlank", 2, "the cat", "teh cat", true, 1},
        TypoCase{"TextBlankIsExtraChar", 2, "hello world", "helloworld", true, 1},
        TypoCase{"MissingBlank", 2, "helloworld", "hello world", true, 1},
        TypoCase{"StrayCharBeforeBlank", 2, "hellox world", "hello world", true, 1},
        TypoCase{"LastCharMissingAtTextEnd", 2, "hello", "hellos", true, 1},
        TypoCase{"LastCharMissingAtWordEnd", 2, "hello there", "hellos", true, 1},
        TypoCase{"TwoSubstitutionsTwoApart", 2, "receive", "rexeibe", true, 2},
        TypoCase{"TwoSubstitutionsOneApart", 2, "receive", "rexexve", false, 0},
        TypoCase{"TwoSubstitutionsOneApartLowSeparation", 1, "receive", "rexexve", true, 2},
        TypoCase{"EightApartAtSeparationNine", 9, "abcdefghijklm", "XbcdefghiY", false, 0},
        TypoCase{"NineApartAtSeparationNine", 9, "abcdefghijklm", "XbcdefghijY", true, 2},
        TypoCase{"OneCharPatternNeverCorrected", 2, "a", "b", false, 0},
        TypoCase{"TwoCharPatternNeedsNeighbour", 2, "xyz", "ab", false, 0},
        TypoCase{"ExactMatchNeedsNoCorrection", 2, "HELLO\r\n\tWorld", "hello world", true, 0},
        // The blank in front of HELLO is taken as an extra character: the first start position
        // that succeeds decides, not the cheapest alignment.
        TypoCase{"EarliestStartWins", 2, "Say HELLO\r\n\tWorld", "hello world", true, 1},
        TypoCase{"LeadingSpaceWithoutBlankCostsOne", 2, "word", " word", true, 1},
        TypoCase{"LeadingSpaceBeforeBlankIsFree", 2, " word", " word", true, 0},
        TypoCase{"AccentedLetterIsACorrection", 2, "CAF\xC9", "caf\xE9", true, 1},
        TypoCase{"AccentedOneCharPattern", 2, "\xC9", "\xE9", false, 0},
        TypoCase{"PatternTabIsOrdinaryChar", 2, "a b", "a\tb", true, 1},
        TypoCase{"EmptyPatternInEmptyText", 2, "", "", true, 0},
        TypoCase{"EmptyPatternNotInText", 2, "abc", "", false, 0},
        TypoCase{"PatternNotInEmptyText", 2, "", "ab", false, 0}),
    [](const ::testing::TestParamInfo<TypoCase>& info) { return info.param.name; });

struct SeparationCase {
    int given;
    int used;
};

class TypoSeparation : public ::testing::TestWithParam<SeparationCase> {};

// 'rexeibe' needs a separation of at most 2 and 'rexexve' fails from 2 up, so the pair pins the
// separation actually used to 2 when it must be 2.
TEST_P(TypoSeparation, OutOfRangeBecomesTwo) {
    const SeparationCase& c = GetParam();
    CTypoMatcher matcher(c.given);
    EXPECT_EQ(matcher.Separation(), c.used);
    EXPECT_EQ(matcher.GetTypoCount(), 0);
    EXPECT_EQ(matcher.Match("receive", "rexeibe"), c.used <= 2);
    EXPECT_EQ(matcher.Match("receive", "rexexve"), c.used <= 1);
}

INSTANTIATE_TEST_SUITE_P(Values, TypoSeparation,
                         ::testing::Values(SeparationCase{0, 2}, SeparationCase{10, 2},
                                           SeparationCase{-5, 2}, SeparationCase{1, 1},
                                           SeparationCase{9, 9}, SeparationCase{2, 2}));

TEST(TypoMatcher, MissingArgumentsNeverMatch) {
    CTypoMatcher matcher(2);
    EXPECT_FALSE(matcher.Match(nullptr, "ab"));
    EXPECT_FALSE(matcher.Match("ab", nullptr));
    EXPECT_EQ(matcher.GetTypoCount(), 0);
}

TEST(TypoMatcher, CountFollowsTheLatestCall) {
    CTypoMatcher matcher(2);
    ASSERT_TRUE(matcher.Match("rexeibe", "receive"));
    EXPECT_EQ(matcher.GetTypoCount(), 2);
    ASSERT_TRUE(matcher.Match("receive", "receive"));
    EXPECT_EQ(matcher.GetTypoCount(), 0);
}

} // namespace
} // namespace qv
