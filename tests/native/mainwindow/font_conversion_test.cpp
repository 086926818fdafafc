// The pane's character format into the font chooser's logical font and back, at the display's
// resolution.
#include "mainwindow/font_conversion.h"
#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace platform;

TEST(FontConversion, HeightsInPixelsAndBackInTwipsRoundedUp) {
    struct Case {
        int twips;
        int pixelsPerInch;
        int offered; // pixels
        int back;    // twips
    };
    const Case cases[] = {
        {200, 96, 13, 195},
        {200, 120, 16, 192},
        {240, 96, 16, 240},
        {-200, 96, 13, 195},
        {0, 96, 0, 0},
        {200, 144, 20, 200},
        // Where the resolution does not divide 1440: 23 pixels are 197.1 twips at 168.
        {200, 168, 23, 198},
        {200, 192, 26, 195},
        {200, 216, 30, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.twips) + " twips at " + std::to_string(c.pixelsPerInch));
        CharFormat format;
        format.heightTwips = c.twips;
        LogicalFont font;
        FormatToFont(format, c.pixelsPerInch, font);
        EXPECT_EQ(font.height, c.offered);
        FontToFormat(font, c.pixelsPerInch, format);
        EXPECT_EQ(format.heightTwips, c.back);
        // The chooser gives character heights as negative pixels; the size is the same.
        font.height = -font.height;
        FontToFormat(font, c.pixelsPerInch, format);
        EXPECT_EQ(format.heightTwips, c.back);
    }
}

// What the user last chose is what the chooser offers next, however often the pane's format
// goes through it.
TEST(FontConversion, RoundTripsKeepTheSizeAtEveryResolution) {
    for (int perInch : {96, 120, 144, 168, 192, 216, 240, 288}) {
        for (int chosen = 1; chosen <= 100; ++chosen) {
            SCOPED_TRACE(std::to_string(chosen) + " pixels at " + std::to_string(perInch));
            LogicalFont font;
            font.height = -chosen;
            CharFormat format;
            FontToFormat(font, perInch, format);
            const int twips = format.heightTwips;
            for (int ok = 0; ok < 10; ++ok) {
                FormatToFont(format, perInch, font);
                ASSERT_EQ(font.height, chosen) << "after " << ok << " OKs";
                FontToFormat(font, perInch, format);
                ASSERT_EQ(format.heightTwips, twips) << "after " << ok << " OKs";
            }
        }
    }
}

TEST(FontConversion, EffectsBecomeWeightAndFlagBytesAndBack) {
    struct Case {
        std::uint32_t effects;
        int weight;
        std::uint8_t italic, underline, strikeOut;
    };
    const Case cases[] = {
        {0, 400, 0, 0, 0},
        {kEffectBold, 700, 0, 0, 0},
        {kEffectItalic | kEffectUnderline, 400, 1, 1, 0},
        {kEffectStrikeout | kEffectAutoColor, 400, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.effects);
        CharFormat format;
        format.effects = c.effects;
        LogicalFont font;
        FormatToFont(format, 96, font);
        EXPECT_EQ(font.weight, c.weight);
        EXPECT_EQ(font.italic, c.italic);
        EXPECT_EQ(font.underline, c.underline);
        EXPECT_EQ(font.strikeOut, c.strikeOut);
        FontToFormat(font, 96, format);
        // Automatic colour is not the chooser's: the chosen font's effects start afresh.
        EXPECT_EQ(format.effects, c.effects & ~std::uint32_t(kEffectAutoColor));
    }
}

TEST(FontConversion, FromTheChooserBoldFromSevenHundredAndUnderlineOnlyForOne) {
    struct Case {
        int weight;
        std::uint8_t italic, underline, strikeOut;
        std::uint32_t effects;
    };
    const Case cases[] = {
        {699, 0, 0, 0, 0},
        {700, 0, 0, 0, kEffectBold},
        {900, 2, 0, 0, kEffectBold | kEffectItalic},
        {400, 0, 2, 2, 0},
        {400, 0, 1, 1, kEffectUnderline | kEffectStrikeout},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weight);
        LogicalFont font;
        font.weight = c.weight;
        font.italic = c.italic;
        font.underline = c.underline;
        font.strikeOut = c.strikeOut;
        CharFormat format;
        format.effects = kEffectAutoColor;
        FontToFormat(font, 96, format);
        EXPECT_EQ(format.effects, c.effects);
    }
}

TEST(FontConversion, FaceFamilyAndCharacterSet) {
    CharFormat format;
    format.face = "Courier New";
    format.pitchAndFamily = 0x31;
    format.charSet = 204;
    format.color = Rgb(1, 2, 3);
    LogicalFont font;
    font.charSet = 1;
    font.width = 7;
    font.quality = 3;
    FormatToFont(format, 96, font);
    EXPECT_EQ(font.face, "Courier New");
    EXPECT_EQ(font.pitchAndFamily, 0x31);
    EXPECT_EQ(font.width, 0);
    EXPECT_EQ(font.quality, 0);
    EXPECT_EQ(font.charSet, 1) << "taken only when the mask says it is valid";
    format.mask = kMaskCharSet;
    FormatToFont(format, 96, font);
    EXPECT_EQ(font.charSet, 204);

    font.face = "Arial";
    font.pitchAndFamily = 0x22;
    font.charSet = 0;
    FontToFormat(font, 96, format);
    EXPECT_EQ(format.face, "Arial");
    EXPECT_EQ(format.pitchAndFamily, 0x22);
    EXPECT_EQ(format.charSet, 0);
    EXPECT_EQ(format.color, Rgb(1, 2, 3)) << "the colour is the caller's to set";
    EXPECT_EQ(format.mask,
              std::uint32_t(kMaskSize | kMaskColor | kMaskFace | kMaskBold | kMaskItalic |
                            kMaskUnderline | kMaskStrikeout | kMaskCharSet));
}

} // namespace
} // namespace qv
