#include "win32_thread_modal.h"

namespace qv::platform::win32 {

namespace {

struct Collect {
    HWND keep;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
    auto* collect = reinterpret_cast<Collect*>(data);
    if (window != collect->keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
        try {
            collect->windows->push_back(window);
        } catch (...) {
            return FALSE; // out of memory: the windows found so far are still handled
        }
    }
    return TRUE;
}

} // namespace

ThreadWindowsDisabled::ThreadWindowsDisabled(HWND keep) {
    // A window without owner (a launch's message box, from its worker thread) blocks nothing.
    if (!keep)
        return;
    Collect collect{keep, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&collect));
    for (HWND window : disabled_)
        EnableWindow(window, FALSE);
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
    for (HWND window : disabled_)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}

} // namespace qv::platform::win32
