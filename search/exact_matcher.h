// Matches ignoring ASCII letter case, with a pattern space standing for any run of blanks.
#pragma once
#include "search/scan_kernels.h"
#include "search/text_matcher.h"
#include <cstddef>

namespace qv {

class CExactMatcher : public CTextMatcher {
  public:
    bool Match(const char* text, const char* pattern) override;
    bool MatchView(const TextView& text, const char* pattern) override;

  private:
    // The start filter for a pattern that begins with a word. A search run matches one pattern
    // against every item, so the filter is chosen once for as long as the first word stays.
    const match::BytesScanParams& WordFilter(const unsigned char* pattern);

    static constexpr std::size_t kLookAhead = match::BytesScanParams::kMaxOffset + 1;
    unsigned char word_[kLookAhead] = {}; // the first word the filter was chosen for
    std::size_t wordLength_ = 0;          // 0: none chosen yet
    match::BytesScanParams wordFilter_;
};

} // namespace qv
