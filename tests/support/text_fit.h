// Whether a label's, button's, check box's or radio button's text fits its control, measured in a
// given font as the control draws it: mnemonic markers take no room, a check box's box and gap
// do, a push button keeps its edges, and a control tall enough for several lines wraps its text.
// Shared by the Win32 tier (the control's own font) and the end-to-end driver (the program's font
// rebuilt in the driver, since a font handle does not cross processes).
#pragma once
#include "win32/win32_handles.h"
#include <optional>
#include <string>

namespace qv::testsupport {

// The text as drawn: "&&" is one '&', a single '&' marks the next character and is not drawn.
inline std::wstring WithoutMnemonics(const std::wstring& text) {
    std::wstring drawn;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        drawn += text[i];
    }
    return drawn;
}

inline std::wstring WindowTextW(HWND window) {
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

// A shortfall found: what does not fit and by how much, for the failure message.
struct TextOverflow {
    std::string text;
    int needed = 0;
    int available = 0;
};

// Measures the control's text in font at dpi; nothing when it fits. Controls other than statics
// and buttons with text (edits, lists, icons, group boxes' frames) are not judged.
inline std::optional<TextOverflow> MeasureTextFit(HWND control, HFONT font, unsigned dpi) {
    namespace pw = platform::win32;
    char className[32] = {};
    GetClassNameA(control, className, sizeof className);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const std::wstring drawn = WithoutMnemonics(WindowTextW(control));
    if (drawn.empty())
        return std::nullopt;
    int margin = 0;
    if (lstrcmpiA(className, "Button") == 0) {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
            margin = 2 * MulDiv(3, int(dpi), 96); // edge and focus rectangle on each side
        else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                 type == BS_AUTORADIOBUTTON)
            margin = MulDiv(12, int(dpi), 96) + 1 + MulDiv(4, int(dpi), 96); // box and gap
        else
            return std::nullopt;
    } else if (lstrcmpiA(className, "Static") != 0 ||
               (style & SS_TYPEMASK) > SS_RIGHT) { // icons, frames
        return std::nullopt;
    }

    const pw::UniqueCreatedDC dc(CreateCompatibleDC(nullptr));
    const pw::SelectedObject selected(dc.get(), font);
    RECT client{};
    GetClientRect(control, &client);
    const int available = client.right - margin;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    std::string narrow(drawn.begin(), drawn.end()); // the program's texts are ASCII
    if (client.bottom >= 2 * metrics.tmHeight) {
        // Room for several lines: the text wraps, and must end within the height.
        RECT wrapped{0, 0, available, 0};
        DrawTextW(dc.get(), drawn.c_str(), int(drawn.size()), &wrapped,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        if (wrapped.bottom > client.bottom || wrapped.right > available)
            return TextOverflow{narrow + " (height)", int(wrapped.bottom), int(client.bottom)};
        return std::nullopt;
    }
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), drawn.c_str(), int(drawn.size()), &size);
    if (size.cx > available)
        return TextOverflow{narrow, int(size.cx), available};
    return std::nullopt;
}

} // namespace qv::testsupport
