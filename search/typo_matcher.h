// Matches like the exact matcher but also accepts insertion, deletion, substitution and
// transposition errors in the pattern when they lie at least "separation" exact characters apart.
#pragma once
#include "search/text_matcher.h"

namespace qv {

class CTypoMatcher : public CTextMatcher {
  public:
    // A separation outside 1 to 9 becomes 2.
    explicit CTypoMatcher(int separation);

    bool Match(const char* text, const char* pattern) override;
    int GetTypoCount() const override { return typoCount_; }
    bool MatchView(const TextView& text, const char* pattern) override;

    int Separation() const { return separation_; }

  private:
    // Tries the start positions the filter accepts, in increasing order.
    template <class Filter>
    bool Search(const TextView& text, const unsigned char* pattern, const Filter& filter);

    int separation_;
    int typoCount_ = 0;
};

} // namespace qv
