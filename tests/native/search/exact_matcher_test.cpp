#include "search/exact_matcher.h"
#include <gtest/gtest.h>
#include <string>

namespace qv {
namespace {

struct ExactCase {
    const char* name;
    std::string text;
    std::string pattern;
    bool found;
};

void PrintTo(const ExactCase& c, std::ostream* os) {
    *os << c.name;
}

class ExactMatcherTable : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ExactMatcherTable, FindsExactlyTheListedTexts) {
    const ExactCase& c = GetParam();
    CExactMatcher matcher;
    EXPECT_EQ(matcher.Match(c.text.c_str(), c.pattern.c_str()), c.found)
        << "pattern '" << c.pattern << "' in '" << c.text << "'";
    EXPECT_EQ(matcher.GetTypoCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExactMatcherTable,
    ::testing::Values(ExactCase{"SpaceMatchesRunOfMixedBlanks", "Say HELLO\r\n\tWorld",
                                "hello world", true},
                      ExactCase{"SpaceMatchesZeroBlanks", "helloworld", "hello world", true},
                      ExactCase{"TrailingSpaceNeedsAFollowingChar", "xabc", "abc ", false},
                      ExactCase{"TrailingSpaceBeforeLetter", "abcd", "abc ", true},
                      ExactCase{"TrailingSpaceBeforeTwoSpaces", "abc  ", "abc ", true},
                      ExactCase{"EmptyPatternNotInText", "abc", "", false},
                      ExactCase{"EmptyPatternInEmptyText", "", "", true},
                      ExactCase{"PatternNotInEmptyText", "", "a", false},
                      ExactCase{"HighBytesCompareExactly", "caf\xC9", "caf\xE9", false},
                      ExactCase{"HighBytesEqual", "caf\xE9!", "CAF\xE9", true},
                      ExactCase{"AsciiLettersFold", "xxABCxx", "abc", true},
                      ExactCase{"OnlyLettersFold", "a[b", "a{b", false},
                      ExactCase{"PatternTabMatchesTextTab", "a\tb", "a\tb", true},
                      ExactCase{"PatternTabIsNoBlankRun", "a b", "a\tb", false},
                      ExactCase{"PatternLineFeedIsOrdinary", "a\r\nb", "a\nb", false},
                      ExactCase{"LeadingSpaceMatchesAnywhere", "word", " or", true},
                      ExactCase{"SingleSpaceMatchesAnyText", "x", " ", true},
                      ExactCase{"MatchAtLastPosition", "aaab", "b", true},
                      ExactCase{"PatternLongerThanText", "ab", "abc", false},
                      ExactCase{"NoTypoTolerance", "receive", "recieve", false},
                      ExactCase{"FirstStartFailsLaterSucceeds", "aab aabc", "aabc", true}),
    [](const ::testing::TestParamInfo<ExactCase>& info) { return info.param.name; });

TEST(ExactMatcher, MissingArgumentsNeverMatch) {
    CExactMatcher matcher;
    EXPECT_FALSE(matcher.Match(nullptr, "a"));
    EXPECT_FALSE(matcher.Match("a", nullptr));
    EXPECT_FALSE(matcher.Match(nullptr, nullptr));
    EXPECT_FALSE(matcher.MatchView(TextView("a"), nullptr));
}

TEST(ExactMatcher, DeletedThroughTheBase) {
    CTextMatcher* matcher = new CExactMatcher;
    EXPECT_TRUE(matcher->Match("Hello", "LL"));
    delete matcher;
}

} // namespace
} // namespace qv
