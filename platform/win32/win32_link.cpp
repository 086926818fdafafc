#include "win32_link.h"
#include <commctrl.h>

namespace qv::platform::win32 {

namespace {
constexpr UINT_PTR kSubclassId = 1;
constexpr Color kUnvisitedLink = RGB(0, 0, 255);
} // namespace

HCURSOR LinkCursor() {
    static const HCURSOR cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)); // IDC_HAND
    return cursor;
}

LinkView::LinkView(HWND window) : ControlView(window), colour_(kUnvisitedLink) {
    subclassed_ = window && SetWindowSubclass(window, &LinkView::Subclass, kSubclassId,
                                              reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

LinkView::~LinkView() {
    if (subclassed_ && IsWindow(Window()))
        RemoveWindowSubclass(Window(), &LinkView::Subclass, kSubclassId);
}

void LinkView::SetLinkColour(Color colour) {
    colour_ = colour;
    InvalidateRect(Window(), nullptr, TRUE);
}

HBRUSH LinkView::PaintColours(HDC dc) {
    const LONG type = GetWindowLongA(Window(), GWL_STYLE) & SS_TYPEMASK;
    if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT)
        return nullptr;
    const auto current = reinterpret_cast<HFONT>(SendMessageA(Window(), WM_GETFONT, 0, 0));
    // A font set from outside (a per-monitor dialog manager scales each control's font) replaces
    // the underlined copy.
    if (!font_ || current != font_.get()) {
        LOGFONTA description{};
        const HGDIOBJ source = current ? current : GetStockObject(DEFAULT_GUI_FONT);
        if (GetObjectA(source, sizeof description, &description) != 0) {
            description.lfUnderline = TRUE;
            font_.reset(CreateFontIndirectA(&description));
            // Some statics select their own font after asking for the colours: the link font
            // becomes the control's font as well.
            if (font_)
                SendMessageA(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        }
    }
    if (font_)
        SelectObject(dc, font_.get()); // the static restores its own font after painting
    SetTextColor(dc, colour_);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

LRESULT CALLBACK LinkView::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<LinkView*>(data);
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT; // a static is otherwise transparent to the mouse
    case WM_SETCURSOR:
        if (const HCURSOR cursor = LinkCursor()) {
            SetCursor(cursor);
            return TRUE;
        }
        break;
    case WM_LBUTTONUP:
        SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), STN_CLICKED),
                     reinterpret_cast<LPARAM>(window));
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, &LinkView::Subclass, kSubclassId);
        self->subclassed_ = false;
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace qv::platform::win32
