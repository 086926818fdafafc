// Telling ASCII text from text with bytes from 0x80 up, fast enough for whole data files.
#pragma once
#include <string_view>

namespace qv {

// True when no byte of text is 0x80 or above (so also for empty text).
bool IsAscii(std::string_view text);

} // namespace qv
