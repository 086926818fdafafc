// The Miscellaneous page: the History Limit list, the limit and colour rules.
#include "options_fixture.h"

namespace qv::test {
namespace {

TEST_F(OptionsTest, HistoryLimitListShowsTheStoredLimitRoundedDown) {
    struct Case {
        int stored;
        int selected;
        int confirmed;
    };
    // Outside 50 to 999 nothing is selected and OK keeps the stored limit.
    const Case cases[] = {{250, 4, 250}, {275, 4, 250},    {50, 0, 50},   {999, 18, 950},
                          {49, -1, 49},  {1000, -1, 1000}, {-50, -1, -50}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        settings.historyLimit = c.stored;
        EXPECT_TRUE(OnPage(IDD_OPTIONS_MISC, [&](HeadlessDialog& page, HeadlessSheet&) {
            auto& list = page.Combo(IDC_MISC_HISTORY_LIMIT);
            ASSERT_EQ(list.GetCount(), 19);
            std::string last;
            list.GetLBText(18, last);
            EXPECT_EQ(last, "950");
            EXPECT_EQ(list.GetCurSel(), c.selected);
        }));
        EXPECT_EQ(settings.historyLimit, c.confirmed);
    }
}

TEST_F(OptionsTest, TheLimitListIsOfferedWhileTheLimitIsOn) {
    settings.useLimit = 0;
    EXPECT_TRUE(OnPage(IDD_OPTIONS_MISC, [](HeadlessDialog& page, HeadlessSheet&) {
        EXPECT_FALSE(page.Control(IDC_MISC_HISTORY_LIMIT).IsEnabled());
        page.Click(IDC_MISC_USE_LIMIT);
        EXPECT_TRUE(page.Control(IDC_MISC_HISTORY_LIMIT).IsEnabled());
        page.Combo(IDC_MISC_HISTORY_LIMIT).SetCurSel(1);
        page.Click(IDC_MISC_CONFIRM_EXIT);
    }));
    EXPECT_EQ(settings.useLimit, 1);
    EXPECT_EQ(settings.historyLimit, 100);
    EXPECT_EQ(settings.confirmExit, 0);
}

TEST_F(OptionsTest, ApplyingColoursChecksAndGreysTheEffectsBox) {
    settings.applyColors = 1;
    settings.showEffects = 0;
    EXPECT_TRUE(OnPage(IDD_OPTIONS_MISC, [](HeadlessDialog& page, HeadlessSheet&) {
        auto& effects = page.Btn(IDC_MISC_SHOW_EFFECTS);
        EXPECT_TRUE(effects.IsChecked());
        EXPECT_FALSE(effects.IsEnabled());
        page.Click(IDC_MISC_APPLY_COLORS);
        EXPECT_TRUE(effects.IsChecked());
        EXPECT_TRUE(effects.IsEnabled());
        page.Click(IDC_MISC_SHOW_EFFECTS);
        page.Click(IDC_MISC_APPLY_COLORS);
        EXPECT_TRUE(effects.IsChecked());
        page.Click(IDC_MISC_APPLY_COLORS);
    }));
    EXPECT_EQ(settings.applyColors, 0);
    EXPECT_EQ(settings.showEffects, 1);
}

} // namespace
} // namespace qv::test
