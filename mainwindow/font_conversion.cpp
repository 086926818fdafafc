#include "mainwindow/font_conversion.h"
#include <cstdlib>

namespace qv {

namespace {
constexpr int kTwipsPerInch = 1440;
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;
// A display that reports no resolution is taken at the usual one rather than divided by.
int Usable(int pixelsPerInch) {
    return pixelsPerInch > 0 ? pixelsPerInch : 96;
}
} // namespace

void FormatToFont(const platform::CharFormat& format, int pixelsPerInch,
                  platform::LogicalFont& font) {
    const long long pixels =
        static_cast<long long>(format.heightTwips) * Usable(pixelsPerInch) / kTwipsPerInch;
    font.height = static_cast<int>(std::llabs(pixels));
    font.width = 0;
    font.escapement = 0;
    font.outPrecision = 0;
    font.clipPrecision = 0;
    font.quality = 0;
    font.pitchAndFamily = format.pitchAndFamily;
    font.face = format.face;
    font.weight = (format.effects & platform::kEffectBold) ? kBoldWeight : kNormalWeight;
    font.italic = (format.effects & platform::kEffectItalic) ? 1 : 0;
    font.underline = (format.effects & platform::kEffectUnderline) ? 1 : 0;
    font.strikeOut = (format.effects & platform::kEffectStrikeout) ? 1 : 0;
    if (format.mask & platform::kMaskCharSet)
        font.charSet = format.charSet;
}

void FontToFormat(const platform::LogicalFont& font, int pixelsPerInch,
                  platform::CharFormat& format) {
    format.mask = platform::kMaskSize | platform::kMaskColor | platform::kMaskFace |
                  platform::kMaskBold | platform::kMaskItalic | platform::kMaskUnderline |
                  platform::kMaskStrikeout;
    format.effects = 0;
    format.face = font.face;
    format.pitchAndFamily = font.pitchAndFamily;
    // Rounded up to the least whole twips that FormatToFont, which truncates, turns back into the
    // same pixels: a whole number of twips per pixel (1440 / 168 as 8) would lose a little of
    // the size at every round trip where the resolution does not divide 1440.
    const long long pixels = std::llabs(static_cast<long long>(font.height));
    const int perInch = Usable(pixelsPerInch);
    format.heightTwips = static_cast<int>((pixels * kTwipsPerInch + perInch - 1) / perInch);
    if (font.weight >= kBoldWeight)
        format.effects |= platform::kEffectBold;
    if (font.italic != 0)
        format.effects |= platform::kEffectItalic;
    if (font.underline == 1)
        format.effects |= platform::kEffectUnderline;
    if (font.strikeOut == 1)
        format.effects |= platform::kEffectStrikeout;
    format.charSet = font.charSet;
    format.mask |= platform::kMaskCharSet;
}

} // namespace qv
