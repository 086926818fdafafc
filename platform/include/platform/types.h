// Plain value types that cross the platform boundary.
#pragma once
#include <cstdint>
#include <string>

namespace qv::platform {

// An opaque window handle; 0 means none.
using WindowRef = std::uintptr_t;

// The parameters a clipboard-change notice arrived with; passed on unchanged to the next viewer.
struct ClipboardNotice {
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// The eight fields of the platform's local-time record; year 0 means unknown.
struct LocalTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t millisecond = 0;
};

enum class MsgIcon { Information, Exclamation, Stop, Question, None };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No, Cancel };

// Character format of the rich-text pane, as much of it as the program handles. The mask and
// effects bits are the platform's own (the constants below).
struct CharFormat {
    std::string face;
    int heightTwips = 0;
    std::uint32_t color = 0; // 0x00BBGGRR
    std::uint32_t effects = 0;
    std::uint32_t mask = 0;
    std::uint8_t charSet = 0;
    std::uint8_t pitchAndFamily = 0;
    bool operator==(const CharFormat& o) const {
        return face == o.face && heightTwips == o.heightTwips && color == o.color &&
               effects == o.effects && mask == o.mask && charSet == o.charSet &&
               pitchAndFamily == o.pitchAndFamily;
    }
};

// Which fields of a CharFormat are valid.
enum CharFormatMask : std::uint32_t {
    kMaskBold = 0x1,
    kMaskItalic = 0x2,
    kMaskUnderline = 0x4,
    kMaskStrikeout = 0x8,
    kMaskCharSet = 0x08000000,
    kMaskFace = 0x20000000,
    kMaskColor = 0x40000000,
    kMaskSize = 0x80000000,
};
// A CharFormat's effects.
enum CharFormatEffects : std::uint32_t {
    kEffectBold = 0x1,
    kEffectItalic = 0x2,
    kEffectUnderline = 0x4,
    kEffectStrikeout = 0x8,
    kEffectAutoColor = 0x40000000,
};

// A colour as the platform stores it: 0x00BBGGRR.
using Color = std::uint32_t;
constexpr Color Rgb(unsigned red, unsigned green, unsigned blue) {
    return Color(red & 0xFF) | Color(green & 0xFF) << 8 | Color(blue & 0xFF) << 16;
}

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The window's placement: flags, show state and normal (restored) rectangle.
struct Placement {
    int flags = 0;
    int showCmd = 0;
    Rect normal;
};

// Show states used by the program (values as the platform defines them).
enum ShowCmd : int { kShowNormal = 1, kShowMinimized = 2, kShowMinimize = 6, kShowRestore = 9 };

} // namespace qv::platform
