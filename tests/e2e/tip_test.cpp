// The Tip of the Day in the real program: shown at start-up and by Ctrl+T or its menu entry,
// closed by the close box or Esc with what each keeps in the registry, paged to the last tip, and
// the topic chooser sorted by a click on its Topic title.
#include "e2e_fixture.h"
#include <commctrl.h>
#include <string>

namespace qv::e2e {
namespace {

class TipOfTheDay : public EndToEnd {
  protected:
    // Starts the program afresh with the tip shown at start-up.
    void RestartShowingTheTip() {
        program_.Kill();
        ResetUserData();
        ASSERT_TRUE(SetRegistryDword("Start Up", "Show Day Tip", 1));
        std::string error;
        ASSERT_TRUE(program_.Launch(error)) << error;
    }
    HWND WaitForTip() {
        const HWND tip = program_.WaitForWindow("Tip of the Day", 10000);
        EXPECT_NE(tip, nullptr) << program_.Describe("no Tip of the Day");
        return tip;
    }
    static int Selected(HWND tip) {
        LRESULT selected = -1;
        SendBounded(GetDlgItem(tip, IDC_TIP_NUMBER), CB_GETCURSEL, 0, 0, selected);
        return static_cast<int>(selected);
    }
    // Keys go through the program's own loop to the control with the focus, as typed keys do.
    static void PostKey(HWND tip, WORD key) {
        const HWND target = GetDlgItem(tip, IDC_TIP_STARTUP);
        PostMessageA(target, WM_KEYDOWN, key, 1);
        PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    }
    void UncheckShowAtStartUp(HWND tip) {
        const HWND box = GetDlgItem(tip, IDC_TIP_STARTUP);
        PostMessageA(box, BM_CLICK, 0, 0);
        EXPECT_TRUE(program_.WaitUntil(
            [&] {
                LRESULT state = BST_CHECKED;
                return SendBounded(box, BM_GETCHECK, 0, 0, state) && state == BST_UNCHECKED;
            },
            5000));
    }
    void WaitForStored(const char* key, DWORD value) {
        EXPECT_TRUE(program_.WaitUntil(
            [&] { return RegistryDword("Start Up", key) == std::optional<DWORD>(value); }, 5000))
            << key << " is not " << value;
    }
    void CloseBox(HWND tip) {
        PostMessageA(tip, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(program_.WaitUntil([&] { return !IsWindow(tip); }, 5000));
    }
};

TEST_F(TipOfTheDay, ShowsAtStartUpAndTheCloseBoxKeepsTheUncheckedBox) {
    RestartShowingTheTip();
    const HWND tip = WaitForTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(Selected(tip), 0);
    EXPECT_EQ(TextOf(GetDlgItem(tip, IDC_TIP_NUMBER)), "1");
    EXPECT_EQ(TextOf(GetDlgItem(tip, IDC_TIP_OF_COUNT)), "of 23");
    EXPECT_EQ(TextOf(GetDlgItem(tip, IDC_TIP_TOPIC)), "Introduction");
    EXPECT_NE(
        TextOf(GetDlgItem(tip, IDC_TIP_TEXT)).find("Welcome to Quorvane " QV_VERSION_TEXT ".\r\n"),
        std::string::npos);
    EXPECT_FALSE(IsWindowEnabled(program_.MainWindow())) << "the tip is modal over the window";
    UncheckShowAtStartUp(tip);
    CloseBox(tip);
    WaitForStored("Show Day Tip", 0);
    WaitForStored("Day Tip Index", 1);
    // Capture starts once the tip is gone.
    CopyAndWait("after the tip", 1);
}

TEST_F(TipOfTheDay, EscKeepsShowingItAtStartUp) {
    RestartShowingTheTip();
    const HWND tip = WaitForTip();
    ASSERT_NE(tip, nullptr);
    UncheckShowAtStartUp(tip);
    PostKey(tip, VK_ESCAPE);
    EXPECT_TRUE(program_.WaitUntil([&] { return !IsWindow(tip); }, 5000));
    WaitForStored("Day Tip Index", 1);
    EXPECT_EQ(RegistryDword("Start Up", "Show Day Tip"), std::optional<DWORD>(1));
}

TEST_F(TipOfTheDay, EnterGoesToTheLastTipWhichTheNextOpeningFollowsWithTheFirst) {
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey('T', VK_CONTROL));
    HWND tip = WaitForTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(Selected(tip), 0);
    PostKey(tip, VK_RETURN); // presses the default button, "&Last"
    EXPECT_TRUE(program_.WaitUntil([&] { return Selected(tip) == 22; }, 5000));
    EXPECT_EQ(TextOf(GetDlgItem(tip, IDC_TIP_TOPIC)), "Technical Support");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(tip, IDC_TIP_NEXT)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(tip, IDC_TIP_LAST)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(tip, IDC_TIP_FIRST)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(tip, IDC_TIP_PREVIOUS)));
    CloseBox(tip);
    WaitForStored("Day Tip Index", 23);

    program_.SysCommand(IDM_TIP);
    tip = WaitForTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(Selected(tip), 0) << "after the last tip comes the first";
    EXPECT_EQ(TextOf(GetDlgItem(tip, IDC_TIP_NUMBER)), "1");
    CloseBox(tip);
}

TEST_F(TipOfTheDay, ARowChosenAfterSortingByTopicShowsItsTip) {
    program_.SysCommand(IDM_TIP);
    const HWND tip = WaitForTip();
    ASSERT_NE(tip, nullptr);
    PostMessageA(GetDlgItem(tip, IDC_TIP_TOPIC_BUTTON), BM_CLICK, 0, 0);
    const HWND chooser = program_.WaitForWindow("Choose a Topic", 5000);
    ASSERT_NE(chooser, nullptr) << program_.Describe("no topic chooser");
    const HWND list = GetDlgItem(chooser, IDC_TOPIC_LIST);
    LRESULT header = 0, numberWidth = 0;
    ASSERT_TRUE(SendBounded(list, LVM_GETHEADER, 0, 0, header));
    ASSERT_TRUE(SendBounded(list, LVM_GETCOLUMNWIDTH, 1, 0, numberWidth));
    RECT title{};
    GetClientRect(reinterpret_cast<HWND>(header), &title);
    // A click on the "Topic" title, right of the hidden first and the "Tip #" columns.
    const LPARAM at = MAKELPARAM(numberWidth + 10, (title.bottom - title.top) / 2);
    PostMessageA(reinterpret_cast<HWND>(header), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(reinterpret_cast<HWND>(header), WM_LBUTTONUP, 0, at);
    PumpFor(500);
    // The first row after sorting: "Change List Button", tip 14.
    PostMessageA(list, WM_KEYDOWN, VK_HOME, 1);
    PostMessageA(list, WM_KEYUP, VK_HOME, 0xC0000001);
    PumpFor(300);
    PostMessageA(GetDlgItem(chooser, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(program_.WaitUntil([&] { return !IsWindow(chooser); }, 5000));
    EXPECT_TRUE(program_.WaitUntil([&] { return Selected(tip) == 13; }, 5000))
        << program_.Describe("the chosen row's tip is not shown");
    EXPECT_EQ(TextOf(GetDlgItem(tip, IDC_TIP_TOPIC)), "Change List Button");
    CloseBox(tip);
}

} // namespace
} // namespace qv::e2e
