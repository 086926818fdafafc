// The Searching page: reference point, typos with their separation, and Clear Search List.
#include "options_fixture.h"

namespace qv::test {
namespace {

TEST_F(OptionsTest, SearchingPageShowsTheSettingsAndReadsThemBack) {
    settings.useFirstFound = 0;
    settings.allowTypos = 1;
    settings.separation = 4;
    EXPECT_TRUE(OnPage(IDD_OPTIONS_SEARCHING, [](HeadlessDialog& page, HeadlessSheet&) {
        EXPECT_FALSE(page.Btn(IDC_SEARCHING_FIRST).IsChecked());
        EXPECT_TRUE(page.Btn(IDC_SEARCHING_LAST).IsChecked());
        EXPECT_TRUE(page.Btn(IDC_SEARCHING_TYPOS).IsChecked());
        auto& bar = page.Get<platform::headless::HeadlessTrackBar>(IDC_SEARCHING_SEPARATION);
        EXPECT_EQ(bar.minimum, 1);
        EXPECT_EQ(bar.maximum, 9);
        EXPECT_EQ(bar.lineSize, 1);
        EXPECT_EQ(bar.pageSize, 1);
        EXPECT_EQ(bar.GetPos(), 4);
        page.Click(IDC_SEARCHING_FIRST);
        bar.SetPos(7);
    }));
    EXPECT_EQ(settings.useFirstFound, 1);
    EXPECT_EQ(settings.allowTypos, 1);
    EXPECT_EQ(settings.separation, 7);
}

TEST_F(OptionsTest, SeparationIsOfferedOnlyWhileTyposAreAllowed) {
    settings.allowTypos = 0;
    settings.separation = 15; // shown at the nearer end, and stored so once confirmed
    EXPECT_TRUE(OnPage(IDD_OPTIONS_SEARCHING, [](HeadlessDialog& page, HeadlessSheet&) {
        const int parts[] = {IDC_SEARCHING_SEPARATION, IDC_SEARCHING_SEPARATION_LABEL,
                             IDC_SEARCHING_LOW, IDC_SEARCHING_HIGH};
        for (bool allowed : {false, true, false}) {
            for (int id : parts)
                EXPECT_EQ(page.Control(id).IsEnabled(), allowed) << id;
            page.Click(IDC_SEARCHING_TYPOS);
        }
    }));
    EXPECT_EQ(settings.allowTypos, 1);
    EXPECT_EQ(settings.separation, 9);
}

TEST_F(OptionsTest, ClearSearchListActsAtOnceAndOnlyWhenThereAreTerms) {
    for (int terms : {0, 2}) {
        SCOPED_TRACE(terms);
        host = FakeHost();
        host.terms = terms;
        OnPage(IDD_OPTIONS_SEARCHING, [&](HeadlessDialog& page, HeadlessSheet& s) {
            EXPECT_EQ(page.Btn(IDC_SEARCHING_CLEAR).IsEnabled(), terms > 0);
            page.Click(IDC_SEARCHING_CLEAR);
            EXPECT_FALSE(page.Btn(IDC_SEARCHING_CLEAR).IsEnabled());
            if (terms > 0) {
                // The button had the focus from its press and passes it on as Tab would.
                EXPECT_EQ(page.Focused(), IDC_SEARCHING_FIRST);
            }
            s.PressCancel();
        });
        EXPECT_EQ(host.calls.size(), terms > 0 ? 1u : 0u);
    }
}

} // namespace
} // namespace qv::test
