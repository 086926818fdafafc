// The mark: set on one selected item, returned to with one command from the button or Ctrl+K,
// lowered as lines leave the top, and its labels always telling which command comes next.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

class MarkPointTest : public MainWindowTest {
  protected:
    void SetUp() override {
        platform.files.CreateFolder("C:\\Data");
        Open();
    }
    void ExpectLabels(bool set) {
        EXPECT_EQ(window->Btn(IDC_SET_MARK).GetText(), set ? "Ret. to Mar&k" : "Set Mar&k");
        EXPECT_EQ(window->menu.Find(IDM_MARK)->text,
                  set ? "Return to Mar&k\tCtrl+K" : "Set Mar&k\tCtrl+K");
    }
    std::string TakeMessage() {
        const std::string text = LastMessage();
        EXPECT_EQ(platform.messages.shown.size(), 1u);
        if (!platform.messages.shown.empty())
            EXPECT_EQ(platform.messages.shown.back().icon, platform::MsgIcon::Information);
        platform.messages.shown.clear();
        return text;
    }
};

TEST_F(MarkPointTest, ReturnToMarkRecallsTheMarkedItemAndNextGoesOn) {
    CopyItems(8);
    SelectByUser({5}, 5);
    HoldOnClipboard("held");
    window->Click(IDC_SET_MARK);
    ExpectLabels(true);
    EXPECT_EQ(platform.clipboard.Text(), "held"); // setting recalls nothing
    CopyItems(3);
    // Ctrl+K and the button are one command.
    ASSERT_TRUE(window->ChooseMenuEntry(IDM_MARK));
    ExpectLabels(false);
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{5});
    EXPECT_EQ(platform.clipboard.Text(), "item 5");
    window->Click(IDC_NEXT);
    EXPECT_EQ(platform.clipboard.Text(), "item 6");
}

TEST_F(MarkPointTest, ReturnToMarkLeavesSearchSteppingAlone) {
    CopyItems(6);
    SelectByUser({1}, 1);
    window->Click(IDC_SET_MARK);
    window->Type(IDC_SEARCH, "item"); // every line found, stepping from the last
    ASSERT_TRUE(window->Btn(IDC_BACK).IsEnabled());
    window->Click(IDC_SET_MARK);
    EXPECT_EQ(platform.clipboard.Text(), "item 1");
    EXPECT_TRUE(window->Btn(IDC_BACK).IsEnabled());
}

TEST_F(MarkPointTest, SettingWantsExactlyOneSelectedItem) {
    window->Click(IDC_SET_MARK);
    EXPECT_EQ(TakeMessage(), "There are no items available to be the mark point.");
    CopyItems(3);
    for (std::initializer_list<int> selection :
         {std::initializer_list<int>{0, 2}, std::initializer_list<int>{}}) {
        Select(selection, 0);
        window->Click(IDC_SET_MARK);
        EXPECT_EQ(TakeMessage(), "Please select a single item to be the mark point.");
        ExpectLabels(false);
    }
}

TEST_F(MarkPointTest, MarkTrimmedAwayAtTheHistoryLimitIsReported) {
    Close();
    SetOption(kSectionMisc, kKeyUseLimit, 1);
    SetOption(kSectionMisc, kKeyHistoryLimit, 250);
    Open();
    CopyItems(250);
    SelectByUser({2}, 2);
    window->Click(IDC_SET_MARK);
    CopyItems(3); // lines 0, 1 and 2 leave the top
    ASSERT_EQ(List().GetCount(), 250);
    window->Click(IDC_SET_MARK);
    EXPECT_EQ(TakeMessage(),
              "The mark point cannot be used since its item was deleted to make space for new "
              "items.");
    ExpectLabels(false);
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{249}); // nothing selected anew
}

TEST_F(MarkPointTest, MarkFollowsLinesLeavingAFullList) {
    CopyItems(5);
    List().maxLines = 5;
    SelectByUser({3}, 3);
    window->Click(IDC_SET_MARK);
    CopyElsewhere("new");
    window->Click(IDC_SET_MARK);
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{2});
    EXPECT_EQ(platform.clipboard.Text(), "item 3");
}

TEST_F(MarkPointTest, MarkPastTheEndOfAShorterListSelectsNothing) {
    CopyItems(8);
    SelectByUser({6}, 6);
    window->Click(IDC_SET_MARK);
    Select({}, 0);
    window->Click(IDC_CHANGE_LIST); // to the empty Retain List
    CopyElsewhere("retained");
    ExpectLabels(true);
    window->Click(IDC_SET_MARK);
    EXPECT_EQ(List().GetSelCount(), 0);
    EXPECT_EQ(TakeMessage(), "Please select a single item.");
    ExpectLabels(false);
}

TEST_F(MarkPointTest, LoadingTheDataFileClearsTheMark) {
    CopyItems(3);
    SelectByUser({1}, 1);
    window->Click(IDC_SET_MARK);
    Reopen();
    ExpectLabels(false);
    SelectByUser({2}, 2);
    window->Click(IDC_SET_MARK); // sets it anew: the old one is gone
    ExpectLabels(true);
}

} // namespace
} // namespace qv::test
