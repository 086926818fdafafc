// One copy per session: a named mutex in the session's namespace is the claim, and the first
// copy's main window carries a property by which later copies find it.
#pragma once
#include "platform/single_instance.h"
#include "win32_handles.h"

namespace qv::platform::win32 {

class Win32SingleInstance : public ISingleInstance {
  public:
    InstanceClaim ClaimFirst(const std::string& name) override;
    bool ActivateFirst() override;
    void PublishMainWindow(WindowRef window) override;

  private:
    UniqueKernelHandle claim_;
};

} // namespace qv::platform::win32
