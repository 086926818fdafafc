// Matches ignoring ASCII letter case, with a pattern space standing for any run of blanks.
#pragma once
#include "search/text_matcher.h"

namespace qv {

class CExactMatcher : public CTextMatcher {
  public:
    bool Match(const char* text, const char* pattern) override;
    bool MatchView(const TextView& text, const char* pattern) override;
};

} // namespace qv
