// The dialog procedure: each window message the program handles reaches the right event with the
// right arguments, and answers go back to the platform the way it reads them.
#include "win32_fixture.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

namespace qv::win32test {
namespace {

struct MessageCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* event;
    LRESULT answer; // what SendMessage returns
};

class DialogEvents : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_ = OpenDialog(events_);
        ASSERT_TRUE(dialog_);
        events_.Take();
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(dialog_->Window(), message, wParam, lParam);
    }
    RecordingEvents events_;
    std::unique_ptr<pw::Win32Dialog> dialog_;
};

TEST_F(DialogEvents, EachMessageReachesItsEvent) {
    const MessageCase cases[] = {
        {"button click", WM_COMMAND, MAKEWPARAM(IDC_RECOPY, BN_CLICKED), 0, "command 1004 0", 0},
        {"list double click", WM_COMMAND, MAKEWPARAM(IDC_HISTORY, LBN_DBLCLK), 0, "command 1002 2",
         0},
        {"pane change", WM_COMMAND, MAKEWPARAM(IDC_CONTENTS, EN_CHANGE), 0, "command 1000 768", 0},
        {"Esc command", WM_COMMAND, MAKEWPARAM(IDM_EXIT_ASK, 0), 0, "command 32771 0", 0},
        {"Esc or a Cancel button", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0, "cancel", 0},
        {"system command keeps its high bits", WM_SYSCOMMAND, IDM_WATCH | 0x3, 0, "sys 64", 0},
        {"clipboard change", WM_DRAWCLIPBOARD, 0, 0, "drawclipboard", 0},
        {"chain change", WM_CHANGECBCHAIN, 0x1234, 0x5678, "changecbchain 4660 22136", 0},
        {"deactivated", WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0, "activate 0", 0},
        {"activated by click", WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0), 0, "activate 1", 0},
        {"size maximized", WM_SIZE, SIZE_MAXIMIZED, 0, "size other", 0},
        {"log-off asked", WM_QUERYENDSESSION, 0, 0, "queryendsession", TRUE},
        {"log-off ends", WM_ENDSESSION, TRUE, 0, "endsession 1", 0},
        {"log-off cancelled", WM_ENDSESSION, FALSE, 0, "endsession 0", 0},
        {"font change", WM_FONTCHANGE, 0, 0, "fontchange", 0},
        {"default button", DM_GETDEFID, 0, 0, "getdefid", MAKELONG(0, DC_HASDEFID)},
    };
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(c.name);
        events_.onSysCommand = [](unsigned) { return true; };
        const LRESULT answer = Send(c.message, c.wParam, c.lParam);
        EXPECT_EQ(events_.Take(), std::vector<std::string>{c.event});
        EXPECT_EQ(answer, c.answer);
    }
}

TEST_F(DialogEvents, AnswersCarryTheHandlersResults) {
    events_.endSessionAnswer = false;
    EXPECT_EQ(Send(WM_QUERYENDSESSION), FALSE);
    events_.defaultButton = IDC_RECALL;
    EXPECT_EQ(Send(DM_GETDEFID), MAKELONG(IDC_RECALL, DC_HASDEFID));
}

TEST_F(DialogEvents, UnhandledSystemCommandsGetThePlatformDefault) {
    events_.onSysCommand = [](unsigned) { return false; };
    Send(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(dialog_->IsMinimized());
    EXPECT_TRUE(events_.Saw("sys 61472"));
    EXPECT_TRUE(events_.Saw("size minimized"));
    events_.Take();

    Send(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_FALSE(dialog_->IsMinimized());
    EXPECT_TRUE(events_.Saw("size restored"));
    events_.Take();

    // A handled command stops there.
    events_.onSysCommand = [](unsigned) { return true; };
    Send(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_FALSE(dialog_->IsMinimized());
}

TEST_F(DialogEvents, EveryCloseRouteEndsInOnClose) {
    const UINT routes[][2] = {{WM_SYSCOMMAND, SC_CLOSE}, {WM_CLOSE, 0}};
    for (const auto& route : routes) {
        SCOPED_TRACE(route[0]);
        Send(route[0], route[1]);
        Pump(2000, [&] { return events_.Saw("close"); });
        EXPECT_TRUE(events_.Saw("close"));
        EXPECT_TRUE(IsWindow(dialog_->Window())) << "closing is the program's decision";
        events_.Take();
    }
}

TEST_F(DialogEvents, AHandlersExceptionStaysInsideTheProcedure) {
    events_.throwOnCommand = true;
    Send(WM_COMMAND, MAKEWPARAM(IDC_UPDATE, BN_CLICKED));
    EXPECT_EQ(events_.Take(), std::vector<std::string>{"command 1006 0"});
    events_.throwOnCommand = false;
    Send(WM_COMMAND, MAKEWPARAM(IDC_UPDATE, BN_CLICKED));
    EXPECT_EQ(events_.Take(), std::vector<std::string>{"command 1006 0"});
}

TEST_F(DialogEvents, IconIsTheProgramsForTheWindowAndForDragging) {
    dialog_->SetIcon();
    const auto big = reinterpret_cast<HICON>(Send(WM_GETICON, ICON_BIG));
    const auto smallIcon = reinterpret_cast<HICON>(Send(WM_GETICON, ICON_SMALL));
    ASSERT_NE(big, nullptr);
    ASSERT_NE(smallIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(Send(WM_QUERYDRAGICON)), big);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(big, &info));
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, GetSystemMetrics(SM_CXICON));
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
}

TEST_F(DialogEvents, DestructionReportsOnceAndFreesTheWindow) {
    const HWND window = dialog_->Window();
    dialog_.reset();
    const std::vector<std::string> log = events_.Take();
    EXPECT_EQ(std::count(log.begin(), log.end(), "destroy"), 1);
    EXPECT_EQ(log.back(), "destroy");
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
} // namespace qv::win32test
