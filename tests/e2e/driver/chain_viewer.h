// A clipboard viewer of the driver's own process: it counts the change notices that reach it and
// passes them on, as a well-behaved viewer must.
#pragma once
#include "win32/win32_handles.h"

namespace qv::e2e {

class ChainViewer {
  public:
    ChainViewer();  // joins the chain
    ~ChainViewer(); // leaves it
    ChainViewer(const ChainViewer&) = delete;
    ChainViewer& operator=(const ChainViewer&) = delete;
    HWND Window() const { return window_.get(); }
    int Notices() const { return notices_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    platform::win32::UniqueWindow window_;
    HWND next_ = nullptr;
    int notices_ = 0;
};

} // namespace qv::e2e
