// Font and Color on the real contents pane with the real choosers, answered as a user would: the
// selection's format or the default one read back from the control.
#include "chooser_answerer.h"
#include "mainwindow/pane_format.h"
#include "win32_fixture.h"
#include <gtest/gtest.h>
#include <richedit.h>

namespace qv::win32test {
namespace {

class PaneFormat : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_ = OpenDialog(events_);
        ASSERT_TRUE(dialog_);
        format_ = std::make_unique<CPaneFormat>(TestPlatform(), *dialog_, settings_);
        Pane().SetText("hello world");
    }
    platform::IRichEdit& Pane() { return dialog_->RichEdit(IDC_CONTENTS); }
    platform::CharFormat FormatOf(long start, long end) {
        Pane().SetSel(start, end);
        return Pane().GetSelectionCharFormat();
    }
    // Chooses Bold in the font chooser; whether it showed its Effects section.
    bool ChooseBold() {
        bool effectsShown = false;
        Answerer ok("Font", IDOK, [&](HWND chooser) {
            const HWND underline = GetDlgItem(chooser, kUnderline);
            effectsShown = underline && IsWindowVisible(underline);
            Pick(chooser, kStyleList, Find(chooser, kStyleList, "Bold"));
        });
        format_->ChooseFont();
        return effectsShown;
    }
    RecordingEvents events_;
    std::unique_ptr<pw::Win32Dialog> dialog_;
    CSettings settings_;
    std::unique_ptr<CPaneFormat> format_;
};

TEST_F(PaneFormat, AFontForASelectionChangesOnlyTheSelection) {
    const platform::CharFormat before = Pane().GetDefaultCharFormat();
    Pane().SetSel(0, 5);
    ChooseBold();
    EXPECT_TRUE(FormatOf(0, 5).effects & CFE_BOLD);
    EXPECT_FALSE(FormatOf(6, 11).effects & CFE_BOLD);
    const platform::CharFormat after = Pane().GetDefaultCharFormat();
    EXPECT_FALSE(after.effects & CFE_BOLD);
    EXPECT_EQ(after.face, before.face);
    EXPECT_EQ(after.heightTwips, before.heightTwips);
}

TEST_F(PaneFormat, AFontWithoutASelectionChangesTheDefaultFormat) {
    Pane().SetSel(3, 3);
    ChooseBold();
    EXPECT_TRUE(Pane().GetDefaultCharFormat().effects & CFE_BOLD);
}

TEST_F(PaneFormat, ShowEffectsDecidesWhetherTheChooserHasItsEffectsSection) {
    for (int showEffects : {0, 1}) {
        SCOPED_TRACE(showEffects);
        settings_.showEffects = showEffects;
        Pane().SetSel(0, 5);
        EXPECT_EQ(ChooseBold(), showEffects != 0);
    }
}

TEST_F(PaneFormat, AColourPickedReachesTheTextAndTurnsAutomaticColourOff) {
    ASSERT_TRUE(FormatOf(0, 5).effects & CFE_AUTOCOLOR) << "the pane starts in automatic colour";
    Pane().SetSel(0, 5);
    {
        Answerer ok("Color", IDOK,
                    [](HWND chooser) { SetDlgItemTextA(chooser, kRedField, "100"); });
        format_->ChooseColour();
    }
    const platform::CharFormat picked = FormatOf(0, 5);
    EXPECT_FALSE(picked.effects & CFE_AUTOCOLOR);
    EXPECT_EQ(GetRValue(picked.color), 100);
    EXPECT_TRUE(FormatOf(6, 11).effects & CFE_AUTOCOLOR);
    {
        Answerer cancel("Color", IDCANCEL);
        Pane().SetSel(6, 11);
        format_->ChooseColour();
    }
    EXPECT_TRUE(FormatOf(6, 11).effects & CFE_AUTOCOLOR);
}

} // namespace
} // namespace qv::win32test
