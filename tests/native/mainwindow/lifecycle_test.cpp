// Start-up, exit, placement, the viewer chain, log-off, minimizing, and the window going away.
#include "main_window_fixture.h"
#include "mainwindow/exit_request.h"

namespace qv::test {
namespace {

using platform::MsgResult;

TEST_F(MainWindowTest, StartUpTakesTheClipboardAndShowsCounts) {
    platform.files.CreateFolder("C:\\Data");
    platform.clipboard.PutFromOtherApp("already there");
    Open();
    EXPECT_EQ(platform.clipboard.firstViewer, window->Handle());
    EXPECT_EQ(List().GetCount(), 1);
    EXPECT_EQ(window->GetTitle(), "already there - Quorvane");
    EXPECT_TRUE(window->Btn(IDC_WATCH).IsChecked());
    EXPECT_TRUE(window->Btn(IDC_INCLUDE_FORMATTING).IsChecked());
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "1 item");
    EXPECT_EQ(Label(IDC_SELECTED_COUNT), "1 selected item");
    EXPECT_EQ(Label(IDC_CHAR_COUNT), "13 characters");
    EXPECT_TRUE(window->iconSet);
    Close();
    EXPECT_NE(FileBytes(dataFile).find("already there"), std::string::npos);
}

TEST_F(MainWindowTest, FailedClipboardConnectionQuitsWithCodeTwo) {
    platform.clipboard.failSetViewer = true;
    Open();
    ASSERT_FALSE(platform.messages.shown.empty());
    const auto& box = platform.messages.shown.back();
    EXPECT_EQ(box.caption, "Clipboard Connection");
    EXPECT_EQ(box.text, "Quorvane did not connect to the Clipboard and will shut down.  Please "
                        "restart it.  You may need to reboot your computer.");
    EXPECT_EQ(box.icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(platform.quitCode, 2);
    EXPECT_EQ(platform.clipboard.firstViewer, 0u);
    Close(); // destruction must cope with a window that never finished starting
    // The placement is still saved.
    EXPECT_EQ(platform.settings.GetInt("Placement", "ShowCmd", -1), platform::kShowNormal);
}

TEST_F(MainWindowTest, CloseAsksOnlyWithConfirmExitButEscAlwaysAsks) {
    struct Case {
        int confirmExit;
        bool escape;
        MsgResult answer;
        bool asked;
        bool ends;
        int result;
    };
    for (const Case& c : {Case{1, false, MsgResult::No, true, false, 0},
                          Case{1, false, MsgResult::Yes, true, true, 2},
                          Case{0, false, MsgResult::No, false, true, 2},
                          Case{0, true, MsgResult::No, true, false, 0},
                          Case{0, true, MsgResult::Yes, true, true, 1}}) {
        SetOption(kSectionMisc, kKeyConfirmExit, c.confirmExit);
        Open();
        platform.messages.shown.clear();
        platform.messages.Answer(c.answer);
        if (c.escape)
            PressEscape();
        else
            window->PressClose();
        EXPECT_EQ(!platform.messages.shown.empty(), c.asked);
        if (c.asked) {
            EXPECT_EQ(platform.messages.shown.back().text, "Do you want to exit Quorvane?");
            EXPECT_EQ(platform.messages.shown.back().caption, "Confirm Exit");
            EXPECT_EQ(platform.messages.shown.back().buttons, platform::MsgButtons::YesNo);
        }
        EXPECT_EQ(window->ended, c.ends);
        EXPECT_EQ(window->endResult, c.result);
        platform.messages.answers.clear();
        Close();
    }
}

// The installer asks a running program to exit before it replaces it; with Confirm Exit on, a
// question would hold a silent install, and the lists must still be saved as at any exit.
TEST_F(MainWindowTest, AnExitRequestEndsWithoutTheQuestionAndSaves) {
    SetOption(kSectionMisc, kKeyConfirmExit, 1);
    platform.files.CreateFolder("C:\\Data");
    Open();
    CopyElsewhere("saved on request");
    platform.messages.shown.clear();
    ASSERT_TRUE(platform.PostToWindow(window->Handle(), WM_EXIT_REQUEST, 0, 0));
    platform.DeliverPosted();
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_TRUE(window->ended);
    EXPECT_EQ(window->endResult, 2); // as the close box
    Close();
    EXPECT_NE(FileBytes(dataFile).find("saved on request"), std::string::npos);
}

TEST_F(MainWindowTest, EnterNeverPressesAButton) {
    Open();
    EXPECT_EQ(Events().OnGetDefaultButton(), 0);
}

TEST_F(MainWindowTest, PlacementIsSavedAndRestored) {
    Open();
    window->placement.normal = platform::Rect{100, 120, 600, 520};
    Close();
    EXPECT_EQ(platform.settings.GetInt("Placement", "x1", -1), 100);
    EXPECT_EQ(platform.settings.GetInt("Placement", "y2", -1), 520);
    Open();
    EXPECT_EQ(window->placement.normal.left, 100);
    EXPECT_EQ(window->placement.normal.bottom, 520);
    EXPECT_FALSE(window->minimized);
}

TEST_F(MainWindowTest, PlacementRules) {
    struct Case {
        int restore, startMinimized;
        int x1, y1, x2, y2; // stored; x1 -1 stores nothing
        platform::Rect expected;
        bool minimized, centred;
    };
    const platform::Rect none{0, 0, 0, 0};
    for (const Case& c : {
             // Beyond the right and bottom edges: moved to one icon inside, size kept.
             Case{1, 0, 2000, 1500, 2500, 1900, {1248, 992, 1748, 1392}, false, false},
             // Off the left or top edge: left as it is.
             Case{1, 0, -300, -50, 200, 350, {-300, -50, 200, 350}, false, false},
             Case{1, 1, 10, 20, 510, 420, {10, 20, 510, 420}, true, false},
             Case{0, 1, 10, 20, 510, 420, none, true, true},
             // First run: nothing stored, shown normally where the dialog was created.
             Case{1, 1, -1, 0, 0, 0, none, false, false},
         }) {
        ProgramPlatform fresh;
        fresh.settings.SetRoot(kSettingsCompany, "Quorvane");
        fresh.settings.WriteInt("Start Up", "Restore Wnd Placement", c.restore);
        fresh.settings.WriteInt("Start Up", "Start Minimized", c.startMinimized);
        if (c.x1 != -1) {
            const int values[] = {0, 1, c.x1, c.y1, c.x2, c.y2};
            const char* keys[] = {"Flags", "ShowCmd", "x1", "y1", "x2", "y2"};
            for (int i = 0; i < 6; ++i)
                fresh.settings.WriteInt("Placement", keys[i], values[i]);
        }
        CMainDialog d(fresh, "C:\\Data\\");
        auto w = fresh.OpenDialog(ProgramDialog(IDD_MAIN), d);
        const auto& r = w->placement.normal;
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
        EXPECT_EQ(w->minimized, c.minimized);
        EXPECT_EQ(w->centred, c.centred);
        fresh.CloseDialog(std::move(w));
    }
}

// A viewer of another program that joined the chain before the window: counts the notices that
// reach it and what it hears of the chain.
class ChainTest : public MainWindowTest {
  protected:
    static constexpr platform::WindowRef kOther = 0x9000;
    int notices = 0;
    platform::WindowRef removedHeard = 0;

    ChainTest() {
        platform.clipboard.RegisterWindow(
            kOther,
            {[this](const platform::ClipboardNotice&) { ++notices; },
             [this](platform::WindowRef removed, platform::WindowRef) { removedHeard = removed; }});
        platform::WindowRef none = 0;
        platform.clipboard.SetViewer(kOther, none);
        Open();
        notices = 0;
    }
};

TEST_F(ChainTest, NoticesArePassedOnAndTheChainIsRepaired) {
    CopyElsewhere("one");
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(List().GetCount(), 1);
    // A cancelled log-off leaves the window in the chain exactly once.
    LogOff(false);
    CopyElsewhere("two");
    EXPECT_EQ(notices, 2);
    EXPECT_EQ(List().GetCount(), 2);
    EXPECT_EQ(platform.clipboard.firstViewer, window->Handle());
    // The other viewer leaves: the window's next viewer becomes what followed it.
    platform.clipboard.ChangeChain(kOther, 0);
    CopyElsewhere("three");
    EXPECT_EQ(notices, 2);
    EXPECT_EQ(List().GetCount(), 3);
}

TEST_F(ChainTest, ChainChangeForOthersIsPassedOn) {
    platform.clipboard.ChangeChain(0x9999, 0x9998);
    EXPECT_EQ(removedHeard, 0x9999u);
    CopyElsewhere("still passed on");
    EXPECT_EQ(notices, 1);
}

TEST_F(ChainTest, LogOffLeavesTheChainAndKeepsTheLists) {
    CopyElsewhere("kept");
    LogOff();
    EXPECT_EQ(platform.clipboard.firstViewer, kOther);
    EXPECT_EQ(List().GetCount(), 1);
    EXPECT_NE(platform.settings.GetInt("Placement", "ShowCmd", -1), -1);
}

TEST_F(MainWindowTest, MinimizeAndRestoreSwapTheMenuEntries) {
    Open();
    auto& entries = window->menu.entries;
    EXPECT_TRUE(entries[0].greyed);  // Restore
    EXPECT_FALSE(entries[2].greyed); // Minimize
    Resize(platform::SizeKind::Minimized);
    EXPECT_FALSE(entries[0].greyed);
    EXPECT_TRUE(entries[2].greyed);
    Activate(true);
    CopyElsewhere("a minimized window does not count as in front");
    EXPECT_EQ(List().GetCount(), 1);
    Resize(platform::SizeKind::Restored);
    EXPECT_TRUE(entries[0].greyed);
    EXPECT_FALSE(entries[2].greyed);
}

TEST_F(MainWindowTest, WindowActivatedWhileMinimizedIsInFrontOnceRestored) {
    Open();
    Resize(platform::SizeKind::Minimized);
    Activate(true);
    Resize(platform::SizeKind::Restored);
    CopyElsewhere("copied while the window is in front");
    EXPECT_EQ(List().GetCount(), 0);
    Activate(false);
    CopyElsewhere("copied in the background");
    ASSERT_EQ(List().GetCount(), 1);
    EXPECT_EQ(LineText(0), "copied in the background");
}

TEST_F(MainWindowTest, NoticesDuringDestructionAreIgnored) {
    Open();
    window->Combo(IDC_SEARCH).SetText("typed");
    platform.CloseDialog(std::move(window));
    platform.messages.shown.clear();
    // The search field loses its focus and the chain may still call while the window goes.
    dialog->OnCommand(IDC_SEARCH, 4);
    dialog->OnCommand(IDC_RECALL, platform::kButtonClicked);
    EXPECT_FALSE(dialog->OnSysCommand(IDM_WATCH));
    platform.clock.Advance(1000);
    dialog->OnDrawClipboard(platform::ClipboardNotice{});
    dialog->OnChangeCbChain(1, 2);
    dialog->OnSize(platform::SizeKind::Minimized);
    dialog->OnFontChange();
    dialog->OnClose();
    dialog->OnEndSession(true);
    EXPECT_TRUE(platform.messages.shown.empty());
}

} // namespace
} // namespace qv::test
