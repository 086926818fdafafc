// Font and Color on the contents pane: the selection's format or the default one, the two
// options that shape the font chooser, and Cancel.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

using namespace platform;

class PaneFormatTest : public MainWindowTest {
  protected:
    void OpenWith(int applyColors, int showEffects, bool selection) {
        SetOption(kSectionMisc, kKeyApplyColors, applyColors);
        SetOption(kSectionMisc, kKeyShowEffects, showEffects);
        Open();
        Pane().SetText("hello world");
        Pane().SetDefaultCharFormat(start);
        Pane().SetSel(0, selection ? 5 : 0);
    }
    static FontChoice Chosen() {
        FontChoice choice;
        choice.font.face = "Arial";
        choice.font.height = -16;
        choice.font.weight = 700;
        choice.font.underline = 1;
        choice.colour = Rgb(200, 0, 0);
        return choice;
    }
    CharFormat Edited(bool selection) {
        return selection ? Pane().GetSelectionCharFormat() : Pane().GetDefaultCharFormat();
    }
    const CharFormat start{"Tahoma",
                           200,
                           Rgb(0, 0, 90),
                           kEffectAutoColor | kEffectItalic,
                           kMaskSize | kMaskColor | kMaskFace | kMaskCharSet,
                           238,
                           0x22};
};

TEST_F(PaneFormatTest, FontChangesTheSelectionOrElseThePanesDefault) {
    for (bool selection : {true, false}) {
        SCOPED_TRACE(selection);
        Close();
        platform.fontsAsked.clear();
        OpenWith(0, 1, selection);
        platform.fontAnswers.push_back(Chosen());
        window->Click(IDC_FONT);
        ASSERT_EQ(platform.fontsAsked.size(), 1u);
        const FontChoice& asked = platform.fontsAsked[0];
        EXPECT_EQ(asked.font.face, "Tahoma");
        EXPECT_EQ(asked.font.height, 13);
        EXPECT_EQ(asked.font.italic, 1);
        EXPECT_EQ(asked.font.charSet, 238);
        EXPECT_EQ(asked.colour, Rgb(0, 0, 90));
        EXPECT_TRUE(asked.showEffects);

        const CharFormat edited = Edited(selection);
        EXPECT_EQ(edited.face, "Arial");
        EXPECT_EQ(edited.heightTwips, 240);
        EXPECT_EQ(edited.effects, std::uint32_t(kEffectBold | kEffectUnderline));
        EXPECT_EQ(edited.color, Rgb(0, 0, 90)) << "colours are not applied";
        if (selection)
            EXPECT_EQ(Pane().GetDefaultCharFormat(), start) << "only the selection changes";
        else
            EXPECT_TRUE(Pane().runs.empty());
    }
}

TEST_F(PaneFormatTest, TheOptionsDecideTheEffectsSectionAndTheColour) {
    struct Case {
        int applyColors, showEffects;
        Color colour;
    };
    const Case cases[] = {{0, 0, Rgb(0, 0, 90)}, {0, 1, Rgb(0, 0, 90)}, {1, 1, Rgb(200, 0, 0)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.applyColors * 10 + c.showEffects);
        Close();
        platform.fontsAsked.clear();
        OpenWith(c.applyColors, c.showEffects, true);
        platform.fontAnswers.push_back(Chosen());
        window->Click(IDC_FONT);
        ASSERT_EQ(platform.fontsAsked.size(), 1u);
        EXPECT_EQ(platform.fontsAsked[0].showEffects, c.showEffects != 0);
        EXPECT_EQ(Edited(true).color, c.colour);
        // Without Apply Colors the colour is not written at all, so each character keeps its own.
        EXPECT_EQ((Edited(true).mask & kMaskColor) != 0, c.applyColors != 0);
    }
}

TEST_F(PaneFormatTest, ColorTurnsAutomaticColourOffForWhatItChanges) {
    for (bool selection : {true, false}) {
        SCOPED_TRACE(selection);
        Close();
        OpenWith(0, 0, selection);
        // A selection of several colours reads without the colour bit.
        CharFormat mixed = start;
        mixed.mask &= ~std::uint32_t(kMaskColor);
        if (selection)
            Pane().SetSelectionCharFormat(mixed);
        ColourChoice picked;
        picked.colour = Rgb(0, 128, 0);
        platform.colourAnswers.push_back(picked);
        window->Click(IDC_COLOR);
        const CharFormat edited = Edited(selection);
        EXPECT_EQ(edited.color, Rgb(0, 128, 0));
        EXPECT_EQ(edited.effects, std::uint32_t(kEffectItalic));
        EXPECT_TRUE(edited.mask & kMaskColor);
        EXPECT_EQ(edited.face, "Tahoma");
    }
}

TEST_F(PaneFormatTest, CancelChangesNothingAndTheSearchTermIsCommittedFirst) {
    OpenWith(1, 1, true);
    window->Type(IDC_SEARCH, "wanted");
    window->Click(IDC_FONT);
    window->Click(IDC_COLOR);
    EXPECT_EQ(platform.fontsAsked.size(), 1u);
    EXPECT_EQ(platform.coloursAsked.size(), 1u);
    EXPECT_TRUE(Pane().runs.empty());
    EXPECT_EQ(Pane().GetDefaultCharFormat(), start);
    std::string term;
    ASSERT_EQ(window->Combo(IDC_SEARCH).GetCount(), 1);
    window->Combo(IDC_SEARCH).GetLBText(0, term);
    EXPECT_EQ(term, "wanted");
}

TEST_F(PaneFormatTest, TheDisplaysResolutionIsAskedForAtEachConversion) {
    OpenWith(0, 1, false);
    platform.pixelsPerInch = 120;
    const int before = platform.pixelsPerInchReads;
    FontChoice chosen = Chosen();
    chosen.font.height = 16;
    platform.fontAnswers.push_back(chosen);
    window->Click(IDC_FONT);
    EXPECT_EQ(platform.pixelsPerInchReads - before, 2);
    EXPECT_EQ(platform.fontsAsked[0].font.height, 16);
    EXPECT_EQ(Pane().GetDefaultCharFormat().heightTwips, 192);
}

// OK in the font chooser with the size it offered, again and again: the pane keeps its size.
TEST_F(PaneFormatTest, RepeatedOksKeepTheSizeAtEveryResolution) {
    for (int perInch : {96, 120, 144, 168, 192, 216, 240, 288}) {
        SCOPED_TRACE(perInch);
        Close();
        platform.fontsAsked.clear();
        OpenWith(0, 0, false);
        platform.pixelsPerInch = perInch;
        window->Click(IDC_FONT); // cancelled: only what the chooser is offered
        ASSERT_EQ(platform.fontsAsked.size(), 1u);
        const int offered = platform.fontsAsked[0].font.height;
        FontChoice same = platform.fontsAsked[0];
        same.font.height = -offered; // the chooser answers in character heights
        for (int ok = 1; ok <= 10; ++ok) {
            platform.fontAnswers.push_back(same);
            window->Click(IDC_FONT);
            ASSERT_EQ(platform.fontsAsked.size(), std::size_t(ok) + 1);
            EXPECT_EQ(platform.fontsAsked.back().font.height, offered) << "after " << ok;
        }
        const int twips = Pane().GetDefaultCharFormat().heightTwips;
        platform.fontAnswers.push_back(same);
        window->Click(IDC_FONT);
        EXPECT_EQ(Pane().GetDefaultCharFormat().heightTwips, twips);
    }
}

} // namespace
} // namespace qv::test
