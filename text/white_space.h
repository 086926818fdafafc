// White space at the ends of texts and lines: ASCII only, so no byte of a multi-byte character
// ever counts as space.
#pragma once
#include <string>
#include <vector>

namespace qv {

// Space, tab, line feed, vertical tab, form feed, carriage return.
constexpr const char kWhiteSpace[] = " \t\n\v\f\r";

// The text without leading and trailing white space.
std::string TrimWhiteSpace(const std::string& text);
// The non-blank lines of a text, each without its indentation and trailing white space; a lone
// carriage return or line feed ends a line as a pair does.
std::vector<std::string> NonBlankLines(const std::string& text);

} // namespace qv
