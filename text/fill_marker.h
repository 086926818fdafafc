// Messages of the string table are whole sentences with a "%s" where a name, a path or a number
// goes, so that a text is translated and tested as one piece.
#pragma once
#include <string>
#include <string_view>

namespace qv {

// The format with its first "%s" replaced by text; a format without one comes back unchanged.
// Unlike printf, nothing in text or elsewhere in format is interpreted.
std::string FillMarker(std::string format, std::string_view text);

} // namespace qv
