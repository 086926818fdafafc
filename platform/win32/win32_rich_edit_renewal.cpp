#include "win32_rich_edit_renewal.h"
#include "win32_handles.h"
#include <richedit.h>

namespace qv::platform::win32 {

namespace {

// Emptying grows with the square of the paragraphs: a few hundred take a few milliseconds.
constexpr LRESULT kLongLines = 256;
constexpr long kLongCharacters = 65536;

void CopySettings(HWND from, HWND to) {
    SendMessageA(to, WM_SETFONT, static_cast<WPARAM>(SendMessageA(from, WM_GETFONT, 0, 0)), FALSE);
    SendMessageA(to, EM_EXLIMITTEXT, 0, SendMessageA(from, EM_GETLIMITTEXT, 0, 0));
    SendMessageA(to, EM_SETOPTIONS, ECOOP_SET, SendMessageA(from, EM_GETOPTIONS, 0, 0));
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    SendMessageA(from, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageA(to, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    // Last, so that setting up the new control tells the window nothing.
    SendMessageA(to, EM_SETEVENTMASK, 0, SendMessageA(from, EM_GETEVENTMASK, 0, 0));
}

} // namespace

RichEditOrigin OriginOf(HWND control) {
    return {static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)),
            static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE))};
}

bool HoldsLongText(HWND control, long characters) {
    return characters > kLongCharacters ||
           SendMessageA(control, EM_GETLINECOUNT, 0, 0) > kLongLines;
}

HWND RenewRichEdit(HWND old, const RichEditOrigin& origin) {
    const HWND parent = GetParent(old);
    char className[64] = {};
    if (!parent || !GetClassNameA(old, className, sizeof className))
        return nullptr;
    RECT place{};
    GetWindowRect(old, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    constexpr DWORD kState = WS_VISIBLE | WS_DISABLED;
    const DWORD style =
        (origin.style & ~kState) | (static_cast<DWORD>(GetWindowLongA(old, GWL_STYLE)) & kState);
    UniqueWindow made(CreateWindowExA(
        origin.exStyle, className, "", style, place.left, place.top, place.right - place.left,
        place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(old))),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(old, GWLP_HINSTANCE)), nullptr));
    if (!made)
        return nullptr;
    CopySettings(old, made.get());
    // Right after old in the tab order, which is old's place once old is gone.
    SetWindowPos(made.get(), old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (GetFocus() == old)
        SetFocus(made.get());
    DestroyWindow(old);
    return made.release();
}

} // namespace qv::platform::win32
