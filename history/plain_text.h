// The list text / overflow text forms of an item's plain text.
#pragma once
#include <string>
#include <string_view>

namespace qv {

// A list line holds at most this many characters of the text, then the marker.
constexpr std::size_t kListTextLimit = 500;
constexpr const char kOverflowMarker[] = "...";

struct SplitText {
    std::string listText;
    std::string overflowText;
};

// A text longer than the limit is cut on the last character boundary at or before it, so the
// list text may hold up to three bytes less than the limit before the marker.
SplitText SplitPlainText(const std::string& text);
// The same, taking the text over: a long text becomes the overflow text in place, without a copy.
SplitText SplitPlainText(std::string&& text);
// Where the marker stands in the list text of an item with overflow text: the text's own
// characters are [0, keep) and [resume, end). It stands at the limit, or earlier where the cut
// kept a character whole; a list text shorter than that keeps what it has.
struct MarkerPlace {
    std::size_t keep;
    std::size_t resume;
};
MarkerPlace FindMarker(std::string_view listText);

// Drops the marker (FindMarker) and appends the overflow text.
std::string JoinPlainText(const std::string& listText, const std::string& overflowText);

} // namespace qv
