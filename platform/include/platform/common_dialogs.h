// Plain data in and out of the platform's property sheet and its font and colour choosers.
#pragma once
#include "platform/dialog_template.h"
#include "platform/types.h"
#include <array>
#include <cstdint>
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

// The font as the font chooser takes and gives it, field for field the platform's logical font.
// A negative height asks for the character height, a positive one for the cell height, in pixels.
struct LogicalFont {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0; // 400 normal, 700 bold
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string face; // at most 31 characters reach the chooser
};

// The chooser starts from font and colour (screen fonts only) and gives them back on OK.
struct FontChoice {
    LogicalFont font;
    Color colour = 0;
    bool showEffects = true; // the chooser's Effects section (underline, strikeout, colour)
};

struct ColourChoice {
    Color colour = 0;
    std::array<Color, 16> custom{}; // the chooser's custom colours, kept between calls
};

} // namespace qv::platform
