#include "history/plain_text.h"
#include "search/item_text.h"
#include "search/search_pattern.h"
#include "search/typo_matcher.h"
#include "support/text_fixtures.h"
#include <gtest/gtest.h>
#include <string>

namespace qv {
namespace {

std::string Spell(const TextView& view) {
    std::string s;
    for (std::size_t i = 0; i < view.Size(); ++i)
        s += static_cast<char>(view.At(i));
    return s;
}

struct ShapeCase {
    const char* name;
    std::string listText;
    std::string overflowText;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.name;
}

class ItemTextShapes : public ::testing::TestWithParam<ShapeCase> {};

// The view must hold exactly the bytes JoinPlainText builds, for every shape of list text the
// data file or a merge can produce, not only the ones SplitPlainText makes.
TEST_P(ItemTextShapes, ViewSpellsTheJoinedText) {
    const ShapeCase& c = GetParam();
    const TextView view = ItemTextView(c.listText, c.overflowText);
    EXPECT_EQ(Spell(view), JoinPlainText(c.listText, c.overflowText));
    EXPECT_EQ(view.At(view.Size()), 0);
}

const std::string k500 = test::MakeText(500, 3);

INSTANTIATE_TEST_SUITE_P(Shapes, ItemTextShapes,
                         ::testing::Values(ShapeCase{"ShortNoOverflow", "short text", ""},
                                           ShapeCase{"EmptyBoth", "", ""},
                                           ShapeCase{"DotsKeptWithoutOverflow", k500 + "...", ""},
                                           ShapeCase{"SplitForm", k500 + "...", "overflow part"},
                                           ShapeCase{"ShortListWithOverflow", "short", "more"},
                                           ShapeCase{"ListWithinMarker", k500 + "..", "more"},
                                           ShapeCase{"ListBeyondMarker", k500 + "...tail", "more"},
                                           ShapeCase{"ExactlyLimitWithOverflow", k500, "more"},
                                           ShapeCase{"CutBeforeACharacter",
                                                     k500.substr(0, 498) + "...", "\xC3\xA9 more"}),
                         [](const ::testing::TestParamInfo<ShapeCase>& info) {
                             return info.param.name;
                         });

struct ItemCase {
    const char* name;
    std::size_t at; // where the needle is placed in the plain text
    std::string needle;
    std::string pattern;
    bool allowTypos;
    bool found;
};

void PrintTo(const ItemCase& c, std::ostream* os) {
    *os << c.name;
}

class ItemMatching : public ::testing::TestWithParam<ItemCase> {};

// Plain text of 2000 letters and blanks, with a needle written over it at a chosen place.
TEST_P(ItemMatching, SameAsMatchOnTheJoinedText) {
    const ItemCase& c = GetParam();
    std::string plain(2000, 'z');
    for (std::size_t i = 0; i < plain.size(); i += 7)
        plain[i] = ' ';
    plain.replace(c.at, c.needle.size(), c.needle);
    const SplitText split = SplitPlainText(plain);
    ASSERT_FALSE(split.overflowText.empty());

    SearchPattern search(c.pattern, c.allowTypos, 2);
    EXPECT_EQ(ItemMatches(search, split.listText, split.overflowText), c.found);
    const int typosOnView = search.Matcher().GetTypoCount();

    SearchPattern joined(c.pattern, c.allowTypos, 2);
    const std::string whole = JoinPlainText(split.listText, split.overflowText);
    ASSERT_EQ(whole, plain);
    EXPECT_EQ(joined.Matcher().Match(whole.c_str(), c.pattern.c_str()), c.found);
    EXPECT_EQ(typosOnView, joined.Matcher().GetTypoCount());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemMatching,
    ::testing::Values(
        ItemCase{"InListText", 100, "needle", "needle", false, true},
        ItemCase{"StraddlesJoin", 497, "needle", "needle", false, true},
        ItemCase{"PairAcrossJoin", 499, "needle", "needle", false, true},
        ItemCase{"StartsAtJoin", 500, "needle", "needle", false, true},
        ItemCase{"BeyondFiveHundred", 1500, "needle", "needle", false, true},
        ItemCase{"AtTextEnd", 1994, "needle", "needle", false, true},
        ItemCase{"MarkerIsNotText", 490, "abcdefghij", "j...", false, false},
        ItemCase{"MarkerIsNotTextTypo", 490, "abcdefghij", "hij...", true, false},
        ItemCase{"BlankRunAcrossJoin", 495, "word \t\r\n more", "word more", false, true},
        ItemCase{"TranspositionAcrossJoin", 495, "abcdefghij", "abcdfeghij", true, true},
        ItemCase{"ExtraCharAtJoin", 495, "abcdeXfghij", "abcdefghij", true, true},
        ItemCase{"TypoBeyondFiveHundred", 1200, "receive", "recieve", true, true},
        ItemCase{"LastCharMissingAtTextEnd", 1995, "hello", "hellos", true, true},
        ItemCase{"Absent", 0, "", "needle", false, false},
        ItemCase{"AbsentTypo", 0, "", "needle", true, false}),
    [](const ::testing::TestParamInfo<ItemCase>& info) { return info.param.name; });

TEST(ItemMatching, ListTextAloneWhenNoOverflow) {
    SearchPattern search("...", false, 2);
    EXPECT_TRUE(ItemMatches(search, "wait...", ""));
    EXPECT_FALSE(ItemMatches(search, "", ""));
    SearchPattern empty("", false, 2);
    EXPECT_TRUE(ItemMatches(empty, "", ""));
    EXPECT_FALSE(ItemMatches(empty, "x", ""));
}

TEST(ItemMatching, ZeroByteEndsTheTextAsInTheJoinedString) {
    const std::string list = k500 + "...";
    const std::string overflow = std::string("ab\0needle", 9);
    SearchPattern search("needle", false, 2);
    EXPECT_FALSE(ItemMatches(search, list, overflow));
    SearchPattern before("ab", false, 2);
    EXPECT_TRUE(ItemMatches(before, list, overflow));
}

TEST(SearchPatternChoice, MatcherFollowsTheSettings) {
    SearchPattern exact("recieve", false, 2);
    EXPECT_FALSE(ItemMatches(exact, "receive", ""));
    SearchPattern typo("recieve", true, 0);
    EXPECT_TRUE(ItemMatches(typo, "receive", ""));
    ASSERT_NE(dynamic_cast<CTypoMatcher*>(&typo.Matcher()), nullptr);
    EXPECT_EQ(dynamic_cast<CTypoMatcher&>(typo.Matcher()).Separation(), 2);
    EXPECT_EQ(typo.Text(), "recieve");
}

TEST(SearchPatternChoice, PatternIsUsedAsTyped) {
    SearchPattern search(" b ", false, 2);
    EXPECT_TRUE(ItemMatches(search, "a b c", ""));
    EXPECT_FALSE(ItemMatches(search, "a b", "")); // the trailing space needs a following char
}

} // namespace
} // namespace qv
