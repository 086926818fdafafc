#include "win32_clipboard.h"
#include "win32_api.h"
#include <cstring>

namespace qv::platform::win32 {

namespace {

HWND ToWindow(WindowRef ref) {
    return reinterpret_cast<HWND>(ref);
}
WindowRef ToRef(HWND window) {
    return reinterpret_cast<WindowRef>(window);
}

bool HasFormat(const char* name) {
    return IsClipboardFormatAvailable(RegisterClipboardFormatA(name)) != FALSE;
}

// "CanIncludeInClipboardHistory" is a DWORD: 0 keeps the data out of every history, 1 lets it
// in. When it cannot be read it counts as 0, so that a clip meant to stay private never is kept.
bool HistoryAllowed() {
    if (!OpenClipboard(nullptr))
        return false;
    bool allowed = false;
    if (HANDLE data = GetClipboardData(RegisterClipboardFormatA("CanIncludeInClipboardHistory"))) {
        if (GlobalSize(data) >= sizeof(DWORD)) {
            if (const auto* value = static_cast<const DWORD*>(GlobalLock(data))) {
                allowed = *value != 0;
                GlobalUnlock(data);
            }
        }
    }
    CloseClipboard();
    return allowed;
}

bool HoldsPrivateData() {
    if (HasFormat("ExcludeClipboardContentFromMonitorProcessing") ||
        HasFormat("Clipboard Viewer Ignore"))
        return true;
    return HasFormat("CanIncludeInClipboardHistory") && !HistoryAllowed();
}

} // namespace

bool SetClipboardBytes(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        return false;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, bytes, size);
        GlobalUnlock(memory);
        if (SetClipboardData(format, memory))
            return true;
    }
    GlobalFree(memory);
    return false;
}

bool Win32Clipboard::SetViewer(WindowRef owner, WindowRef& next) {
    // SetClipboardViewer answers null both for an error and for an empty chain; only the error
    // state tells them apart, so it is cleared first.
    SetLastError(ERROR_SUCCESS);
    const HWND following = SetClipboardViewer(ToWindow(owner));
    const DWORD error = GetLastError();
    next = ToRef(following);
    return following != nullptr || error == ERROR_SUCCESS;
}

bool Win32Clipboard::ChangeChain(WindowRef owner, WindowRef next) {
    // The call answers with whatever the viewers returned for WM_CHANGECBCHAIN (zero by the
    // protocol), which says nothing about success; only a reported error does.
    SetLastError(ERROR_SUCCESS);
    ChangeClipboardChain(ToWindow(owner), ToWindow(next));
    return GetLastError() == ERROR_SUCCESS;
}

void Win32Clipboard::ForwardDrawClipboard(WindowRef next, const ClipboardNotice& notice) {
    if (next)
        SendMessageA(ToWindow(next), WM_DRAWCLIPBOARD, static_cast<WPARAM>(notice.wParam),
                     static_cast<LPARAM>(notice.lParam));
}

void Win32Clipboard::ForwardChangeChain(WindowRef next, WindowRef removed, WindowRef after) {
    if (next)
        SendMessageA(ToWindow(next), WM_CHANGECBCHAIN, static_cast<WPARAM>(removed),
                     static_cast<LPARAM>(after));
}

bool Win32Clipboard::Open(WindowRef owner) {
    return OpenClipboard(ToWindow(owner)) != FALSE;
}

bool Win32Clipboard::Empty() {
    return EmptyClipboard() != FALSE;
}

void Win32Clipboard::Close() {
    CloseClipboard();
}

int Win32Clipboard::CountFormats() {
    return CountClipboardFormats();
}

bool Win32Clipboard::IsFormatAvailable(ClipFormat format) {
    switch (format) {
    case ClipFormat::Text:
        return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
    case ClipFormat::Bitmap:
        return IsClipboardFormatAvailable(CF_DIB) != FALSE;
    case ClipFormat::FileList:
        return IsClipboardFormatAvailable(CF_HDROP) != FALSE;
    case ClipFormat::Private:
        return HoldsPrivateData();
    }
    return false;
}

std::uint32_t Win32Clipboard::SequenceNumber() {
    return GetClipboardSequenceNumber();
}

bool Win32Clipboard::IsOwnedByProgram() {
    const HWND owner = GetClipboardOwner();
    if (!owner)
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(owner, &process);
    return process == GetCurrentProcessId();
}

} // namespace qv::platform::win32
