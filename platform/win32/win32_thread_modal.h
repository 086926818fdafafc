// While a modal dialog, message box, chooser or property sheet of the program is open, every
// other window of the thread takes no input either, as the owner does: the Mini-Window has no
// owner, and a click in it could otherwise change what the open dialog is about to act on.
#pragma once
#include "win32_api.h"
#include <vector>

namespace qv::platform::win32 {

class ThreadWindowsDisabled {
  public:
    // Disables the thread's visible, enabled top-level windows other than keep (the owner,
    // whose enabling its modal loop keeps); they are enabled again at the end of the scope.
    // Without an owner nothing is disabled.
    explicit ThreadWindowsDisabled(HWND keep);
    ~ThreadWindowsDisabled();
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

  private:
    std::vector<HWND> disabled_;
};

} // namespace qv::platform::win32
