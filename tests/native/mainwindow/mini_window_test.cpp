// The Mini-Window as a user meets it: opened with Ctrl+M, kept in step with the History list,
// its commands carried out by the main window, rebuilt in place and closed with Esc.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

class MiniWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        platform.files.CreateFolder("C:\\Data");
        Open();
    }
    bool PressCtrlM() { return window->ChooseMenuEntry(IDM_MINI_WINDOW); }
    // The open Mini-Window; a closed one is hidden until the main window disposes of it.
    HeadlessDialog* Mini() {
        HeadlessDialog* mini = platform.FindOpen(IDD_MINI_WINDOW);
        return mini && mini->lastShowCmd != 0 ? mini : nullptr;
    }
    HeadlessListBox& Rows() { return Mini()->List(IDC_HISTORY); }
    std::vector<std::string> RowTexts() {
        std::vector<std::string> rows;
        std::string text;
        for (int i = 0; i < Rows().GetCount(); ++i)
            rows.push_back(Rows().GetLineText(i, text) ? text : "?");
        return rows;
    }
    // The four buttons that move: Previous, Next, Move Up, Move Down.
    std::vector<bool> MovingButtons() {
        return {Mini()->Btn(IDC_PREVIOUS).IsEnabled(), Mini()->Btn(IDC_NEXT).IsEnabled(),
                Mini()->Btn(IDC_MOVE_UP).IsEnabled(), Mini()->Btn(IDC_MOVE_DOWN).IsEnabled()};
    }
    void ClickRow(int row) {
        Rows().SetSel(row, true);
        Mini()->Events().OnCommand(IDC_HISTORY, platform::kListSelChange);
    }
};

TEST_F(MiniWindowTest, OpensTopmostCentredWithTheListAndTheCaretRowSelected) {
    CopyItems(4);
    SelectByUser({1}, 1);
    ASSERT_TRUE(PressCtrlM());
    ASSERT_NE(Mini(), nullptr);
    EXPECT_EQ(Mini()->GetTitle(), "Quorvane Mini-Window");
    EXPECT_TRUE(Mini()->topmost);
    EXPECT_TRUE(Mini()->centred);
    EXPECT_EQ(Mini()->Owner(), 0u);
    EXPECT_EQ(RowTexts(), Lines());
    EXPECT_EQ(Rows().GetSelItems(), std::vector<int>{1});
    EXPECT_EQ(Mini()->Btn(IDC_SET_MARK).GetText(), "Set &Mark");
    EXPECT_EQ(MovingButtons(), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(Rows().GetHorizontalExtent(), List().GetHorizontalExtent());
    EXPECT_EQ(Rows().reserved, 4);
    EXPECT_TRUE(Rows().redrawOn);
}

TEST_F(MiniWindowTest, ScrollsAsFarAsTheHistoryListAfterItIsMeasuredAnew) {
    CopyElsewhere("a line wide enough to scroll");
    ASSERT_TRUE(PressCtrlM());
    const int before = Rows().GetHorizontalExtent();
    List().charWidth *= 2; // a larger font, or a screen of a higher resolution
    Events().OnFontChange();
    EXPECT_GT(List().GetHorizontalExtent(), before);
    EXPECT_EQ(Rows().GetHorizontalExtent(), List().GetHorizontalExtent());
}

TEST_F(MiniWindowTest, EmptyListLeavesTheMovingButtonsDisabled) {
    ASSERT_TRUE(PressCtrlM());
    EXPECT_EQ(Rows().GetCount(), 0);
    EXPECT_EQ(MovingButtons(), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(Mini()->Btn(IDC_SET_MARK).IsEnabled());
    EXPECT_TRUE(Mini()->Btn(IDC_DELETE).IsEnabled());
}

TEST_F(MiniWindowTest, FollowsCapturesDeletesTrimsAndTheCaret) {
    Close();
    SetOption(kSectionMisc, kKeyUseLimit, 1);
    SetOption(kSectionMisc, kKeyHistoryLimit, 5);
    Reopen();
    CopyItems(5);
    ASSERT_TRUE(PressCtrlM());
    CopyElsewhere("newest"); // the oldest line leaves the top of both
    EXPECT_EQ(RowTexts(), Lines());
    EXPECT_EQ(Rows().GetSelItems(), std::vector<int>{4});
    // A selection of several lines in the main window: the caret line stays selected there.
    SelectByUser({0, 2}, 2);
    EXPECT_EQ(Rows().GetSelItems(), std::vector<int>{2});
    // The caret on a line that is not selected keeps the row but disables the moving buttons.
    SelectByUser({0}, 3);
    EXPECT_EQ(Rows().GetSelItems(), std::vector<int>{2});
    EXPECT_EQ(MovingButtons(), (std::vector<bool>{false, false, false, false}));
    platform.clock.seconds += 3;
    Select({1, 3}, 3);
    window->Click(IDC_DELETE);
    EXPECT_EQ(RowTexts(), Lines());
    EXPECT_EQ(Rows().GetSelCount(), 0);
}

TEST_F(MiniWindowTest, MergeAndSplitAddRowsAndSelectTheCaretRow) {
    CopyItems(2);
    CopyElsewhere("a\r\nb");
    ASSERT_TRUE(PressCtrlM());
    SelectByUser({2}, 2);
    window->Click(IDC_SPLIT);
    EXPECT_EQ(RowTexts(), Lines());
    EXPECT_EQ(Rows().GetSelItems(), std::vector<int>{4});
    platform.OnDialog(IDD_MERGE, [](HeadlessDialog& d) { d.Click(IDOK); });
    Select({0, 1}, 1);
    window->Click(IDC_MERGE);
    EXPECT_EQ(RowTexts(), Lines());
    EXPECT_EQ(Rows().GetSelItems(), std::vector<int>{5});
}

TEST_F(MiniWindowTest, StepsRecallThroughTheMainWindowAndLeaveSearchSteppingAlone) {
    CopyItems(4);
    window->Type(IDC_SEARCH, "item"); // stepping among found lines from the last
    ASSERT_TRUE(window->Btn(IDC_BACK).IsEnabled());
    ASSERT_TRUE(PressCtrlM());
    ASSERT_EQ(Rows().GetSelItems(), std::vector<int>{3});
    Mini()->Click(IDC_PREVIOUS);
    EXPECT_EQ(Rows().GetSelItems(), std::vector<int>{2});
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{2});
    EXPECT_EQ(platform.clipboard.Text(), "item 2");
    EXPECT_TRUE(window->Btn(IDC_BACK).IsEnabled());
    ClickRow(0);
    EXPECT_EQ(platform.clipboard.Text(), "item 0");
    EXPECT_EQ(MovingButtons(), (std::vector<bool>{false, true, false, true}));
    Mini()->Click(IDC_PREVIOUS); // nothing above row 0
    EXPECT_EQ(platform.clipboard.Text(), "item 0");
    Mini()->Click(IDC_NEXT);
    EXPECT_EQ(platform.clipboard.Text(), "item 1");
}

TEST_F(MiniWindowTest, MoveUpSwapsLinesInBothWindowsAndRecallsNothing) {
    CopyItems(10);
    ASSERT_TRUE(PressCtrlM());
    ClickRow(3);
    HoldOnClipboard("held");
    Mini()->Click(IDC_MOVE_UP);
    EXPECT_EQ(LineText(2), "item 3");
    EXPECT_EQ(LineText(3), "item 2");
    EXPECT_EQ(RowTexts(), Lines());
    EXPECT_EQ(Rows().GetSelItems(), std::vector<int>{2});
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{2});
    EXPECT_EQ(platform.clipboard.Text(), "held");
    ClickRow(4);
    HoldOnClipboard("held");
    Mini()->Click(IDC_MOVE_DOWN);
    EXPECT_EQ(LineText(4), "item 5");
    EXPECT_EQ(LineText(5), "item 4");
    EXPECT_EQ(RowTexts(), Lines());
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{5});
    EXPECT_EQ(platform.clipboard.Text(), "held");
    // The commands check their rows themselves, whatever state their buttons are in.
    ClickRow(9);
    Mini()->Events().OnCommand(IDC_MOVE_DOWN, platform::kButtonClicked);
    ClickRow(0);
    Mini()->Events().OnCommand(IDC_MOVE_UP, platform::kButtonClicked);
    EXPECT_EQ(LineText(0), "item 0");
    EXPECT_EQ(LineText(9), "item 9");
    EXPECT_EQ(RowTexts(), Lines());
}

TEST_F(MiniWindowTest, DeleteRemovesTheLineAndUndoRebuildsTheWindowInPlace) {
    CopyItems(5);
    ASSERT_TRUE(PressCtrlM());
    platform::Placement moved{};
    moved.showCmd = platform::kShowNormal;
    moved.normal = {40, 50, 600, 200};
    Mini()->SetPlacement(moved);
    HeadlessDialog* first = Mini();
    ClickRow(2);
    Mini()->Click(IDC_DELETE);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"item 0", "item 1", "item 3", "item 4"}));
    EXPECT_EQ(RowTexts(), Lines());
    EXPECT_EQ(Rows().GetSelCount(), 0);
    Mini()->Click(IDC_DELETE);
    EXPECT_EQ(LastMessage(), "Please select an item to delete.");
    EXPECT_EQ(List().GetCount(), 4);
    ASSERT_TRUE(window->ChooseMenuEntry(IDM_UNDO_DELETE));
    platform.DeliverPosted();
    ASSERT_NE(Mini(), nullptr);
    EXPECT_NE(Mini(), first); // a new window
    EXPECT_EQ(Mini()->placement.normal.left, 40);
    EXPECT_EQ(Mini()->placement.normal.bottom, 200);
    EXPECT_EQ(RowTexts(), Lines());
    EXPECT_EQ(LineText(2), "item 2");
    EXPECT_GT(window->activations, 0); // the focus goes back to the main window
}

TEST_F(MiniWindowTest, SetMarkFromEitherWindowRelabelsBoth) {
    CopyItems(3);
    ASSERT_TRUE(PressCtrlM());
    ClickRow(1);
    Mini()->Click(IDC_SET_MARK);
    EXPECT_EQ(Mini()->Btn(IDC_SET_MARK).GetText(), "Ret. to &Mark");
    EXPECT_EQ(window->Btn(IDC_SET_MARK).GetText(), "Ret. to Mar&k");
    window->Click(IDC_SET_MARK);
    EXPECT_EQ(Mini()->Btn(IDC_SET_MARK).GetText(), "Set &Mark");
    Select({0, 2}, 2);
    Mini()->Click(IDC_SET_MARK);
    EXPECT_EQ(LastMessage(), "Please select a single item to be the mark point.");
    EXPECT_EQ(Mini()->Btn(IDC_SET_MARK).GetText(), "Set &Mark");
}

TEST_F(MiniWindowTest, CtrlMRestoresAnOpenOneAndEscClosesIt) {
    CopyItems(2);
    ASSERT_TRUE(PressCtrlM());
    HeadlessDialog* first = Mini();
    first->Show(platform::kShowMinimize);
    first->centred = false;
    ASSERT_TRUE(PressCtrlM());
    EXPECT_EQ(Mini(), first); // not rebuilt
    EXPECT_FALSE(first->minimized);
    EXPECT_GT(first->activations, 0);
    EXPECT_FALSE(first->centred);
    // Minimizing the main window brings it back into view.
    first->Show(platform::kShowMinimize);
    Resize(platform::SizeKind::Minimized);
    EXPECT_FALSE(first->minimized);

    first->PressEscape();
    EXPECT_EQ(Mini(), nullptr);
    platform.DeliverPosted();
    EXPECT_EQ(platform.FindOpen(IDD_MINI_WINDOW), nullptr);
    ASSERT_TRUE(PressCtrlM());
    EXPECT_TRUE(Mini()->centred); // centred again, not where it was
    Mini()->PressClose();
    platform.DeliverPosted();
    EXPECT_EQ(platform.FindOpen(IDD_MINI_WINDOW), nullptr);
}

TEST_F(MiniWindowTest, ChangeListAndReadingTheDataFileReplaceTheRows) {
    CopyItems(3);
    ASSERT_TRUE(PressCtrlM());
    Select({1}, 1);
    window->Click(IDC_CHANGE_LIST);
    platform.DeliverPosted();
    EXPECT_EQ(RowTexts(), std::vector<std::string>{"item 1"});
    Select({}, 0);
    window->Click(IDC_CHANGE_LIST);
    platform.DeliverPosted();
    EXPECT_EQ(RowTexts(), Lines());
}

// What the window showed the moment it first became visible, for each Mini-Window made.
struct FirstShown {
    int rows;
    std::string markLabel;
    bool centred;
    long left;
};

TEST_F(MiniWindowTest, ShowsOnlyOnceFilledAndPlacedWithItsMarkLabel) {
    CopyItems(4);
    SelectByUser({1}, 1);
    window->Click(IDC_SET_MARK);
    std::vector<FirstShown> shown;
    platform.onFirstShow = [&shown](HeadlessDialog& dialog) {
        if (dialog.Template().id == IDD_MINI_WINDOW)
            shown.push_back({dialog.List(IDC_HISTORY).GetCount(),
                             dialog.Btn(IDC_SET_MARK).GetText(), dialog.centred,
                             dialog.placement.normal.left});
    };
    ASSERT_TRUE(PressCtrlM());
    platform::Placement moved{};
    moved.showCmd = platform::kShowNormal;
    moved.normal = {40, 50, 600, 200};
    Mini()->SetPlacement(moved);
    ClickRow(2);
    Mini()->Click(IDC_DELETE);
    ASSERT_TRUE(window->ChooseMenuEntry(IDM_UNDO_DELETE)); // rebuilt in place
    platform.DeliverPosted();
    platform.onFirstShow = nullptr;
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].rows, 4);
    EXPECT_EQ(shown[0].markLabel, "Ret. to &Mark");
    EXPECT_TRUE(shown[0].centred);
    EXPECT_EQ(shown[1].rows, 4);
    EXPECT_EQ(shown[1].markLabel, Mini()->Btn(IDC_SET_MARK).GetText());
    EXPECT_FALSE(shown[1].centred);
    EXPECT_EQ(shown[1].left, 40) << "placed before it showed";
}

// A Mini-Window command that shows a message box runs a modal loop; what happens meanwhile may
// close and rebuild the Mini-Window, whose handler must still find itself when the box returns.
TEST_F(MiniWindowTest, ClosedAndRebuiltWhileItsOwnMessageBoxIsOpen) {
    CopyItems(3);
    ASSERT_TRUE(PressCtrlM());
    HeadlessDialog* first = Mini();
    Rows().SetSel(-1, false);
    int boxes = 0;
    platform.messages.whileShown = [&](const platform::headless::RecordedMessage&) {
        if (boxes++ > 0)
            return;
        first->Events().OnClose(); // its close box
        platform.DeliverPosted();  // the box's loop delivers the posted disposal
        ASSERT_TRUE(window->ChooseMenuEntry(IDM_MINI_WINDOW));
        Select({0}, 0);
        Events().OnCommand(IDC_CHANGE_LIST, platform::kButtonClicked); // rebuilt again
        platform.DeliverPosted();
    };
    first->Click(IDC_DELETE); // nothing selected: "Please select an item to delete."
    platform.messages.whileShown = nullptr;
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(first->commandsHandled, 1) << "the first window outlived its handler";
    platform.DeliverPosted();
    ASSERT_NE(Mini(), nullptr);
    EXPECT_NE(Mini(), first);
    EXPECT_EQ(RowTexts(), Lines());
    Mini()->PressClose();
    platform.DeliverPosted();
    EXPECT_EQ(platform.FindOpen(IDD_MINI_WINDOW), nullptr) << "every closed one disposed of";
}

// While the main window's Merge Items dialog is open the Mini-Window takes no input, and Merge
// checks the selection again when the dialog closes.
TEST_F(MiniWindowTest, BlockedWhileAModalWindowOfTheMainWindowIsOpen) {
    CopyItems(4);
    ASSERT_TRUE(PressCtrlM());
    SelectByUser({0, 1}, 1);
    platform.OnDialog(IDD_MERGE, [this](HeadlessDialog& dialog) {
        EXPECT_FALSE(Mini()->inputEnabled);
        Mini()->Click(IDC_NEXT); // ignored: it would select a single line in the main window
        EXPECT_EQ(List().GetSelItems(), (std::vector<int>{0, 1}));
        dialog.Click(IDOK);
    });
    window->Click(IDC_MERGE);
    EXPECT_TRUE(Mini()->inputEnabled);
    ASSERT_EQ(List().GetCount(), 5);
    EXPECT_EQ(LineText(4), "item 0item 1");

    const int before = List().GetCount();
    SelectByUser({0, 1}, 1);
    platform.OnDialog(IDD_MERGE, [this](HeadlessDialog& dialog) {
        Select({2}, 2); // whatever changed it meanwhile
        dialog.Click(IDOK);
    });
    window->Click(IDC_MERGE);
    EXPECT_EQ(List().GetCount(), before) << "no merge of a single item";
    EXPECT_EQ(LastMessage(), "Please select at least two items to merge.");
}

} // namespace
} // namespace qv::test
