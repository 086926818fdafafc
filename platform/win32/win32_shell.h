// The shell's "open" verb and the default beep.
#pragma once
#include "platform/services.h"

namespace qv::platform::win32 {

class Win32Shell : public IShell {
  public:
    bool Open(const std::string& target) override;
    ShellOpenResult Execute(const std::string& target, const std::string& parameters) override;
    void Beep() override;
};

} // namespace qv::platform::win32
