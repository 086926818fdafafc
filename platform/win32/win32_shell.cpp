#include "win32_shell.h"
#include "win32_api.h"
#include "win32_text.h"
#include <shellapi.h>

namespace qv::platform::win32 {

namespace {

// The shell's own result: above 32 when it opened, else its error code.
// Wide, so that a target beyond the system code page reaches the shell whole.
INT_PTR ShellOpen(const std::string& target, const std::string& parameters) {
    const std::wstring file = ToWide(target);
    const std::wstring arguments = ToWide(parameters);
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", file.c_str(),
                      arguments.empty() ? nullptr : arguments.c_str(), nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result);
}

} // namespace

bool Win32Shell::Open(const std::string& target) {
    return !target.empty() && ShellOpen(target, std::string()) > 32;
}

ShellOpenResult Win32Shell::Execute(const std::string& target, const std::string& parameters) {
    const INT_PTR result = ShellOpen(target, parameters);
    if (result > 32)
        return ShellOpenResult::Opened;
    switch (result) {
    case SE_ERR_FNF:
        return ShellOpenResult::FileNotFound;
    case SE_ERR_ACCESSDENIED:
        return ShellOpenResult::AccessDenied;
    case SE_ERR_OOM:
        return ShellOpenResult::OutOfMemory;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC:
        return ShellOpenResult::NoAssociation;
    default:
        return ShellOpenResult::Refused;
    }
}

void Win32Shell::Beep() {
    MessageBeep(0);
}

} // namespace qv::platform::win32
