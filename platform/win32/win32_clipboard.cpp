#include "win32_clipboard.h"
#include "win32_api.h"

namespace qv::platform::win32 {

namespace {

HWND ToWindow(WindowRef ref) {
    return reinterpret_cast<HWND>(ref);
}
WindowRef ToRef(HWND window) {
    return reinterpret_cast<WindowRef>(window);
}

} // namespace

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
        return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
    case ClipFormat::Bitmap:
        return IsClipboardFormatAvailable(CF_DIB) != FALSE;
    case ClipFormat::FileList:
        return IsClipboardFormatAvailable(CF_HDROP) != FALSE;
    }
    return false;
}

} // namespace qv::platform::win32
