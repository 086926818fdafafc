// Plain data in and out of the platform's property sheet and its font and colour choosers.
#pragma once
#include "platform/dialog_template.h"
#include "platform/types.h"
#include <array>
#include <string>
#include <vector>

namespace qv::platform {

class IPageEvents;

struct SheetPage {
    const DialogTemplate* page = nullptr;
    IPageEvents* events = nullptr;
};

struct SheetContents {
    std::string caption;
    std::vector<SheetPage> pages;
    WindowRef owner = 0;
    int startPage = 0;
};

struct SheetResult {
    bool ok = false;     // ended with OK (every page applied), not Cancel or Close
    int activePage = 0;  // the page shown when the sheet ended
    bool failed = false; // the sheet could not be made
};

// The font chooser's fields. effects: kFontBold | kFontItalic | kFontUnderline | kFontStrikeout.
enum FontEffects : unsigned {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeout = 8,
};
struct FontChoice {
    std::string face;
    int heightTwips = 0;
    unsigned effects = 0;
    Color colour = 0;
    bool showEffects = true; // the chooser's Effects section (underline, strikeout, colour)
};

struct ColourChoice {
    Color colour = 0;
    std::array<Color, 16> custom{}; // the chooser's custom colours, kept between calls
};

} // namespace qv::platform
