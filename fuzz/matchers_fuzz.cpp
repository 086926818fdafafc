// Differential target: the real matchers, on whole strings and on item texts in list and overflow
// form, must agree with the plain reference versions in result and typo count.
#include "history/plain_text.h"
#include "reference/matchers_reference.h"
#include "search/exact_matcher.h"
#include "search/search_pattern.h"
#include "search/typo_matcher.h"
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Blanks, both cases of a few letters, the marker's dot, an accented letter in both cases and a
// zero byte (which ends a zero-terminated text early).
constexpr char kAlphabet[] = {' ', '\t', '\r',   '\n',   'a', 'b', 'c',  'A',
                              'B', '.',  '\xE9', '\xC9', 'a', 'e', '\0', ' '};

char Letter(std::uint8_t byte) {
    return kAlphabet[byte % sizeof kAlphabet];
}

void Check(bool ok, const char* what, const std::string& text, const std::string& pattern) {
    if (ok)
        return;
    std::fprintf(stderr, "%s disagrees: text of %zu bytes, pattern of %zu bytes\n", what,
                 text.size(), pattern.size());
    std::abort();
}

bool Same(const qv::CTextMatcher& matcher, bool found, const qv::reference::MatchResult& expected) {
    return found == expected.found && matcher.GetTypoCount() == expected.typoCount;
}

} // namespace

// Input: a control byte, a pattern length byte, then pattern and text bytes mapped onto the
// alphabet.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t control = data[0];
    const std::size_t patternLength = std::min<std::size_t>(data[1] % 12, size - 2);
    std::string pattern;
    for (std::size_t k = 0; k < patternLength; ++k)
        pattern += Letter(data[2 + k]);
    std::string text;
    for (std::size_t k = 2 + patternLength; k < size; ++k)
        text += Letter(data[k]);
    const int separation = static_cast<int>(control % 12) - 1; // -1 to 10

    qv::CExactMatcher exact;
    qv::CTypoMatcher typo(separation);
    Check(Same(exact, exact.Match(text.c_str(), pattern.c_str()),
               qv::reference::ExactMatch(text, pattern)),
          "exact matcher", text, pattern);
    Check(Same(typo, typo.Match(text.c_str(), pattern.c_str()),
               qv::reference::TypoMatch(text, pattern, separation)),
          "typo matcher", text, pattern);

    // The same text as an item: repeated up to a length near the list text limit so that the
    // input's bytes meet the join, then split as a capture would.
    if (!text.empty()) {
        std::string plain;
        const std::size_t length = 490 + (control >> 4) * 2;
        while (plain.size() < length)
            plain += text;
        plain.resize(length);
        plain += text;
        const qv::SplitText split = qv::SplitPlainText(plain);
        const std::string joined = qv::JoinPlainText(split.listText, split.overflowText);
        const bool allowTypos = (control & 0x08) != 0;
        qv::SearchPattern search(pattern, allowTypos, separation);
        const bool found = qv::ItemMatches(search, split.listText, split.overflowText);
        Check(Same(search.Matcher(), found,
                   allowTypos ? qv::reference::TypoMatch(joined, pattern, separation)
                              : qv::reference::ExactMatch(joined, pattern)),
              "item search", joined, pattern);
    }
    return 0;
}
