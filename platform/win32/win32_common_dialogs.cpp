// The font and colour choosers.
#include "win32_platform.h"
#include "win32_thread_modal.h"
#include <algorithm>
#include <commdlg.h>
// The interface's name, not the header's ANSI/wide switch.
#undef ChooseFont
#include <cstring>

namespace qv::platform::win32 {

int Win32Platform::ScreenPixelsPerInch() {
    const UniqueCreatedDC display(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    return display.get() ? GetDeviceCaps(display.get(), LOGPIXELSY) : 96;
}

namespace {

LOGFONTA ToNative(const LogicalFont& font) {
    LOGFONTA native{};
    native.lfHeight = font.height;
    native.lfWidth = font.width;
    native.lfEscapement = font.escapement;
    native.lfOrientation = font.orientation;
    native.lfWeight = font.weight;
    native.lfItalic = font.italic;
    native.lfUnderline = font.underline;
    native.lfStrikeOut = font.strikeOut;
    native.lfCharSet = font.charSet;
    native.lfOutPrecision = font.outPrecision;
    native.lfClipPrecision = font.clipPrecision;
    native.lfQuality = font.quality;
    native.lfPitchAndFamily = font.pitchAndFamily;
    std::memcpy(native.lfFaceName, font.face.data(),
                std::min(font.face.size(), sizeof native.lfFaceName - 1));
    return native;
}

LogicalFont FromNative(const LOGFONTA& native) {
    LogicalFont font;
    font.height = native.lfHeight;
    font.width = native.lfWidth;
    font.escapement = native.lfEscapement;
    font.orientation = native.lfOrientation;
    font.weight = native.lfWeight;
    font.italic = native.lfItalic;
    font.underline = native.lfUnderline;
    font.strikeOut = native.lfStrikeOut;
    font.charSet = native.lfCharSet;
    font.outPrecision = native.lfOutPrecision;
    font.clipPrecision = native.lfClipPrecision;
    font.quality = native.lfQuality;
    font.pitchAndFamily = native.lfPitchAndFamily;
    font.face.assign(native.lfFaceName, strnlen(native.lfFaceName, sizeof native.lfFaceName));
    return font;
}

} // namespace

bool Win32Platform::ChooseFont(FontChoice& choice, WindowRef owner) {
    LOGFONTA font = ToNative(choice.font);
    CHOOSEFONTA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = reinterpret_cast<HWND>(owner);
    chooser.lpLogFont = &font;
    chooser.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | (choice.showEffects ? CF_EFFECTS : 0);
    chooser.rgbColors = choice.colour;
    {
        const ThreadWindowsDisabled others(chooser.hwndOwner);
        if (!ChooseFontA(&chooser))
            return false;
    }
    const LogicalFont before = choice.font;
    choice.font = FromNative(font);
    // Without its Effects section the chooser does not offer underline, strikeout and colour,
    // and reports the hidden boxes unchecked: those stay as they were.
    if (!choice.showEffects) {
        choice.font.underline = before.underline;
        choice.font.strikeOut = before.strikeOut;
    } else {
        choice.colour = chooser.rgbColors;
    }
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
    bool chosen = false;
    {
        const ThreadWindowsDisabled others(chooser.hwndOwner);
        chosen = ChooseColorA(&chooser) != FALSE;
    }
    // The custom colours are the user's, kept whether or not a colour was chosen.
    for (std::size_t i = 0; i < 16; ++i)
        choice.custom[i] = custom[i];
    if (chosen)
        choice.colour = chooser.rgbResult;
    return chosen;
}

} // namespace qv::platform::win32
