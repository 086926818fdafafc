// The real matchers against the plain reference versions on many random cases.
#include "history/plain_text.h"
#include "reference/matchers_reference.h"
#include "search/exact_matcher.h"
#include "search/search_pattern.h"
#include "search/typo_matcher.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace qv {
namespace {

// Few distinct bytes, so that matches and near matches are common: blanks, both cases of a few
// letters, a dot (the list text's marker) and an accented letter in both cases.
constexpr char kAlphabet[] = {' ', '\t', '\r', '\n', 'a', 'b', 'c', 'A', 'B', '.', '\xE9', '\xC9'};

class Generator {
  public:
    explicit Generator(std::uint32_t seed) : rng_(seed) {}

    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    std::string Text(std::size_t length) {
        std::string s(length, ' ');
        for (char& c : s)
            c = kAlphabet[Uniform(0, sizeof kAlphabet - 1)];
        return s;
    }

    // A pattern that is often a slightly damaged piece of the text, else random.
    std::string Pattern(const std::string& text) {
        const std::size_t length =
            static_cast<std::size_t>(Uniform(0, 9) == 0 ? Uniform(8, 20) : Uniform(0, 7));
        if (text.size() < length || Uniform(0, 2) == 0)
            return Text(length);
        std::string p =
            text.substr(static_cast<std::size_t>(Uniform(0, int(text.size() - length))), length);
        if (!p.empty() && Uniform(0, 1))
            p[static_cast<std::size_t>(Uniform(0, int(p.size()) - 1))] =
                kAlphabet[Uniform(0, sizeof kAlphabet - 1)];
        return p;
    }

  private:
    std::mt19937 rng_;
};

::testing::AssertionResult Agrees(const CTextMatcher& matcher, bool found,
                                  const reference::MatchResult& expected, const std::string& text,
                                  const std::string& pattern, int separation) {
    if (found == expected.found && matcher.GetTypoCount() == expected.typoCount)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "text '" << text << "' pattern '" << pattern << "' separation " << separation
           << ": found " << found << " with " << matcher.GetTypoCount() << " typos, reference "
           << expected.found << " with " << expected.typoCount;
}

TEST(MatcherDifferential, ShortTextsAgreeWithReference) {
    Generator gen(20240611);
    CExactMatcher exact;
    for (int n = 0; n < 100000; ++n) {
        const std::string text = gen.Text(static_cast<std::size_t>(gen.Uniform(0, 120)));
        const std::string pattern = gen.Pattern(text);
        const int separation = gen.Uniform(-1, 10);
        CTypoMatcher typo(separation);

        const bool exactFound = exact.Match(text.c_str(), pattern.c_str());
        ASSERT_TRUE(Agrees(exact, exactFound, reference::ExactMatch(text, pattern), text, pattern,
                           separation));
        const bool typoFound = typo.Match(text.c_str(), pattern.c_str());
        ASSERT_TRUE(Agrees(typo, typoFound, reference::TypoMatch(text, pattern, separation), text,
                           pattern, separation));
    }
}

// Item texts around the 500-character list limit, in the split form and in other shapes of list
// text, including zero bytes that end the joined string early.
TEST(MatcherDifferential, ItemTextsAgreeWithReferenceOnTheJoinedText) {
    Generator gen(77);
    for (int n = 0; n < 4000; ++n) {
        std::string listText;
        std::string overflow;
        const int shape = gen.Uniform(0, 3);
        if (shape <= 1) {
            const std::size_t length = static_cast<std::size_t>(gen.Uniform(480, 540));
            std::string plain = gen.Text(length);
            if (shape == 1)
                plain[static_cast<std::size_t>(gen.Uniform(0, int(length) - 1))] = '\0';
            SplitText split = SplitPlainText(plain);
            listText = std::move(split.listText);
            overflow = std::move(split.overflowText);
        } else {
            listText = gen.Text(static_cast<std::size_t>(gen.Uniform(495, 510)));
            overflow = gen.Text(static_cast<std::size_t>(gen.Uniform(0, 20)));
        }
        const std::string joined = JoinPlainText(listText, overflow);
        // Patterns taken from near the join, where the pieces meet.
        const std::size_t from = std::min<std::size_t>(joined.size(), 490);
        const std::string pattern = gen.Pattern(joined.substr(from, 25));
        const bool allowTypos = gen.Uniform(0, 1) == 1;
        const int separation = gen.Uniform(1, 3);

        SearchPattern search(pattern, allowTypos, separation);
        const bool found = ItemMatches(search, listText, overflow);
        const reference::MatchResult expected =
            allowTypos ? reference::TypoMatch(joined, pattern, separation)
                       : reference::ExactMatch(joined, pattern);
        ASSERT_TRUE(Agrees(search.Matcher(), found, expected, joined, pattern, separation));
    }
}

// Matches deep into a long pattern, placed across the text so that they fall at every place of the
// blocks the matcher scans: a correction just before a trailing pattern space, or a last
// character that goes missing, must not make it skip the start.
TEST(MatcherDifferential, DeepMatchesAtEveryPlaceOfALongText) {
    struct Case {
        const char* pattern;
        const char* found; // the piece of text it finds
        int separation;
    };
    const Case cases[] = {
        {"abcabX ", "abcaba\tZ", 2},   // substitution, then a space that takes a tab
        {"abcabcaX ", "abcabcaXZ", 9}, // exact to the space, which goes missing
        {"abcabXcd", "abcabYcd", 2},   // substitution in the middle
        {"abcaXbcd", "abcabcd.", 1},   // an extra character in the pattern
        {"abcabcaXd", "abcabcaX", 2},  // the last character replaced
    };
    for (const Case& c : cases) {
        for (std::size_t at = 0; at < 70; ++at) {
            std::string text(at, '.');
            text += c.found;
            text += std::string(70, '.');
            CTypoMatcher typo(c.separation);
            const bool found = typo.Match(text.c_str(), c.pattern);
            ASSERT_TRUE(Agrees(typo, found, reference::TypoMatch(text, c.pattern, c.separation),
                               text, c.pattern, c.separation));
            EXPECT_TRUE(found) << c.pattern << " at " << at;
        }
    }
}

// Long patterns with few blanks, taken from long texts and damaged by a few typing errors, so that
// near matches many characters deep are common: the start positions the matcher skips without
// trying them must all be ones that fail.
TEST(MatcherDifferential, LongWordPatternsWithSeveralTyposAgreeWithReference) {
    Generator gen(4242);
    constexpr char kLetters[] = {'a', 'b', 'c', 'A', 'B', 'e', '.'};
    const auto letter = [&] { return kLetters[gen.Uniform(0, sizeof kLetters - 1)]; };
    for (int n = 0; n < 20000; ++n) {
        std::string text(static_cast<std::size_t>(gen.Uniform(40, 200)), ' ');
        for (char& c : text)
            c = gen.Uniform(0, 15) == 0 ? ' ' : letter();
        const std::size_t length = static_cast<std::size_t>(gen.Uniform(6, 12));
        std::string pattern = text.substr(
            static_cast<std::size_t>(gen.Uniform(0, int(text.size() - length))), length);
        for (int edits = gen.Uniform(0, 3); edits > 0; --edits) {
            const std::size_t at =
                static_cast<std::size_t>(gen.Uniform(0, int(pattern.size()) - 2));
            switch (gen.Uniform(0, 3)) {
            case 0:
                pattern[at] = letter();
                break;
            case 1:
                pattern.insert(at, 1, letter());
                break;
            case 2:
                pattern.erase(at, 1);
                break;
            default:
                std::swap(pattern[at], pattern[at + 1]);
                break;
            }
        }
        const int separation = gen.Uniform(1, 9);
        CTypoMatcher typo(separation);
        const bool found = typo.Match(text.c_str(), pattern.c_str());
        ASSERT_TRUE(Agrees(typo, found, reference::TypoMatch(text, pattern, separation), text,
                           pattern, separation));
    }
}

} // namespace
} // namespace qv
