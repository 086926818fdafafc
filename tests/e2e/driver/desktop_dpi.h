// The desktop's DPI that the next program started in the prefix reads (Wine's LogPixels), for
// the scope of a test; the driver's own process keeps the DPI it started with.
#pragma once
#include "win32/win32_api.h"

namespace qv::e2e {

class DesktopDpi {
  public:
    // Sets LogPixels; ok() is false when the registry refused.
    explicit DesktopDpi(DWORD dpi);
    // Puts back the values there were, or removes them.
    ~DesktopDpi();
    DesktopDpi(const DesktopDpi&) = delete;
    DesktopDpi& operator=(const DesktopDpi&) = delete;
    bool ok() const { return ok_; }

  private:
    struct Saved {
        bool present = false;
        DWORD value = 0;
    };
    Saved saved_[2];
    bool ok_ = true;
};

} // namespace qv::e2e
