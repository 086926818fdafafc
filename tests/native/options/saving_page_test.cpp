// The Saving page: the Change Limit list, the change counter, and writing or reading the data
// file at once.
#include "options/saving_page.h"
#include "options_fixture.h"

namespace qv::test {
namespace {

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

TEST_F(OptionsTest, ChangeCounterReadsInTheSingularOnlyForOne) {
    const std::pair<int, const char*> cases[] = {
        {0, "0 changes"}, {1, "1 change"}, {12, "12 changes"}, {1234, "1234 changes"}};
    for (const auto& [count, text] : cases)
        EXPECT_EQ(ChangeCountText(platform.strings, count), text);
}

TEST_F(OptionsTest, ChangeLimitListOffersOneToNinetyNine) {
    const std::pair<int, int> cases[] = {{10, 9}, {1, 0}, {99, 98}, {0, -1}, {150, -1}, {-3, -1}};
    for (const auto& c : cases) {
        const int stored = c.first, selected = c.second;
        SCOPED_TRACE(stored);
        settings.changeLimit = stored;
        host.changes = 3;
        EXPECT_TRUE(OnPage(IDD_OPTIONS_SAVING, [&](HeadlessDialog& page, HeadlessSheet&) {
            auto& list = page.Combo(IDC_SAVING_CHANGE_LIMIT);
            ASSERT_EQ(list.GetCount(), 99);
            std::string first, last;
            list.GetLBText(0, first);
            list.GetLBText(98, last);
            EXPECT_EQ(first + " " + last, "1 99");
            EXPECT_EQ(list.GetCurSel(), selected);
            EXPECT_EQ(page.Label(IDC_SAVING_CHANGES).GetText(), "3 changes");
        }));
        // Confirmed with no selection, every change writes the data file.
        EXPECT_EQ(settings.changeLimit, selected + 1);
    }
    settings.changeLimit = 10;
    EXPECT_TRUE(OnPage(IDD_OPTIONS_SAVING, [](HeadlessDialog& page, HeadlessSheet&) {
        page.Combo(IDC_SAVING_CHANGE_LIMIT).SetCurSel(24);
    }));
    EXPECT_EQ(settings.changeLimit, 25);
}

TEST_F(OptionsTest, SaveDataFileTurnsCancelIntoCloseAndSaysSo) {
    host.changes = 4;
    OnPage(IDD_OPTIONS_SAVING, [&](HeadlessDialog& page, HeadlessSheet& s) {
        host.changes = 0; // as the save leaves it
        page.Click(IDC_SAVING_SAVE);
        EXPECT_TRUE(s.CancelIsClose());
        EXPECT_EQ(page.Label(IDC_SAVING_CHANGES).GetText(), "0 changes");
        s.PressCancel();
    });
    EXPECT_EQ(host.calls, (std::vector<std::string>{"save"}));
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    const auto& shown = platform.messages.shown[0];
    EXPECT_EQ(shown.text, "Finished writing to the data file.");
    EXPECT_EQ(shown.caption, "Quorvane");
    EXPECT_EQ(shown.icon, MsgIcon::Information);
}

TEST_F(OptionsTest, AFailedSaveOrLoadLeavesTheSheetAsItWas) {
    host.saves = host.loads = false;
    OnPage(IDD_OPTIONS_SAVING, [&](HeadlessDialog& page, HeadlessSheet& s) {
        page.Click(IDC_SAVING_SAVE);
        page.Click(IDC_SAVING_LOAD);
        EXPECT_FALSE(s.CancelIsClose());
        s.PressCancel();
    });
    EXPECT_EQ(host.calls, (std::vector<std::string>{"save", "load"}));
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(OptionsTest, LoadDataFileAsksFirstWhenNewItemsWouldBeLost) {
    struct Case {
        int changes;
        MsgResult answer;
        bool loads;
    };
    const Case cases[] = {
        {0, MsgResult::Yes, true}, {2, MsgResult::No, false}, {2, MsgResult::Yes, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.changes);
        host = FakeHost();
        host.changes = c.changes;
        platform.messages.shown.clear();
        platform.messages.Answer(c.answer);
        OnPage(IDD_OPTIONS_SAVING, [&](HeadlessDialog& page, HeadlessSheet& s) {
            page.Click(IDC_SAVING_LOAD);
            EXPECT_EQ(s.CancelIsClose(), c.loads);
            s.PressCancel();
        });
        platform.messages.answers.clear();
        EXPECT_EQ(host.calls.size(), c.loads ? 1u : 0u);
        if (c.changes > 0) {
            ASSERT_FALSE(platform.messages.shown.empty());
            EXPECT_EQ(platform.messages.shown[0].text, "Your new items will be lost.  Proceed?");
            EXPECT_EQ(platform.messages.shown[0].buttons, MsgButtons::YesNo);
            EXPECT_EQ(platform.messages.shown[0].icon, MsgIcon::Question);
        }
        EXPECT_EQ(LastMessage(), c.loads ? "Finished reading from the data file."
                                         : "Your new items will be lost.  Proceed?");
    }
}

} // namespace
} // namespace qv::test
