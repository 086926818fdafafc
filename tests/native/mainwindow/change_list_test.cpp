// Change List: the Main List and the Retain List take turns in the History list box, the selected
// items are copied across, and both lists survive a restart through the data file.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

class ChangeListTest : public MainWindowTest {
  protected:
    void SetUp() override {
        platform.files.CreateFolder("C:\\Data");
        Open();
        CopyItems(10);
    }
    void ChangeList() { window->Click(IDC_CHANGE_LIST); }
};

TEST_F(ChangeListTest, SelectedItemsAreCopiedToTheEndOfTheOtherList) {
    window->Type(IDC_SEARCH, "item");
    ASSERT_TRUE(window->Btn(IDC_BACK).IsEnabled());
    Select({0, 3}, 3);
    ChangeList();
    EXPECT_EQ(Label(IDC_LIST_NAME), "Retain List");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"item 0", "item 3"}));
    EXPECT_EQ(List().GetSelCount(), 0);
    EXPECT_EQ(List().GetCaretIndex(), 1);
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "2 items");
    EXPECT_EQ(window->Combo(IDC_SEARCH).GetText(), "");
    EXPECT_FALSE(window->Btn(IDC_BACK).IsEnabled());
    EXPECT_FALSE(window->Btn(IDC_FORWARD).IsEnabled());
    EXPECT_TRUE(window->menu.Find(IDM_UNDO_DELETE)->greyed);
    EXPECT_TRUE(List().redrawOn);
    // The copies are items of their own.
    SelectByUser({1}, 1);
    EXPECT_EQ(platform.clipboard.Text(), "item 3");

    Select({}, 0);
    ChangeList();
    EXPECT_EQ(Label(IDC_LIST_NAME), "Main List");
    ASSERT_EQ(List().GetCount(), 10);
    EXPECT_EQ(LineText(0), "item 0");
    EXPECT_EQ(LineText(9), "item 9");
    EXPECT_EQ(List().GetCaretIndex(), 9);
    // Both lists are in the data file, whichever is shown.
    Reopen();
    EXPECT_EQ(List().GetCount(), 10);
    EXPECT_EQ(Label(IDC_LIST_NAME), "Main List");
    ChangeList();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"item 0", "item 3"}));
}

// The list box refuses a line of the Retain List part-way through, as when memory runs out: the
// Main List is shown again as it was, every line with its item, and the Retain List is kept.
TEST_F(ChangeListTest, RunningOutOfMemoryKeepsBothLists) {
    Select({1, 4, 7}, 7);
    ChangeList();
    Select({}, 0);
    ChangeList();
    ASSERT_EQ(Label(IDC_LIST_NAME), "Main List");
    const std::vector<std::string> main = Lines();
    const struct {
        const char* name;
        int failing; // which of the Retain List's three lines the list box refuses
    } cases[] = {{"first", 0}, {"middle", 1}, {"last", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages.shown.clear();
        SelectByUser({2}, 2);
        List().insertsBeforeFailure = c.failing;
        ChangeList();
        EXPECT_EQ(LastMessage().rfind("Could not change to the other list.", 0), 0u);
        EXPECT_EQ(Label(IDC_LIST_NAME), "Main List");
        EXPECT_EQ(Lines(), main);
        EXPECT_EQ(Label(IDC_ITEM_COUNT), "10 items");
        for (int line = 0; line < 10; ++line) {
            SelectByUser({line}, line);
            window->Click(IDC_RECALL);
            EXPECT_EQ(platform.clipboard.Text(), main[std::size_t(line)]) << "line " << line;
        }
    }
    Select({}, 0);
    ChangeList();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"item 1", "item 4", "item 7"}));
}

// Previous and Next follow the list that Change List shows.
TEST_F(ChangeListTest, PreviousAndNextFollowTheListShown) {
    SelectByUser({5}, 5);
    ASSERT_TRUE(window->Btn(IDC_PREVIOUS).IsEnabled());
    ASSERT_TRUE(window->Btn(IDC_NEXT).IsEnabled());
    ChangeList(); // the Retain List: the copy of line 5, nothing selected
    EXPECT_FALSE(window->Btn(IDC_PREVIOUS).IsEnabled());
    EXPECT_FALSE(window->Btn(IDC_NEXT).IsEnabled());
    EXPECT_TRUE(window->menu.Find(IDM_NEXT)->greyed);
}

TEST_F(ChangeListTest, EmptyOtherListAndNothingSelected) {
    Select({}, 4);
    ChangeList();
    EXPECT_EQ(List().GetCount(), 0);
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "0 items");
    // Copies made while the Retain List is shown stay in it.
    CopyElsewhere("kept");
    Select({}, 0);
    ChangeList();
    EXPECT_EQ(List().GetCount(), 10);
    ChangeList();
    EXPECT_EQ(Lines(), std::vector<std::string>{"kept"});
}

TEST_F(ChangeListTest, EndsWhatAnEarlierDeleteKept) {
    platform.clock.seconds += 3;
    Select({5}, 5);
    window->Click(IDC_DELETE);
    ASSERT_FALSE(window->menu.Find(IDM_UNDO_DELETE)->greyed);
    Select({}, 0);
    ChangeList();
    ChangeList();
    EXPECT_TRUE(window->menu.Find(IDM_UNDO_DELETE)->greyed);
    EXPECT_FALSE(window->ChooseMenuEntry(IDM_UNDO_DELETE));
    EXPECT_EQ(List().GetCount(), 9);
}

TEST_F(ChangeListTest, HistoryLimitAppliesToTheMainListOnly) {
    Close();
    SetOption(kSectionMisc, kKeyUseLimit, 1);
    SetOption(kSectionMisc, kKeyHistoryLimit, 4);
    Open(); // the last four of the file
    ASSERT_EQ(List().GetCount(), 4);
    Select({}, 0);
    ChangeList();
    for (int i = 0; i < 6; ++i)
        CopyElsewhere("retained " + std::to_string(i));
    EXPECT_EQ(List().GetCount(), 6);
    Select({0, 1, 2}, 0);
    ChangeList(); // three copies join the four lines of the Main List, which keeps four
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"item 9", "retained 0", "retained 1", "retained 2"}));
}

TEST_F(ChangeListTest, ListStaysWhenMemoryRunsOutWhileParking) {
    Select({2}, 2);
    List().outOfMemoryOnText = true;
    ChangeList();
    List().outOfMemoryOnText = false;
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text,
              "Could not change to the other list.  Please close another application and try "
              "again.");
    EXPECT_EQ(platform.messages.shown[0].caption, "Change List");
    EXPECT_EQ(platform.messages.shown[0].icon, platform::MsgIcon::None);
    EXPECT_EQ(platform.messages.shown[0].buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(Label(IDC_LIST_NAME), "Main List");
    ASSERT_EQ(List().GetCount(), 10);
    EXPECT_EQ(LineText(2), "item 2");
    // Still the Main List: copies land in it, and the other list is still empty.
    Select({}, 0);
    ChangeList();
    EXPECT_EQ(List().GetCount(), 0);
}

} // namespace
} // namespace qv::test
