// One running copy of the program per user session: a later start hands over to the first.
#pragma once
#include "platform/types.h"
#include <string>

namespace qv::platform {

// Unavailable: the claim could not be made at all (the program then runs as it would alone).
enum class InstanceClaim { First, OtherRunning, Unavailable };

class ISingleInstance {
  public:
    virtual ~ISingleInstance() = default;
    // Claims the first place among the copies of the program called name in this session; the
    // claim lasts until this program ends.
    virtual InstanceClaim ClaimFirst(const std::string& name) = 0;
    // Brings the first copy's main window to the front, restored when it was minimized; false
    // when no such window was found.
    virtual bool ActivateFirst() = 0;
    // Makes the main window findable by later copies.
    virtual void PublishMainWindow(WindowRef window) = 0;
};

} // namespace qv::platform
