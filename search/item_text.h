// An item's whole plain text as the search sees it, without building it.
#pragma once
#include "search/text_view.h"
#include <string>

namespace qv {

// The text JoinPlainText(listText, overflowText) would build, as a view of the two strings: the
// list text without its "..." marker, followed by the overflow text. Both strings must outlive
// the view.
TextView ItemTextView(const std::string& listText, const std::string& overflowText);

} // namespace qv
