// The Mini-Window on the real program: a topmost companion that follows the History list and
// works on it through the main window.
#include "driver/keyboard.h"
#include "e2e_fixture.h"

namespace qv::e2e {
namespace {

constexpr char kMiniTitle[] = "Quorvane Mini-Window";

class MiniWindow : public EndToEnd {
  protected:
    HWND History() { return program_.Control(IDC_HISTORY); }
    HWND Rows() { return GetDlgItem(mini_, IDC_HISTORY); }
    // The selected row of the Mini-Window's single-selection list, -1 for none.
    int SelectedRow() {
        LRESULT row = LB_ERR;
        return SendBounded(Rows(), LB_GETCURSEL, 0, 0, row) ? int(row) : -1;
    }
    static std::vector<std::string> Texts(HWND list) {
        std::vector<std::string> lines;
        std::string line;
        for (int i = 0; i < ListCount(list); ++i)
            lines.push_back(ListLine(list, i, line) ? line : "?");
        return lines;
    }
    // Ctrl+M in the main window; the Mini-Window that it shows.
    HWND PressCtrlM() {
        if (!program_.TakeForeground() || !PressKey('M', VK_CONTROL))
            return nullptr;
        mini_ = program_.WaitForWindow(kMiniTitle, 5000);
        return mini_;
    }
    // A click in the Mini-Window makes it the foreground window first.
    void ClickMini(int id) {
        SetForegroundWindow(mini_);
        program_.WaitUntil([&] { return GetForegroundWindow() == mini_; }, 2000);
        PostMessageA(GetDlgItem(mini_, id), BM_CLICK, 0, 0);
    }
    void ClickRow(int row) {
        SetForegroundWindow(mini_);
        LRESULT ignored = 0;
        SendBounded(Rows(), LB_SETCURSEL, WPARAM(row), 0, ignored);
        PostMessageA(mini_, WM_COMMAND, MAKEWPARAM(IDC_HISTORY, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Rows()));
    }
    bool BothShow(const std::vector<std::string>& lines) {
        return program_.WaitUntil(
            [&] { return Texts(History()) == lines && Texts(Rows()) == lines; }, 5000);
    }
    void CopyItems(int count) {
        for (int i = 0; i < count; ++i)
            CopyAndWait("item " + std::to_string(i), i + 1);
    }
    std::vector<std::string> Items(std::initializer_list<int> numbers) {
        std::vector<std::string> lines;
        for (int i : numbers)
            lines.push_back("item " + std::to_string(i));
        return lines;
    }
    bool MovingButtonsEnabled(bool enabled) {
        for (int id : {IDC_PREVIOUS, IDC_NEXT, IDC_MOVE_UP, IDC_MOVE_DOWN})
            if ((IsWindowEnabled(GetDlgItem(mini_, id)) != FALSE) != enabled)
                return false;
        return true;
    }
    HWND mini_ = nullptr;
};

TEST_F(MiniWindow, TopmostWithItsMovingButtonsDisabledOnAnEmptyList) {
    ASSERT_NE(PressCtrlM(), nullptr) << program_.Describe("Ctrl+M showed nothing");
    EXPECT_NE(GetWindowLongA(mini_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(ListCount(Rows()), 0);
    EXPECT_TRUE(MovingButtonsEnabled(false));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(mini_, IDC_SET_MARK)));
    EXPECT_EQ(TextOf(GetDlgItem(mini_, IDC_SET_MARK)), "Set &Mark");
    // A clip copied elsewhere is the new last row of both windows.
    CopyAndWait("first clip", 1);
    EXPECT_TRUE(BothShow({"first clip"})) << program_.Describe("the Mini-Window fell behind");
}

TEST_F(MiniWindow, MoveUpSwapsLinesInBothWindowsAndRecallsNothing) {
    CopyItems(10); // the clipboard holds "item 9"
    ASSERT_NE(PressCtrlM(), nullptr);
    // Row 3 selected without a recall, as the row the user left selected.
    LRESULT ignored = 0;
    SendBounded(Rows(), LB_SETCURSEL, 3, 0, ignored);
    ClickMini(IDC_MOVE_UP);
    EXPECT_TRUE(BothShow(Items({0, 1, 3, 2, 4, 5, 6, 7, 8, 9})))
        << program_.Describe("Move Up did not swap lines 2 and 3");
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(ListSelection(History()), std::vector<int>{2});
    PumpFor(500);
    EXPECT_EQ(program_.Other().ClipboardText(), "item 9"); // nothing recalled
    CopyAndWait("captured after", 11);
}

TEST_F(MiniWindow, DeleteThenCtrlZRebuildsItInPlace) {
    CopyItems(5);
    ASSERT_NE(PressCtrlM(), nullptr);
    SetWindowPos(mini_, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT before{};
    GetWindowRect(mini_, &before);
    ClickRow(1);
    ClickMini(IDC_DELETE);
    ASSERT_TRUE(BothShow(Items({0, 2, 3, 4}))) << program_.Describe("Delete in the Mini-Window");
    const HWND first = mini_;
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey('Z', VK_CONTROL));
    ASSERT_TRUE(program_.WaitUntil(
        [&] {
            mini_ = program_.WaitForWindow(kMiniTitle, 100);
            return mini_ && mini_ != first && ListCount(Rows()) == 5;
        },
        5000))
        << program_.Describe("Ctrl+Z did not rebuild the Mini-Window");
    EXPECT_TRUE(BothShow(Items({0, 1, 2, 3, 4})));
    RECT after{};
    GetWindowRect(mini_, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    CopyAndWait("after the undo", 6);
    EXPECT_TRUE(BothShow({"item 0", "item 1", "item 2", "item 3", "item 4", "after the undo"}));
}

TEST_F(MiniWindow, SetMarkRelabelsBothAndCtrlMRestoresWithoutRebuilding) {
    CopyItems(3);
    ASSERT_NE(PressCtrlM(), nullptr);
    ClickRow(1);
    ASSERT_TRUE(WaitForClipboardText("item 1", 5000));
    ClickMini(IDC_SET_MARK);
    EXPECT_TRUE(program_.WaitUntil(
        [&] {
            return TextOf(GetDlgItem(mini_, IDC_SET_MARK)) == "Ret. to &Mark" &&
                   program_.ControlText(IDC_SET_MARK) == "Ret. to Mar&k";
        },
        3000))
        << program_.Describe("Set Mark in the Mini-Window");

    const HWND first = mini_;
    ShowWindow(mini_, SW_MINIMIZE);
    ASSERT_TRUE(program_.WaitUntil([&] { return IsIconic(first) != FALSE; }, 3000));
    ASSERT_EQ(PressCtrlM(), first); // the same window
    EXPECT_TRUE(program_.WaitUntil([&] { return IsIconic(first) == FALSE; }, 3000))
        << program_.Describe("Ctrl+M did not restore the Mini-Window");
    EXPECT_EQ(ListCount(Rows()), 3);
    CopyAndWait("captured after", 4);
}

// The Mini-Window's own Delete with nothing selected shows a message box, whose loop runs while
// the handler waits; closing the Mini-Window meanwhile must not free it under that handler.
TEST_F(MiniWindow, ClosedWhileItsOwnMessageBoxIsOpen) {
    CopyItems(3);
    ASSERT_NE(PressCtrlM(), nullptr);
    LRESULT ignored = 0;
    SendBounded(Rows(), LB_SETCURSEL, WPARAM(-1), 0, ignored);
    ClickMini(IDC_DELETE);
    const auto box = program_.WaitForMessageBox(5000);
    ASSERT_TRUE(box.has_value()) << program_.Describe("no message box for Delete");
    EXPECT_EQ(box->text, "Please select an item to delete.");
    const HWND first = mini_;
    PostMessageA(first, WM_CLOSE, 0, 0); // its close box, delivered by the box's loop
    ASSERT_TRUE(program_.WaitUntil([&] { return IsWindowVisible(first) == FALSE; }, 5000))
        << program_.Describe("the Mini-Window did not close");
    PumpFor(300); // the posted disposal comes round in the box's loop
    ASSERT_TRUE(program_.Answer(*box, IDOK));
    PumpFor(500);
    ASSERT_TRUE(program_.Running()) << "the program ended after the message box";
    EXPECT_FALSE(IsWindow(first)) << "disposed of once its handler returned";
    ASSERT_NE(PressCtrlM(), nullptr);
    EXPECT_EQ(ListCount(Rows()), 3);
    CopyAndWait("captured after", 4);
}

// While the main window's Merge Items dialog is open, the Mini-Window takes no input.
TEST_F(MiniWindow, TakesNoInputWhileTheMergeDialogIsOpen) {
    CopyItems(3);
    ASSERT_NE(PressCtrlM(), nullptr);
    LRESULT ignored = 0;
    const HWND history = History();
    SendBounded(history, LB_SETSEL, FALSE, -1, ignored);
    SendBounded(history, LB_SETSEL, TRUE, 0, ignored);
    SendBounded(history, LB_SETSEL, TRUE, 1, ignored);
    program_.Click(IDC_MERGE);
    const HWND merge = program_.WaitForWindow("Merge Items", 5000);
    ASSERT_NE(merge, nullptr) << program_.Describe("no Merge Items dialog");
    EXPECT_FALSE(IsWindowEnabled(mini_)) << "the Mini-Window could change the selection";
    PostMessageA(merge, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(program_.WaitUntil([&] { return !IsWindow(merge); }, 5000));
    EXPECT_TRUE(program_.WaitUntil([&] { return IsWindowEnabled(mini_) != FALSE; }, 3000))
        << program_.Describe("the Mini-Window stayed disabled");
    EXPECT_TRUE(IsWindowEnabled(program_.MainWindow()));
    CopyAndWait("captured after", 4);
}

} // namespace
} // namespace qv::e2e
