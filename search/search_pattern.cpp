#include "search/search_pattern.h"
#include "search/exact_matcher.h"
#include "search/item_text.h"
#include "search/typo_matcher.h"

namespace qv {

std::unique_ptr<CTextMatcher> MakeMatcher(bool allowTypos, int separation) {
    if (allowTypos)
        return std::make_unique<CTypoMatcher>(separation);
    return std::make_unique<CExactMatcher>();
}

SearchPattern::SearchPattern(std::string pattern, bool allowTypos, int separation)
    : pattern_(std::move(pattern)), matcher_(MakeMatcher(allowTypos, separation)) {}

bool ItemMatches(const SearchPattern& pattern, const std::string& listText,
                 const std::string& overflowText) {
    return pattern.Matcher().MatchView(ItemTextView(listText, overflowText),
                                       pattern.Text().c_str());
}

} // namespace qv
