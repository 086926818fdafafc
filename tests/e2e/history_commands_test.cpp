// Delete and Undo Delete, Change List, Merge and Split, and the mark on the real program.
#include "driver/keyboard.h"
#include "e2e_fixture.h"

namespace qv::e2e {
namespace {

class HistoryCommands : public EndToEnd {
  protected:
    HWND History() { return program_.Control(IDC_HISTORY); }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        std::string line;
        for (int i = 0; i < ListCount(History()); ++i)
            lines.push_back(ListLine(History(), i, line) ? line : "?");
        return lines;
    }
    // Selects exactly these lines, as clicks with Ctrl held would leave them.
    void SelectLines(std::initializer_list<int> lines) {
        LRESULT ignored = 0;
        SendBounded(History(), LB_SETSEL, FALSE, -1, ignored);
        for (int line : lines) {
            SendBounded(History(), LB_SETSEL, TRUE, line, ignored);
            SendBounded(History(), LB_SETCARETINDEX, line, FALSE, ignored);
        }
    }
    bool WaitForLines(const std::vector<std::string>& expected) {
        return program_.WaitUntil([&] { return Lines() == expected; }, 5000);
    }
    void CopyItems(int count) {
        for (int i = 0; i < count; ++i)
            CopyAndWait("item " + std::to_string(i), i + 1);
    }
    static std::vector<std::string> Items(std::initializer_list<int> numbers) {
        std::vector<std::string> lines;
        for (int i : numbers)
            lines.push_back("item " + std::to_string(i));
        return lines;
    }
    // Capture still works after the program wrote the clipboard itself.
    void ExpectLaterCopyCaptured() {
        const int count = ListCount(History());
        CopyAndWait("copied later", count + 1);
    }
};

TEST_F(HistoryCommands, DeleteThenCtrlZPutsScatteredLinesBack) {
    CopyItems(10);
    SelectLines({2, 5, 7});
    program_.Click(IDC_DELETE);
    ASSERT_TRUE(WaitForLines(Items({0, 1, 3, 4, 6, 8, 9})))
        << program_.Describe("Delete did not remove lines 2, 5 and 7");
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey('Z', VK_CONTROL));
    EXPECT_TRUE(WaitForLines(Items({0, 1, 2, 3, 4, 5, 6, 7, 8, 9})))
        << program_.Describe("Ctrl+Z did not put them back");

    // Three seconds later, Delete with nothing selected throws the kept items away for good.
    PumpFor(2500); // a Delete closer to the last one would be taken for a double click
    SelectLines({4});
    program_.Click(IDC_DELETE);
    ASSERT_TRUE(WaitForLines(Items({0, 1, 2, 3, 5, 6, 7, 8, 9})));
    PumpFor(3000);
    SelectLines({});
    program_.Click(IDC_DELETE);
    PumpFor(500);
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey('Z', VK_CONTROL));
    PumpFor(1000);
    EXPECT_EQ(Lines(), Items({0, 1, 2, 3, 5, 6, 7, 8, 9}));
    // The keys reach the window all the same: Ctrl+P steps from the last line, clicked.
    SelectLines({8});
    PostMessageA(program_.MainWindow(), WM_COMMAND, MAKEWPARAM(IDC_HISTORY, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(History()));
    ASSERT_TRUE(WaitForClipboardText("item 9", 5000)) << clipboardText_;
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey('P', VK_CONTROL));
    EXPECT_TRUE(WaitForClipboardText("item 8", 5000)) << clipboardText_;
    ExpectLaterCopyCaptured();
}

TEST_F(HistoryCommands, ChangeListCopiesSelectedLinesAndTheRetainListSurvivesARestart) {
    CopyItems(5);
    SelectLines({0, 3});
    program_.Click(IDC_CHANGE_LIST);
    ASSERT_TRUE(WaitForLines(Items({0, 3}))) << program_.Describe("no Retain List");
    EXPECT_EQ(program_.ControlText(IDC_LIST_NAME), "Retain List");
    CloseNormally();
    ASSERT_TRUE(program_.Other().EmptyClipboard());
    std::string error;
    ASSERT_TRUE(program_.Launch(error)) << error;
    ASSERT_TRUE(WaitForLines(Items({0, 1, 2, 3, 4}))) << program_.Describe("Main List lost");
    EXPECT_EQ(program_.ControlText(IDC_LIST_NAME), "Main List");
    SelectLines({});
    program_.Click(IDC_CHANGE_LIST);
    EXPECT_TRUE(WaitForLines(Items({0, 3}))) << program_.Describe("Retain List lost");
    EXPECT_EQ(program_.ControlText(IDC_LIST_NAME), "Retain List");
}

TEST_F(HistoryCommands, MergeThroughTheDialogAndSplitBack) {
    CopyAndWait(" alpha ", 1);
    CopyAndWait("beta", 2);
    SelectLines({0, 1});
    program_.Click(IDC_MERGE);
    const HWND dialog = program_.WaitForWindow("Merge Items", 5000);
    ASSERT_NE(dialog, nullptr) << program_.Describe("no Merge Items dialog");
    const HWND characters = GetDlgItem(dialog, IDC_MERGE_CHARS);
    EXPECT_FALSE(IsWindowEnabled(characters));
    PostMessageA(GetDlgItem(dialog, IDC_MERGE_WITH_CHARS), BM_CLICK, 0, 0);
    ASSERT_TRUE(program_.WaitUntil([&] { return IsWindowEnabled(characters) != FALSE; }, 3000));
    LRESULT ignored = 0;
    SendBounded(characters, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("; "), ignored);
    PostMessageA(GetDlgItem(dialog, IDC_MERGE_NEW_LINE), BM_CLICK, 0, 0);
    PumpFor(300);
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(History()) == 3; }, 5000))
        << program_.Describe("Merge added nothing");
    EXPECT_EQ(ListSelection(History()), std::vector<int>{2});
    program_.Click(IDC_RECALL);
    EXPECT_TRUE(WaitForClipboardText("alpha; \r\nbeta", 5000)) << clipboardText_;

    CopyAndWait("one\r\n\r\n  two  \r\nthree", 4);
    SelectLines({3});
    program_.Click(IDC_SPLIT);
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(History()) == 7; }, 5000))
        << program_.Describe("Split added nothing");
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()),
              (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(ListSelection(History()), (std::vector<int>{4, 5, 6}));
    ExpectLaterCopyCaptured();
}

TEST_F(HistoryCommands, SetMarkRelabelsAndReturnToMarkRecallsTheMarkedItem) {
    CopyItems(4);
    SelectLines({1});
    program_.Click(IDC_SET_MARK);
    ASSERT_TRUE(program_.WaitUntil(
        [&] { return program_.ControlText(IDC_SET_MARK) == "Ret. to Mar&k"; }, 3000))
        << program_.Describe("Set Mark kept its label");
    CopyAndWait("after the mark", 5);
    program_.Click(IDC_SET_MARK);
    EXPECT_TRUE(WaitForClipboardText("item 1", 5000)) << clipboardText_;
    EXPECT_EQ(ListSelection(History()), std::vector<int>{1});
    EXPECT_EQ(program_.ControlText(IDC_SET_MARK), "Set Mar&k");
    ExpectLaterCopyCaptured();
}

} // namespace
} // namespace qv::e2e
