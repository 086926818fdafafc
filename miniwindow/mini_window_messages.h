// The messages the Mini-Window sends to the main window, synchronously; each is answered with 0.
#pragma once

namespace qv {

constexpr unsigned WM_MINIWND_CLOSED = 0x500; // the Mini-Window is gone
constexpr unsigned WM_MINIWND_SELECT = 0x501; // wParam: line to select and recall
constexpr unsigned WM_MINIWND_MARK = 0x502;   // Set Mark or Return to Mark
constexpr unsigned WM_MINIWND_MOVE = 0x503;   // wParam: from, lParam: to
constexpr unsigned WM_MINIWND_DELETE = 0x504; // wParam: line to delete

// Posted by the main window to itself: a closed Mini-Window is destroyed once none of its own
// handlers is running any more.
constexpr unsigned WM_MINIWND_DISPOSE = 0x5F0;

} // namespace qv
