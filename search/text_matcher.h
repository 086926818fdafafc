// The matcher that decides whether a search pattern occurs in an item's text.
#pragma once
#include "search/text_view.h"
#include <optional>

namespace qv {

// The checks both matchers make first: no pattern, an empty text or an empty pattern decide the
// result before any matching. Empty when matching must decide.
inline std::optional<bool> DecidedBeforeMatching(const TextView& text, const char* pattern) {
    if (pattern == nullptr)
        return false;
    if (text.At(0) == 0)
        return pattern[0] == 0;
    if (pattern[0] == 0)
        return false;
    return std::nullopt;
}

class CTextMatcher {
  public:
    virtual ~CTextMatcher() = default;
    // True when pattern occurs somewhere in text under the matcher's rule. Both are
    // zero-terminated; a missing (null) one gives false, and an empty pattern matches only an
    // empty text. Allocates nothing.
    virtual bool Match(const char* text, const char* pattern) = 0;
    // Corrections used by the latest start position Match tried; 0 for an exact matcher.
    virtual int GetTypoCount() const { return 0; }
    // Match on a text given in pieces; the result is the one Match gives on the pieces joined
    // (up to the first zero byte).
    virtual bool MatchView(const TextView& text, const char* pattern) = 0;
};

} // namespace qv
