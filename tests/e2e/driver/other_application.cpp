#include "other_application.h"
#include "remote.h"
#include <cstring>

namespace qv::e2e {

namespace {

constexpr char kClassName[] = "QuorvaneE2EDriver";

bool SetGlobalData(UINT format, const std::string& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    if (!memory)
        return false;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, bytes.c_str(), bytes.size() + 1);
        GlobalUnlock(memory);
        if (SetClipboardData(format, memory)) // the clipboard owns the memory from here on
            return true;
    }
    GlobalFree(memory);
    return false;
}

} // namespace

OtherApplication::OtherApplication() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&windowClass); // fails harmlessly when a previous instance registered it
    // Bottom right, out of the way of the program's centred window and of screenshots of it.
    const int width = 180, height = 40;
    window_.reset(CreateWindowExA(
        WS_EX_TOOLWINDOW, kClassName, "Other application", WS_POPUP | WS_BORDER | WS_VISIBLE,
        GetSystemMetrics(SM_CXSCREEN) - width, GetSystemMetrics(SM_CYSCREEN) - height, width,
        height, nullptr, nullptr, windowClass.hInstance, nullptr));
    PumpFor(50);
}

bool OtherApplication::TakeForeground() {
    SetForegroundWindow(window_.get());
    return WaitUntil([&] { return GetForegroundWindow() == window_.get(); }, 2000);
}

bool OtherApplication::OpenClipboardBounded() {
    // The program may hold the clipboard open for a moment.
    return WaitUntil([&] { return OpenClipboard(window_.get()) != FALSE; }, 5000);
}

bool OtherApplication::CopyText(const std::string& text, const std::string& rtf) {
    if (!TakeForeground() || !OpenClipboardBounded())
        return false;
    bool ok = ::EmptyClipboard() && SetGlobalData(CF_TEXT, text);
    if (ok && !rtf.empty())
        ok = SetGlobalData(RegisterClipboardFormatA("Rich Text Format"), rtf);
    CloseClipboard();
    PumpFor(50);
    return ok;
}

bool OtherApplication::EmptyClipboard() {
    if (!OpenClipboardBounded())
        return false;
    const bool ok = ::EmptyClipboard() != FALSE;
    CloseClipboard();
    return ok;
}

} // namespace qv::e2e
