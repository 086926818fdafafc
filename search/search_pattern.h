// The pattern and matcher of one search run over the History list.
#pragma once
#include "search/text_matcher.h"
#include <memory>
#include <string>

namespace qv {

// The typo matcher with the given separation when typos are allowed, else the exact matcher.
// Throws std::bad_alloc when memory runs out.
std::unique_ptr<CTextMatcher> MakeMatcher(bool allowTypos, int separation);

// Built once per search run and used for every item of it.
class SearchPattern {
  public:
    // pattern is the Search field's text exactly as typed. Throws std::bad_alloc when memory runs
    // out; the search run catches it.
    SearchPattern(std::string pattern, bool allowTypos, int separation);

    const std::string& Text() const { return pattern_; }
    CTextMatcher& Matcher() const { return *matcher_; }

  private:
    std::string pattern_;
    std::unique_ptr<CTextMatcher> matcher_;
};

// Whether the pattern occurs in the item's whole plain text, given as the list line's text and
// the item's overflow text: the result Match gives on JoinPlainText(listText, overflowText),
// without building that string. Allocates nothing.
bool ItemMatches(const SearchPattern& pattern, const std::string& listText,
                 const std::string& overflowText);

} // namespace qv
