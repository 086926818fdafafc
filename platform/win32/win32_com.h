// COM for the lifetime of a scope on the calling thread, in a single-threaded apartment.
#pragma once
#include "win32_api.h"
#include <objbase.h>

namespace qv::platform::win32 {

// The shell may hand a verb to COM components (extensions, handlers that talk DDE); they need
// an apartment on the calling thread. OLE1 DDE is left out, as the shell's own guidance asks.
class ScopedComApartment {
  public:
    ScopedComApartment()
        : initialised_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    // Every successful call, also one that found COM already there, is balanced by one
    // uninitialise; a thread in another apartment kind is left as it was.
    ~ScopedComApartment() {
        if (initialised_)
            CoUninitialize();
    }
    ScopedComApartment(const ScopedComApartment&) = delete;
    ScopedComApartment& operator=(const ScopedComApartment&) = delete;

  private:
    const bool initialised_;
};

} // namespace qv::platform::win32
