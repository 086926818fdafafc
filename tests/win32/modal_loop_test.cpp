// The program's own modal loop: how a dialog run ends, what a quit request does to nested runs,
// and the keys that go through the accelerator table before the dialog manager.
#include "win32_fixture.h"
#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace qv::win32test {
namespace {

void PostCommand(platform::IDialogWindow& window, int id) {
    PostMessageA(reinterpret_cast<HWND>(window.Handle()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 0);
}

TEST(ModalLoop, EndDialogDuringStartUpEndsTheRunWithoutShowingTheWindow) {
    RecordingEvents events;
    events.onInit = [](platform::IDialogWindow& w) { w.EndDialog(7); };
    EXPECT_EQ(TestPlatform().RunModal(ProgramDialog(IDD_MAIN), events, 0), 7);
    EXPECT_FALSE(events.visibleAtDestroy);
    EXPECT_EQ(events.log.back(), "destroy");
}

TEST(ModalLoop, ShowsTheWindowAndRunsUntilEndDialog) {
    RecordingEvents events;
    bool visibleWhileRunning = false;
    events.onInit = [](platform::IDialogWindow& w) { PostCommand(w, IDC_UPDATE); };
    events.onCommand = [&](int id, int) {
        if (id != IDC_UPDATE)
            return;
        visibleWhileRunning = IsWindowVisible(reinterpret_cast<HWND>(events.window->Handle()));
        events.window->EndDialog(3);
    };
    EXPECT_EQ(TestPlatform().RunModal(ProgramDialog(IDD_MAIN), events, 0), 3);
    EXPECT_TRUE(visibleWhileRunning);
    EXPECT_EQ(events.log.back(), "destroy");
}

TEST(ModalLoop, AQuitRequestEndsTheRunAndKeepsItsCode) {
    RecordingEvents events;
    events.onInit = [](platform::IDialogWindow& w) { w.PostQuit(2); };
    EXPECT_EQ(TestPlatform().RunModal(ProgramDialog(IDD_MAIN), events, 0), -1);
    EXPECT_EQ(TestPlatform().QuitCode(), 2);
    EXPECT_FALSE(events.visibleAtDestroy) << "a window asked to quit at start-up stays hidden";
    EXPECT_EQ(events.log.back(), "destroy");

    // The request was used up: the next run is an ordinary one.
    RecordingEvents next;
    next.onInit = [](platform::IDialogWindow& w) { PostCommand(w, IDC_UPDATE); };
    next.onCommand = [&](int, int) { next.window->EndDialog(1); };
    EXPECT_EQ(TestPlatform().RunModal(ProgramDialog(IDD_MAIN), next, 0), 1);
}

TEST(ModalLoop, ANestedRunDisablesItsOwnerAndAQuitEndsBoth) {
    RecordingEvents outer;
    RecordingEvents inner;
    HWND outerWindow = nullptr;
    HWND innerOwner = nullptr;
    bool ownerEnabledDuringInner = true;
    int innerResult = 0;
    bool ownerEnabledAfterInner = false;
    inner.onInit = [&](platform::IDialogWindow& w) {
        const HWND window = reinterpret_cast<HWND>(w.Handle());
        innerOwner = GetWindow(window, GW_OWNER);
        ownerEnabledDuringInner = IsWindowEnabled(innerOwner) != FALSE;
        PostCommand(w, IDC_UPDATE);
    };
    inner.onCommand = [&](int, int) { inner.window->PostQuit(5); };
    outer.onInit = [&](platform::IDialogWindow& w) {
        outerWindow = reinterpret_cast<HWND>(w.Handle());
        PostCommand(w, IDC_CLEAR);
    };
    outer.onCommand = [&](int id, int) {
        if (id != IDC_CLEAR)
            return;
        innerResult = TestPlatform().RunModal(ProgramDialog(IDD_MAIN), inner, 0);
        ownerEnabledAfterInner = IsWindowEnabled(outerWindow) != FALSE;
    };
    EXPECT_EQ(TestPlatform().RunModal(ProgramDialog(IDD_MAIN), outer, 0), -1);
    EXPECT_EQ(innerOwner, outerWindow);
    EXPECT_FALSE(ownerEnabledDuringInner);
    EXPECT_EQ(innerResult, -1);
    EXPECT_TRUE(ownerEnabledAfterInner);
    EXPECT_EQ(TestPlatform().QuitCode(), 5);
}

// Keys typed into the running window, from another thread as a user would.
void TypeKeys(const std::vector<std::vector<WORD>>& chords) {
    for (const auto& chord : chords) {
        std::vector<INPUT> inputs;
        for (WORD key : chord) {
            INPUT down{};
            down.type = INPUT_KEYBOARD;
            down.ki.wVk = key;
            inputs.push_back(down);
        }
        for (auto it = chord.rbegin(); it != chord.rend(); ++it) {
            INPUT up{};
            up.type = INPUT_KEYBOARD;
            up.ki.wVk = *it;
            up.ki.dwFlags = KEYEVENTF_KEYUP;
            inputs.push_back(up);
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        Sleep(150);
    }
}

TEST(ModalLoop, AcceleratorsComeBeforeTheDialogManager) {
    RecordingEvents events;
    std::atomic<HWND> window{nullptr};
    events.initResult = false;
    events.onInit = [&](platform::IDialogWindow& w) {
        // The entries that two of the accelerators stand for: one enabled, one greyed.
        platform::ISystemMenu* menu = w.SystemMenu();
        ASSERT_NE(menu, nullptr);
        menu->AppendItem(IDM_WATCH, "&Watch for Changes\tCtrl+W", platform::MenuState::Checked);
        menu->AppendItem(IDM_UNDO_DELETE, "&Undo Delete\tCtrl+Z", platform::MenuState::Greyed);
        // Enter must reach the dialog manager, which a multi-line edit would keep for itself.
        w.ListBox(IDC_HISTORY).SetFocus();
        window = reinterpret_cast<HWND>(w.Handle());
    };
    events.onSysCommand = [](unsigned) { return true; };
    events.onClose = [&] { events.window->EndDialog(0); };

    std::thread typist([&] {
        for (int i = 0; i < 100 && !window.load(); ++i)
            Sleep(20);
        Sleep(300);
        SetForegroundWindow(window.load());
        Sleep(200);
        TypeKeys({{VK_CONTROL, 'W'}, {VK_CONTROL, 'Z'}, {VK_ESCAPE}, {VK_RETURN}});
        PostMessageA(window.load(), WM_CLOSE, 0, 0);
    });
    TestPlatform().RunModal(ProgramDialog(IDD_MAIN), events, 0);
    typist.join();

    EXPECT_TRUE(events.Saw("sys 64")) << "Ctrl+W arrives as the system command of its entry";
    EXPECT_FALSE(events.Saw("sys 128")) << "a greyed entry's accelerator sends nothing";
    EXPECT_TRUE(events.Saw("command 32771 1")) << "Esc is the ordinary command 32771";
    EXPECT_TRUE(events.Saw("getdefid"));
    EXPECT_TRUE(events.Saw("command 0 0")) << "Enter presses the default button, id 0";
    EXPECT_EQ(std::count(events.log.begin(), events.log.end(), "close"), 1)
        << "only the WM_CLOSE at the end closes";
}

} // namespace
} // namespace qv::win32test
