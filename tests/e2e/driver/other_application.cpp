#include "other_application.h"
#include "remote.h"
#include "win32/win32_clipboard.h"
#include <cstring>

namespace qv::e2e {

namespace {

constexpr char kClassName[] = "QuorvaneE2EDriver";

// The bytes and a terminating zero of terminatorSize bytes.
bool SetGlobalData(UINT format, const std::string& bytes, std::size_t terminatorSize = 1) {
    const std::string terminated = bytes + std::string(terminatorSize, '\0');
    return platform::win32::SetClipboardBytes(format, terminated.data(), terminated.size());
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

bool OtherApplication::CopyText(const std::string& text, const std::string& rtf,
                                bool takeForeground) {
    if ((takeForeground && !TakeForeground()) || !OpenClipboardBounded())
        return false;
    bool ok = ::EmptyClipboard() && SetGlobalData(CF_TEXT, text);
    if (ok && !rtf.empty())
        ok = SetGlobalData(RegisterClipboardFormatA("Rich Text Format"), rtf);
    CloseClipboard();
    PumpFor(50);
    return ok;
}

bool OtherApplication::CopyUnicodeText(const std::wstring& text, const char* marker,
                                       const std::string& data) {
    if (!TakeForeground() || !OpenClipboardBounded())
        return false;
    const std::string units(reinterpret_cast<const char*>(text.data()),
                            text.size() * sizeof(wchar_t));
    bool ok = ::EmptyClipboard() && SetGlobalData(CF_UNICODETEXT, units, sizeof(wchar_t));
    if (ok && marker)
        ok = SetGlobalData(RegisterClipboardFormatA(marker), data, data.empty() ? 1 : 0);
    CloseClipboard();
    PumpFor(50);
    return ok;
}

bool OtherApplication::CopyFormat(UINT format) {
    if (!TakeForeground() || !OpenClipboardBounded())
        return false;
    const bool ok = ::EmptyClipboard() && SetGlobalData(format, std::string(64, '\0'));
    CloseClipboard();
    PumpFor(50);
    return ok;
}

namespace {

std::string ReadFormat(UINT format) {
    std::string text;
    if (HANDLE data = GetClipboardData(format)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    return text;
}

} // namespace

std::string OtherApplication::ClipboardText() {
    if (!OpenClipboardBounded())
        return std::string();
    std::wstring wide;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            wide.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return Utf8Of(wide);
}

std::string OtherApplication::ClipboardRtf() {
    if (!OpenClipboardBounded())
        return std::string();
    const std::string text = ReadFormat(RegisterClipboardFormatA("Rich Text Format"));
    CloseClipboard();
    return text;
}

bool OtherApplication::EmptyClipboard() {
    if (!OpenClipboardBounded())
        return false;
    const bool ok = ::EmptyClipboard() != FALSE;
    CloseClipboard();
    return ok;
}

} // namespace qv::e2e
