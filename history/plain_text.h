// The list text / overflow text forms of an item's plain text.
#pragma once
#include <string>

namespace qv {

// A list line holds at most this many characters of the text, then the marker.
constexpr std::size_t kListTextLimit = 500;
constexpr const char kOverflowMarker[] = "...";

struct SplitText {
    std::string listText;
    std::string overflowText;
};

SplitText SplitPlainText(const std::string& text);
// The same, taking the text over: a long text becomes the overflow text in place, without a copy.
SplitText SplitPlainText(std::string&& text);
std::string JoinPlainText(const std::string& listText, const std::string& overflowText);

} // namespace qv
