// The main window shows the Tip of the Day at start-up when asked to and on Ctrl+T, and keeps what
// the tip leaves in the settings.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

using platform::headless::HeadlessComboBox;

class TipOfTheDayTest : public MainWindowTest {
  protected:
    int Stored(const char* key) { return platform.settings.GetInt(kSectionStartUp, key, -99); }
};

TEST_F(TipOfTheDayTest, ShowsAtStartUpOnceTheWindowIsShownAndTheTermsAreLoaded) {
    platform.settings.WriteString(kSectionSearching, SearchTermKey(0), "stored term");
    platform.clipboard.PutFromOtherApp("on the clipboard at start");
    bool shown = false;
    platform.OnDialog(IDD_TIP, [&](HeadlessDialog& tip) {
        shown = true;
        HeadlessDialog* main = platform.FindOpen(IDD_MAIN);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(tip.Owner(), main->Handle());
        EXPECT_EQ(main->lastShowCmd, platform::kShowNormal) << "the window is shown first";
        EXPECT_EQ(main->Combo(IDC_SEARCH).GetCount(), 1) << "the terms are loaded first";
        EXPECT_EQ(main->List(IDC_HISTORY).GetCount(), 0) << "the clipboard is taken afterwards";
        EXPECT_EQ(tip.Combo(IDC_TIP_NUMBER).GetCurSel(), 0);
        tip.Click(IDC_TIP_STARTUP);
        tip.PressClose();
    });
    Open();
    EXPECT_TRUE(shown);
    EXPECT_EQ(Stored(kKeyShowDayTip), 0);
    EXPECT_EQ(Stored(kKeyDayTipIndex), 1);
    EXPECT_GT(List().focusCount, 0) << "the History list has the focus afterwards";
    EXPECT_EQ(List().GetCount(), 1);
}

TEST_F(TipOfTheDayTest, StaysAwayAtStartUpWhenTurnedOff) {
    SetOption(kSectionStartUp, kKeyShowDayTip, 0);
    platform.OnDialog(IDD_TIP, [](HeadlessDialog&) { ADD_FAILURE() << "the tip showed"; });
    Open();
    EXPECT_EQ(Stored(kKeyDayTipIndex), -99) << "nothing was written";
}

TEST_F(TipOfTheDayTest, CtrlTShowsTheNextTipAndEscKeepsTheSetting) {
    SetOption(kSectionStartUp, kKeyShowDayTip, 0);
    SetOption(kSectionStartUp, kKeyDayTipIndex, 22);
    Open();
    platform.OnDialog(IDD_TIP, [](HeadlessDialog& tip) {
        EXPECT_EQ(tip.Combo(IDC_TIP_NUMBER).GetCurSel(), 22);
        EXPECT_FALSE(tip.Button(IDC_TIP_NEXT).IsEnabled());
        EXPECT_FALSE(tip.Button(IDC_TIP_LAST).IsEnabled());
        tip.Click(IDC_TIP_STARTUP);
        tip.PressClose();
    });
    ASSERT_TRUE(window->ChooseMenuEntry(IDM_TIP));
    EXPECT_EQ(Stored(kKeyShowDayTip), 1);
    EXPECT_EQ(Stored(kKeyDayTipIndex), 23);

    platform.OnDialog(IDD_TIP, [](HeadlessDialog& tip) {
        EXPECT_EQ(tip.Combo(IDC_TIP_NUMBER).GetCurSel(), 0) << "23 wraps round to the first tip";
        tip.Click(IDC_TIP_STARTUP);
        tip.PressEscape();
    });
    ASSERT_TRUE(window->ChooseMenuEntry(IDM_TIP));
    EXPECT_EQ(Stored(kKeyShowDayTip), 1) << "Esc keeps the setting";
    EXPECT_EQ(Stored(kKeyDayTipIndex), 1);
    EXPECT_EQ(platform.unfinishedRuns, 0);
}

} // namespace
} // namespace qv::test
