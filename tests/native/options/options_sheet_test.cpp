// The sheet as a whole: its pages and where it starts, and settings handed back on OK only.
#include "options_fixture.h"

namespace qv::test {
namespace {

TEST_F(OptionsTest, FivePagesInOrderStartingOnThePageShownLast) {
    std::vector<std::string> captions;
    RunSheet([&](HeadlessSheet& s) {
        EXPECT_EQ(s.ActivePage(), 0);
        for (int i = 0; i < COptionsSheet::PageCount(); ++i)
            captions.push_back(s.Page(i).GetTitle());
        s.ShowPage(COptionsSheet::PageOf(IDD_OPTIONS_NUMBERS));
        s.PressCancel();
    });
    EXPECT_EQ(captions, (std::vector<std::string>{"Start Up", "Saving", "Searching", "Numbers",
                                                  "Miscellaneous"}));
    RunSheet([](HeadlessSheet& s) {
        EXPECT_EQ(s.ActivePage(), COptionsSheet::PageOf(IDD_OPTIONS_NUMBERS));
        s.PressCancel();
    });
    // A new run of the program starts on the first page again.
    int freshRun = 0;
    COptionsSheet restarted{platform, host, programName, freshRun};
    platform.OnSheet([](HeadlessSheet& s) {
        EXPECT_EQ(s.ActivePage(), 0);
        s.PressCancel();
    });
    restarted.Run(owner, settings);
}

TEST_F(OptionsTest, OkHandsTheEditedValuesBackAndCancelNothing) {
    settings.showDayTip = 1;
    settings.dayTipIndex = 7;
    EXPECT_FALSE(OnPage(IDD_OPTIONS_START_UP, [](HeadlessDialog& page, HeadlessSheet& s) {
        page.Click(IDC_STARTUP_DAY_TIP);
        s.PressCancel();
    }));
    EXPECT_EQ(settings.showDayTip, 1);
    EXPECT_TRUE(OnPage(IDD_OPTIONS_START_UP, [](HeadlessDialog& page, HeadlessSheet&) {
        page.Click(IDC_STARTUP_DAY_TIP);
    }));
    EXPECT_EQ(settings.showDayTip, 0);
    EXPECT_EQ(settings.dayTipIndex, 7);
    EXPECT_EQ(platform.fontsAsked.size(), 0u);
}

TEST_F(OptionsTest, PagesNeverOpenedKeepTheirValuesEvenOutsideWhatTheyOffer) {
    settings.changeLimit = 150;
    settings.historyLimit = 1000;
    settings.confirmExit = 5;
    settings.separation = 12;
    EXPECT_TRUE(RunSheet([](HeadlessSheet& s) { s.PressOk(); }));
    EXPECT_EQ(settings.changeLimit, 150);
    EXPECT_EQ(settings.historyLimit, 1000);
    EXPECT_EQ(settings.confirmExit, 5);
    EXPECT_EQ(settings.separation, 12);
}

TEST_F(OptionsTest, StartUpShowsAnyNonZeroFlagAsCheckedAndStoresOne) {
    settings.restoreWndPlacement = 0;
    settings.startMinimized = 3;
    settings.showDayTip = 1;
    EXPECT_TRUE(OnPage(IDD_OPTIONS_START_UP, [](HeadlessDialog& page, HeadlessSheet&) {
        EXPECT_FALSE(page.Btn(IDC_STARTUP_RESTORE).IsChecked());
        EXPECT_TRUE(page.Btn(IDC_STARTUP_MINIMIZED).IsChecked());
        EXPECT_TRUE(page.Btn(IDC_STARTUP_DAY_TIP).IsChecked());
        page.Click(IDC_STARTUP_RESTORE);
    }));
    EXPECT_EQ(settings.restoreWndPlacement, 1);
    EXPECT_EQ(settings.startMinimized, 1);
}

} // namespace
} // namespace qv::test
