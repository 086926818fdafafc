// What both back ends promise about dialogs, as one table of cases. Each tier runs the table on
// its own back end: the native tier on the headless one, the Win32 tier on the real one.
#pragma once
#include "platform/platform.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include <gtest/gtest.h>
#include <vector>

namespace qv::contract {

// A back end under test, with the one thing that only it can observe.
class DialogBackEnd {
  public:
    virtual ~DialogBackEnd() = default;
    virtual platform::IPlatform& Platform() = 0;
    // The main window's dialog, made and initialised but not run; it lives until the back end
    // goes.
    virtual platform::IDialogWindow& OpenMain() = 0;
    // Whether the control was last told to draw (true when it was never told otherwise).
    virtual bool Drawing(int controlId) = 0;
};

// Ends its own run at once with a quit request, as start-up does when it cannot go on.
class QuitAtStart : public platform::IDialogEvents {
  public:
    bool OnInitDialog(platform::IDialogWindow& window) override {
        window.PostQuit(7);
        return true;
    }
    void OnCommand(int, int) override {}
    void OnClose() override {}
    void OnDestroy() override {}
};

// Records the messages that reach a window of the program.
class Recording : public platform::IDialogEvents {
  public:
    bool OnInitDialog(platform::IDialogWindow&) override { return true; }
    void OnCommand(int, int) override {}
    void OnPosted(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        received.push_back({message, wParam, lParam});
    }
    void OnClose() override {}
    void OnDestroy() override {}
    struct Message {
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::vector<Message> received;
};

struct ContractCase {
    const char* name;
    void (*run)(DialogBackEnd& backEnd);
};

inline const std::vector<ContractCase>& DialogContract() {
    static const std::vector<ContractCase> cases = {
        {"redraw of the list stops and resumes",
         [](DialogBackEnd& b) {
             platform::IListBox& list = b.OpenMain().ListBox(IDC_HISTORY);
             list.SetRedraw(false);
             EXPECT_FALSE(b.Drawing(IDC_HISTORY));
             list.SetRedraw(true);
             EXPECT_TRUE(b.Drawing(IDC_HISTORY));
         }},
        {"screen metrics are known",
         [](DialogBackEnd& b) {
             platform::ScreenMetrics m;
             ASSERT_TRUE(b.OpenMain().GetScreenMetrics(m));
             EXPECT_GT(m.screenWidth, 0);
             EXPECT_GT(m.screenHeight, 0);
             EXPECT_GT(m.iconWidth, 0);
             EXPECT_GT(m.iconHeight, 0);
         }},
        {"a modal run ended by a quit request answers -1",
         [](DialogBackEnd& b) {
             QuitAtStart events;
             EXPECT_EQ(b.Platform().RunModal(ProgramDialog(IDD_ABOUT), events, 0), -1);
             EXPECT_EQ(b.Platform().QuitCode(), 7);
         }},
        {"a single-selection list keeps at most one line selected",
         [](DialogBackEnd& b) {
             Recording events;
             auto mini = b.Platform().OpenModeless(ProgramDialog(IDD_MINI_WINDOW), events, 0);
             ASSERT_TRUE(mini);
             platform::IListBox& list = mini->Window().ListBox(IDC_HISTORY);
             for (const char* text : {"zero", "one", "two"})
                 list.AddString(text);
             EXPECT_TRUE(list.SetSel(1, true));
             EXPECT_TRUE(list.SetSel(2, true));
             EXPECT_EQ(list.GetSelItems(), std::vector<int>{2});
             EXPECT_EQ(list.GetSelCount(), 1);
             EXPECT_FALSE(list.IsSelected(1));
             list.SetSel(-1, false);
             EXPECT_EQ(list.GetSelCount(), 0);
             EXPECT_TRUE(list.GetSelItems().empty());
         }},
        {"a run of lines is selected and deselected in one step",
         [](DialogBackEnd& b) {
             platform::IListBox& list = b.OpenMain().ListBox(IDC_HISTORY);
             for (const char* text : {"zero", "one", "two", "three", "four"})
                 list.AddString(text);
             struct Step {
                 int first, last;
                 bool select;
                 std::vector<int> after;
             } steps[] = {
                 {1, 3, true, {1, 2, 3}},       {4, 4, true, {1, 2, 3, 4}}, // a run of one line
                 {2, 3, false, {1, 4}},         {0, 0, false, {1, 4}},      // already so
                 {0, 4, true, {0, 1, 2, 3, 4}}, {4, 4, false, {0, 1, 2, 3}},
             };
             for (const Step& s : steps) {
                 EXPECT_TRUE(list.SetSelRange(s.first, s.last, s.select));
                 EXPECT_EQ(list.GetSelItems(), s.after) << s.first << ".." << s.last;
             }
             EXPECT_FALSE(list.SetSelRange(3, 1, true)); // an empty run is refused
             EXPECT_EQ(list.GetSelCount(), 4);
         }},
        {"a message sent to a window is handled before the send returns",
         [](DialogBackEnd& b) {
             Recording events;
             auto mini = b.Platform().OpenModeless(ProgramDialog(IDD_MINI_WINDOW), events, 0);
             ASSERT_TRUE(mini);
             b.Platform().SendToWindow(mini->Window().Handle(), 0x503, 7, 8);
             ASSERT_EQ(events.received.size(), 1u);
             EXPECT_EQ(events.received[0].message, 0x503u);
             EXPECT_EQ(events.received[0].wParam, 7u);
             EXPECT_EQ(events.received[0].lParam, 8);
         }},
        {"a control id the dialog lacks fails",
         [](DialogBackEnd& b) {
             platform::IDialogWindow& window = b.OpenMain();
             EXPECT_THROW(window.Control(4242), platform::ControlError);
             EXPECT_THROW(window.Label(-1), platform::ControlError);
         }},
        {"a control asked for as another kind fails",
         [](DialogBackEnd& b) {
             platform::IDialogWindow& window = b.OpenMain();
             EXPECT_THROW(window.Button(IDC_HISTORY), platform::ControlError);
             EXPECT_THROW(window.ListBox(IDC_SEARCH), platform::ControlError);
             EXPECT_THROW(window.RichEdit(IDC_RECALL), platform::ControlError);
             EXPECT_NO_THROW(window.Label(IDC_RECALL)); // any control shows text
         }},
    };
    return cases;
}

} // namespace qv::contract
