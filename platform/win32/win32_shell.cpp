#include "win32_shell.h"
#include "win32_api.h"
#include <shellapi.h>

namespace qv::platform::win32 {

bool Win32Shell::Open(const std::string& target) {
    if (target.empty())
        return false;
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // Values above 32 mean success; the rest are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

void Win32Shell::Beep() {
    MessageBeep(0);
}

} // namespace qv::platform::win32
