#include "search/typo_matcher.h"
#include "search/match_chars.h"
#include "search/text_scan.h"
#include <cstring>

namespace qv {

using match::Fits;
using match::IsBlank;
using match::Same;

namespace {

// The run count a start position and every pattern space begin with: above any separation, so
// that the first correction, and the first after a blank, is always allowed.
constexpr int kFreshRun = 9;

// Runs the alignment from start position s; typos receives the corrections it counted.
template <class Text>
bool MatchesAt(const Text& text, std::size_t s, const unsigned char* pattern, bool isLong,
               int separation, int& typos) {
    std::size_t i = s;
    std::size_t j = 0;
    int run = kFreshRun;
    typos = 0;
    // text.At(i) is never the end inside the loop: every step that reaches it leaves the loop.
    while (pattern[j] != 0) {
        const unsigned char d = text.At(i);
        const unsigned char e = pattern[j];
        if (e == ' ') {
            if (run >= separation && !IsBlank(d) && IsBlank(text.At(i + 1))) {
                ++typos; // one stray character in front of a blank
                ++i;
            }
            const std::size_t before = i;
            while (IsBlank(text.At(i)))
                ++i;
            if (i == before)
                ++typos; // a missing blank
            run = kFreshRun;
            ++j;
        } else if (Same(d, e)) {
            ++run;
            ++i;
            ++j;
        } else {
            if (!isLong || run < separation)
                break;
            // Look-ahead never passes an end: past an end everything reads as the end.
            const unsigned char f = text.At(i + 1);
            const unsigned char f2 = f != 0 ? text.At(i + 2) : 0;
            const unsigned char g = pattern[j + 1];
            const unsigned char g2 = g != 0 ? pattern[j + 2] : 0;
            if (Same(d, g) && Same(f, e) && Fits(f2, g2)) { // transposition
                i += 2;
                j += 2;
                run = 0;
            } else if (Same(f, e) && Fits(f2, g)) { // extra character in the text
                i += 2;
                j += 1;
                run = 1;
            } else if (Same(d, g) && Fits(f, g2)) { // character missing from the text
                i += 1;
                j += 2;
                run = 1;
            } else if (Fits(f, g)) { // substitution
                i += 1;
                j += 1;
                run = 0;
            } else {
                break;
            }
            ++typos;
        }
        if (text.At(i) == 0)
            break;
    }
    if (pattern[j] == 0)
        return true;
    // The pattern's last character missing where a word or the text ends.
    const unsigned char c = text.At(i);
    if (isLong && run >= separation && pattern[j + 1] == 0 && (IsBlank(c) || c == 0)) {
        ++typos;
        return true;
    }
    return false;
}

} // namespace

CTypoMatcher::CTypoMatcher(int separation)
    : separation_(separation >= 1 && separation <= 9 ? separation : 2) {}

bool CTypoMatcher::Match(const char* text, const char* pattern) {
    if (text == nullptr || pattern == nullptr) {
        typoCount_ = 0;
        return false;
    }
    return MatchView(TextView(std::string_view(text, std::strlen(text))), pattern);
}

template <class Filter>
bool CTypoMatcher::Search(const TextView& text, const unsigned char* pattern,
                          const Filter& filter) {
    const bool isLong = pattern[1] != 0;
    int typos = 0;
    const auto test = [&](const auto& t, std::size_t s) {
        return MatchesAt(t, s, pattern, isLong, separation_, typos);
    };
    // The count belongs to the text's last start position, which the filter may skip: its
    // test fails, but may count corrections before failing.
    std::size_t lastTried = 0;
    bool triedAny = false;
    match::StartScanner<Filter> starts(text, filter);
    for (std::size_t s = 0; starts.Next(s);) {
        const bool found = match::AtStart(text, s, test);
        typoCount_ = typos;
        if (found)
            return true;
        lastTried = s;
        triedAny = true;
    }
    const std::size_t end = starts.End();
    if (end > 0 && (!triedAny || lastTried != end - 1)) {
        match::AtStart(text, end - 1, test);
        typoCount_ = typos;
    }
    return false;
}

bool CTypoMatcher::MatchView(const TextView& text, const char* patternChars) {
    typoCount_ = 0;
    if (const std::optional<bool> decided = DecidedBeforeMatching(text, patternChars))
        return *decided;
    const auto* pattern = reinterpret_cast<const unsigned char*>(patternChars);
    // A leading space is consumed at every position; nothing narrows the start positions.
    if (pattern[0] == ' ')
        return Search(text, pattern, match::AnyStart());
    const bool isLong = pattern[1] != 0;
    if (!isLong) {
        // A one-character pattern is never corrected.
        const std::size_t atStart = 0;
        return Search(text, pattern, match::OffsetBytesFilter(pattern, &atStart, 1));
    }
    // How many of the pattern's first characters are neither blanks nor the end.
    int word = 0;
    while (word < 5 && pattern[word] != 0 && !IsBlank(pattern[word]))
        ++word;
    if (word == 5 && separation_ >= 2)
        return Search(text, pattern, match::TypoChainFilter(pattern, 5, false));
    if (word >= 4)
        return Search(text, pattern, match::TypoChainFilter(pattern, 4, separation_ == 1));
    // The first step needs text[s] or text[s + 1] to equal one of the first two pattern
    // characters; a blank second character also takes a blank or the end.
    const bool blankSecond = IsBlank(pattern[1]);
    const unsigned char nearBytes[] = {pattern[0], pattern[1], ' ', '\t', '\n', '\r'};
    const auto near = match::NearSetFilter(nearBytes, blankSecond ? 6 : 2, blankSecond);
    return Search(text, pattern, near);
}

} // namespace qv
