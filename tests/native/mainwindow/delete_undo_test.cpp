// Delete and Undo Delete as a user meets them: lines go and come back where they were, a quick
// second press is taken for a double click, a second Delete throws the kept items away for good.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

class DeleteUndoTest : public MainWindowTest {
  protected:
    void SetUp() override {
        platform.files.CreateFolder("C:\\Data");
        Open();
        CopyItems(10);
        Later(3);
    }
    void Later(int seconds) { platform.clock.seconds += seconds; }
    bool UndoGreyed() { return window->menu.Find(IDM_UNDO_DELETE)->greyed; }
    // Ctrl+Z: the platform sends the entry's command only while it is not greyed.
    bool PressCtrlZ() { return window->ChooseMenuEntry(IDM_UNDO_DELETE); }
};

TEST_F(DeleteUndoTest, UndoPutsDeletedLinesBackWhereTheyWere) {
    struct Case {
        std::initializer_list<int> selected;
        std::initializer_list<int> left;
    };
    for (const Case& c :
         {Case{{2, 5, 7}, {0, 1, 3, 4, 6, 8, 9}}, Case{{0, 1, 2}, {3, 4, 5, 6, 7, 8, 9}},
          Case{{9}, {0, 1, 2, 3, 4, 5, 6, 7, 8}}, Case{{0, 9}, {1, 2, 3, 4, 5, 6, 7, 8}}}) {
        SCOPED_TRACE(::testing::PrintToString(std::vector<int>(c.selected)));
        Later(3);
        Select(c.selected, *c.selected.begin());
        window->Click(IDC_DELETE);
        EXPECT_EQ(Lines(), Items(c.left));
        EXPECT_EQ(Label(IDC_ITEM_COUNT), std::to_string(c.left.size()) + " items");
        EXPECT_FALSE(UndoGreyed());
        EXPECT_FALSE(window->Btn(IDC_RECALL).IsEnabled());
        ASSERT_TRUE(PressCtrlZ());
        EXPECT_EQ(Lines(), Items({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        EXPECT_EQ(Label(IDC_ITEM_COUNT), "10 items");
        EXPECT_TRUE(UndoGreyed());
        EXPECT_FALSE(PressCtrlZ());
    }
    EXPECT_TRUE(List().redrawOn);
    // A line put back still carries its item.
    SelectByUser({7}, 7);
    window->Click(IDC_RECALL);
    EXPECT_EQ(platform.clipboard.Text(), "item 7");
}

TEST_F(DeleteUndoTest, QuickSecondPressIsIgnoredAndALaterOneThrowsTheItemsAway) {
    Select({2}, 2);
    window->Click(IDC_DELETE);
    ASSERT_EQ(List().GetCount(), 9);
    // A double click's second press, and every press less than two seconds after the last.
    for (int i = 0; i < 3; ++i) {
        Later(1);
        Select({0}, 0);
        window->Click(IDC_DELETE);
        EXPECT_EQ(List().GetCount(), 9) << i;
    }
    EXPECT_FALSE(UndoGreyed());
    // The ignored presses kept nothing of their own: Ctrl+Z brings back the first deletion.
    ASSERT_TRUE(PressCtrlZ());
    EXPECT_EQ(Lines(), Items({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    Later(3);
    Select({2}, 2);
    window->Click(IDC_DELETE);
    ASSERT_EQ(List().GetCount(), 9);
    // Three seconds later, with nothing selected: the kept item is gone for good.
    Later(3);
    Select({}, 0);
    window->Click(IDC_DELETE);
    EXPECT_EQ(List().GetCount(), 9);
    EXPECT_TRUE(UndoGreyed());
    EXPECT_FALSE(PressCtrlZ());
    EXPECT_EQ(Lines(), Items({0, 1, 3, 4, 5, 6, 7, 8, 9}));
}

// The list box refuses a line part-way through Undo Delete, as when memory runs out: every line
// keeps its item, and what was refused stays to be put back by the next Ctrl+Z.
TEST_F(DeleteUndoTest, UndoThatRunsOutOfMemoryKeepsWhatItCouldNotPutBack) {
    const struct {
        const char* name;
        int failing; // which of the three lines the list box refuses
    } cases[] = {{"first", 0}, {"middle", 1}, {"last", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Later(3);
        Select({2, 5, 8}, 2);
        window->Click(IDC_DELETE);
        platform.messages.shown.clear();
        List().insertsBeforeFailure = c.failing;
        ASSERT_TRUE(PressCtrlZ());
        EXPECT_EQ(List().GetCount(), 9);
        EXPECT_EQ(LastMessage().rfind("Out of memory.", 0), 0u) << LastMessage();
        EXPECT_EQ(Label(IDC_ITEM_COUNT), "9 items");
        EXPECT_FALSE(UndoGreyed()) << "the refused line can still come back";
        ASSERT_TRUE(PressCtrlZ());
        EXPECT_EQ(Lines(), Items({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        EXPECT_TRUE(UndoGreyed());
        for (int line = 0; line < 10; ++line) {
            SelectByUser({line}, line);
            window->Click(IDC_RECALL);
            EXPECT_EQ(platform.clipboard.Text(), LineText(line)) << "line " << line;
        }
    }
}

// Previous and Next follow the list that Undo Delete leaves.
TEST_F(DeleteUndoTest, UndoRefreshesPreviousAndNext) {
    Later(3);
    Select({9}, 9);
    window->Click(IDC_DELETE);
    SelectByUser({8}, 8);
    EXPECT_FALSE(window->Btn(IDC_NEXT).IsEnabled()) << "line 8 is the last one now";
    ASSERT_TRUE(PressCtrlZ());
    EXPECT_EQ(List().GetCount(), 10);
    EXPECT_TRUE(window->Btn(IDC_NEXT).IsEnabled()) << "line 9 is back below the caret line";
}

TEST_F(DeleteUndoTest, DeleteRightAfterTheWindowOpensIsIgnored) {
    Reopen(); // the data file brings the ten lines back
    ASSERT_EQ(List().GetCount(), 10);
    Later(1);
    Select({4}, 4);
    window->Click(IDC_DELETE);
    EXPECT_EQ(List().GetCount(), 10);
    Later(1);
    window->Click(IDC_DELETE);
    EXPECT_EQ(List().GetCount(), 10); // the first press counted as the last one
    Later(2);
    window->Click(IDC_DELETE);
    EXPECT_EQ(List().GetCount(), 9);
}

TEST_F(DeleteUndoTest, DeleteWithNothingSelectedClearsTheMarkAndDisablesRecall) {
    SelectByUser({3}, 3);
    window->Click(IDC_SET_MARK);
    ASSERT_EQ(window->Btn(IDC_SET_MARK).GetText(), "Ret. to Mar&k");
    Select({}, 3);
    window->Click(IDC_DELETE);
    EXPECT_EQ(List().GetCount(), 10);
    EXPECT_EQ(window->Btn(IDC_SET_MARK).GetText(), "Set Mar&k");
    EXPECT_EQ(window->menu.Find(IDM_MARK)->text, "Set Mar&k\tCtrl+K");
    EXPECT_FALSE(window->Btn(IDC_RECALL).IsEnabled());
    EXPECT_TRUE(UndoGreyed());
    EXPECT_EQ(Label(IDC_CLIP_TIME), "");
}

TEST_F(DeleteUndoTest, OneChangeIsCountedPerDeleteAndPerUndo) {
    SetOption(kSectionSaving, kKeyChangeLimit, 2);
    Reopen();
    Later(3);
    Select({1}, 1);
    window->Click(IDC_DELETE); // the first change since the file was read
    platform.files.DeleteFile(dataFile);
    ASSERT_TRUE(PressCtrlZ()); // the second: the file is due
    EXPECT_TRUE(Exists(dataFile));
}

TEST_F(DeleteUndoTest, ItemsNotKeptForLackOfMemoryAreDiscardedByUndo) {
    Select({1}, 1);
    window->Click(IDC_DELETE);
    ASSERT_FALSE(UndoGreyed());
    Later(3);
    Select({2, 3}, 2);
    List().outOfMemoryOnText = true;
    window->Click(IDC_DELETE);
    List().outOfMemoryOnText = false;
    EXPECT_EQ(Lines(), Items({0, 2, 5, 6, 7, 8, 9})); // they go all the same
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_FALSE(UndoGreyed()); // left as it was
    ASSERT_TRUE(PressCtrlZ());
    EXPECT_EQ(Lines(), Items({0, 2, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(UndoGreyed());
}

TEST_F(DeleteUndoTest, ItemWhosePlaceIsGoneComesBackAtTheEnd) {
    Select({9}, 9); // kept for line 9
    window->Click(IDC_DELETE);
    List().maxLines = 5; // a full list box drops its oldest lines for a new copy
    CopyElsewhere("new");
    ASSERT_EQ(Lines(), (std::vector<std::string>{"item 5", "item 6", "item 7", "item 8", "new"}));
    ASSERT_TRUE(PressCtrlZ());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"item 6", "item 7", "item 8", "new", "item 9"}));
}

TEST_F(DeleteUndoTest, MiniWindowDeleteAndMoveWorkOnOneLine) {
    Events().OnPosted(0x504, 4, 0); // the Mini-Window's Delete of line 4

    EXPECT_EQ(Lines(), Items({0, 1, 2, 3, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(UndoGreyed());
    ASSERT_TRUE(PressCtrlZ());
    EXPECT_EQ(LineText(4), "item 4");

    HoldOnClipboard("held");
    Events().OnPosted(0x503, 2, 1); // Move Up on line 2
    EXPECT_EQ(Lines(), Items({0, 2, 1, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{1});
    EXPECT_EQ(List().GetCaretIndex(), 1);
    EXPECT_EQ(platform.clipboard.Text(), "held"); // nothing recalled
    EXPECT_TRUE(window->Btn(IDC_PREVIOUS).IsEnabled());
    Events().OnPosted(0x501, 1, 0); // the Mini-Window selects line 1
    EXPECT_EQ(platform.clipboard.Text(), "item 2");
}

} // namespace
} // namespace qv::test
