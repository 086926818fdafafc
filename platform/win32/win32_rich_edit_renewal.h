// Under Wine a rich edit empties a long text in time growing faster than the text (about 8 s for
// 1 MB of short lines, whichever way it is emptied), while destroying the control takes a moment.
// A pane about to be emptied of a long text is therefore replaced by a new, empty one like it.
#pragma once
#include "win32_api.h"

namespace qv::platform::win32 {

// The window styles the control was made with, before it changed them itself (scroll bars).
struct RichEditOrigin {
    DWORD style = 0;
    DWORD exStyle = 0;
};

RichEditOrigin OriginOf(HWND control);

// Whether emptying the control, which holds the given number of characters, would take long
// enough to be worth a new one.
bool HoldsLongText(HWND control, long characters);

// Makes a new, empty control in old's place (position, tab order, identifier, font, settings,
// default character format, focus) and destroys old; null, with old untouched, when no new
// control can be made.
HWND RenewRichEdit(HWND old, const RichEditOrigin& origin);

} // namespace qv::platform::win32
