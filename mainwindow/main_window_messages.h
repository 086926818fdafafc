// Messages the main window posts to itself.
#pragma once

namespace qv {

// A change of another program arrived while watching was paused for an own clipboard write; it
// is taken once the write's work is done.
constexpr unsigned WM_TAKE_MISSED_CHANGE = 0x5F1;

} // namespace qv
