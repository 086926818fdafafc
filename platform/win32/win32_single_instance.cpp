#include "win32_single_instance.h"
#include "win32_text.h"

namespace qv::platform::win32 {

namespace {

// The property the first copy's main window carries.
constexpr wchar_t kMainWindowProperty[] = L"Quorvane.FirstCopy";

BOOL CALLBACK FindPublished(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() && GetPropW(window, kMainWindowProperty)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

InstanceClaim Win32SingleInstance::ClaimFirst(const std::string& name) {
    // "Local\": one claim per session, so another user signed in on the same computer runs
    // a copy of their own.
    const std::wstring mutexName = L"Local\\" + ToWide(name) + L".SingleInstance";
    SetLastError(ERROR_SUCCESS);
    claim_.reset(CreateMutexW(nullptr, FALSE, mutexName.c_str()));
    if (!claim_)
        return GetLastError() == ERROR_ACCESS_DENIED ? InstanceClaim::OtherRunning
                                                     : InstanceClaim::Unavailable;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        claim_.reset();
        return InstanceClaim::OtherRunning;
    }
    return InstanceClaim::First;
}

bool Win32SingleInstance::ActivateFirst() {
    HWND first = nullptr;
    EnumWindows(&FindPublished, reinterpret_cast<LPARAM>(&first));
    if (!first)
        return false;
    // This process was just started by the user and may hand the foreground on.
    DWORD process = 0;
    GetWindowThreadProcessId(first, &process);
    AllowSetForegroundWindow(process);
    if (IsIconic(first))
        ShowWindowAsync(first, SW_RESTORE);
    SetForegroundWindow(first);
    return true;
}

void Win32SingleInstance::PublishMainWindow(WindowRef window) {
    SetPropW(reinterpret_cast<HWND>(window), kMainWindowProperty, reinterpret_cast<HANDLE>(1));
}

} // namespace qv::platform::win32
