// The list text / overflow text forms of an item's plain text.
#pragma once
#include <string>
#include <vector>

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

// The text without leading and trailing white space (space, tab, line feed, vertical tab, form
// feed, carriage return).
std::string TrimWhiteSpace(const std::string& text);
// The non-blank lines of a text, each without its indentation and trailing white space; a lone
// carriage return or line feed ends a line as a pair does.
std::vector<std::string> NonBlankLines(const std::string& text);

} // namespace qv
