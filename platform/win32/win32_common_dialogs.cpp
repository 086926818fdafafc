// The font and colour choosers.
#include "win32_platform.h"
#include <algorithm>
#include <commdlg.h>
// The interface's name, not the header's ANSI/wide switch.
#undef ChooseFont
#include <cstring>

namespace qv::platform::win32 {

namespace {

int ScreenPixelsPerInch() {
    const WindowDC screen(nullptr);
    return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

} // namespace

bool Win32Platform::ChooseFont(FontChoice& choice, WindowRef owner) {
    LOGFONTA font{};
    const std::size_t faceLength = std::min(choice.face.size(), sizeof font.lfFaceName - 1);
    std::memcpy(font.lfFaceName, choice.face.data(), faceLength);
    // Twips are 1/1440 inch; a negative height asks for the character height.
    font.lfHeight = -MulDiv(choice.heightTwips, ScreenPixelsPerInch(), 1440);
    font.lfWeight = (choice.effects & kFontBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (choice.effects & kFontItalic) ? TRUE : FALSE;
    font.lfUnderline = (choice.effects & kFontUnderline) ? TRUE : FALSE;
    font.lfStrikeOut = (choice.effects & kFontStrikeout) ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;

    CHOOSEFONTA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = reinterpret_cast<HWND>(owner);
    chooser.lpLogFont = &font;
    chooser.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | (choice.showEffects ? CF_EFFECTS : 0);
    chooser.rgbColors = choice.colour;
    if (!ChooseFontA(&chooser))
        return false;
    choice.face = font.lfFaceName;
    choice.heightTwips = chooser.iPointSize * 2; // tenths of a point to twips
    const unsigned chosen =
        (font.lfWeight >= FW_BOLD ? kFontBold : 0u) | (font.lfItalic ? kFontItalic : 0u) |
        (font.lfUnderline ? kFontUnderline : 0u) | (font.lfStrikeOut ? kFontStrikeout : 0u);
    // Without its Effects section the chooser does not offer underline, strikeout and colour,
    // and reports the hidden boxes unchecked: those stay as they were.
    const unsigned offered = choice.showEffects ? ~0u : unsigned(kFontBold | kFontItalic);
    choice.effects = (chosen & offered) | (choice.effects & ~offered);
    if (choice.showEffects)
        choice.colour = chooser.rgbColors;
    return true;
}

bool Win32Platform::ChooseColour(ColourChoice& choice, WindowRef owner) {
    COLORREF custom[16];
    for (std::size_t i = 0; i < 16; ++i)
        custom[i] = choice.custom[i];
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = reinterpret_cast<HWND>(owner);
    chooser.rgbResult = choice.colour;
    chooser.lpCustColors = custom;
    chooser.Flags = CC_RGBINIT;
    const bool chosen = ChooseColorA(&chooser) != FALSE;
    // The custom colours are the user's, kept whether or not a colour was chosen.
    for (std::size_t i = 0; i < 16; ++i)
        choice.custom[i] = custom[i];
    if (chosen)
        choice.colour = chooser.rgbResult;
    return chosen;
}

} // namespace qv::platform::win32
