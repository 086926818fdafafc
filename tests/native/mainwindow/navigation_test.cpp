// Previous and Next, their previews in the system menu, and the menu as a whole.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

class NavigationTest : public MainWindowTest {
  protected:
    void SetUp() override {
        Open();
        for (int i = 0; i < 10; ++i)
            CopyElsewhere("item " + std::to_string(i));
        platform.messages.shown.clear();
    }
    const platform::headless::MenuEntry& Entry(unsigned command) {
        return *window->menu.Find(command);
    }
};

TEST_F(NavigationTest, StepsFromTheCaretWithSeveralSelected) {
    struct Case {
        unsigned command;
        int expected;
    };
    for (const Case& c : {Case{IDM_PREVIOUS, 3}, Case{IDM_NEXT, 5}}) {
        SelectByUser({3, 4, 7}, 4);
        ASSERT_TRUE(window->ChooseMenuEntry(c.command));
        EXPECT_EQ(List().GetSelItems(), std::vector<int>{c.expected});
        EXPECT_EQ(List().GetCaretIndex(), c.expected);
        EXPECT_EQ(Pane().GetPlainText(), "item " + std::to_string(c.expected));
        EXPECT_EQ(platform.clipboard.Text(), "item " + std::to_string(c.expected));
        EXPECT_FALSE(window->Btn(IDC_BACK).IsEnabled());
    }
}

TEST_F(NavigationTest, ButtonsDoTheSame) {
    SelectByUser({6}, 6);
    window->Click(IDC_PREVIOUS);
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{5});
    window->Click(IDC_NEXT);
    window->Click(IDC_NEXT);
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{7});
    EXPECT_EQ(Pane().GetPlainText(), "item 7");
}

TEST_F(NavigationTest, NothingHappensAtTheEndsOrOnAnUnselectedCaret) {
    struct Case {
        std::vector<int> selected;
        int caret;
        unsigned command;
    };
    for (const Case& c : {Case{{9}, 9, IDM_NEXT}, Case{{0}, 0, IDM_PREVIOUS},
                          Case{{2}, 5, IDM_NEXT}, Case{{2}, 5, IDM_PREVIOUS}}) {
        List().SetSel(-1, false);
        for (int i : c.selected)
            List().SetSel(i, true);
        List().SetCaretIndex(c.caret);
        // Ctrl+N and Ctrl+P arrive whatever the menu entries show.
        EXPECT_TRUE(Events().OnSysCommand(c.command));
        EXPECT_EQ(List().GetSelItems(), c.selected);
        EXPECT_EQ(List().GetCaretIndex(), c.caret);
        EXPECT_TRUE(platform.messages.shown.empty());
    }
    SelectByUser({2}, 5); // caret on an unselected line
    EXPECT_FALSE(window->Btn(IDC_PREVIOUS).IsEnabled());
    EXPECT_FALSE(window->Btn(IDC_NEXT).IsEnabled());
    EXPECT_TRUE(Entry(IDM_PREVIOUS).greyed);
}

TEST_F(NavigationTest, RefreshSetsButtonsAndPreviewLabels) {
    SelectByUser({4}, 4);
    EXPECT_TRUE(window->Btn(IDC_PREVIOUS).IsEnabled());
    EXPECT_TRUE(window->Btn(IDC_NEXT).IsEnabled());
    EXPECT_EQ(Entry(IDM_PREVIOUS).text, "&Previous Item: item 3\tCtrl+P");
    EXPECT_EQ(Entry(IDM_NEXT).text, "Ne&xt Item: item 5\tCtrl+N");
    EXPECT_FALSE(Entry(IDM_PREVIOUS).greyed);
    SelectByUser({9}, 9);
    EXPECT_FALSE(window->Btn(IDC_NEXT).IsEnabled());
    EXPECT_EQ(Entry(IDM_NEXT).text, "Ne&xt Item\tCtrl+N");
    EXPECT_TRUE(Entry(IDM_NEXT).greyed);
}

TEST_F(NavigationTest, EmptyNeighbourGreysTheEntryButNotTheButton) {
    CopyElsewhere("");
    CopyElsewhere("last");
    SelectByUser({11}, 11);
    EXPECT_TRUE(window->Btn(IDC_PREVIOUS).IsEnabled());
    EXPECT_TRUE(Entry(IDM_PREVIOUS).greyed);
    EXPECT_EQ(Entry(IDM_PREVIOUS).text, "&Previous Item\tCtrl+P");
}

TEST_F(MainWindowTest, OneItemListHasNoNeighbours) {
    Open();
    CopyElsewhere("alone");
    EXPECT_FALSE(window->Btn(IDC_PREVIOUS).IsEnabled());
    EXPECT_FALSE(window->Btn(IDC_NEXT).IsEnabled());
    EXPECT_TRUE(window->menu.Find(IDM_PREVIOUS)->greyed);
    EXPECT_TRUE(window->menu.Find(IDM_NEXT)->greyed);
}

TEST_F(MainWindowTest, SystemMenuAfterStartUp) {
    Open();
    struct Row {
        unsigned command;
        const char* text; // nullptr: separator
        bool checked, greyed;
    };
    const Row rows[] = {
        {0, "&Restore", false, true},
        {0, "&Move", false, false},
        {0, "Mi&nimize", false, false},
        {0, nullptr, false, false},
        {0, "&Close\tAlt+F4", false, false},
        {0, nullptr, false, false},
        {IDM_TIP, "Show &Tip of the Day...\tCtrl+T", false, false},
        {IDM_ABOUT, "&About Quorvane...\tCtrl+A", false, false},
        {0, nullptr, false, false},
        {IDM_WATCH, "&Watch for Changes\tCtrl+W", true, false},
        {IDM_INCLUDE_FORMATTING, "Include &Formatting \tCtrl+F", true, false},
        {0, nullptr, false, false},
        {IDM_MARK, "Set Mar&k\tCtrl+K", false, false},
        {IDM_UNDO_DELETE, "&Undo Delete\tCtrl+Z", false, true},
        {IDM_LAUNCH, "&Launch\tCtrl+L", false, false},
        {0, nullptr, false, false},
        {IDM_MINI_WINDOW, "Show M&ini-Window\tCtrl+M", false, false},
        {0, nullptr, false, false},
        {IDM_REFRESH, "R&efresh", false, false},
        {IDM_PREVIOUS, "&Previous Item\tCtrl+P", false, true},
        {IDM_NEXT, "Ne&xt Item\tCtrl+N", false, true},
    };
    const auto& entries = window->menu.entries;
    ASSERT_EQ(entries.size(), std::size(rows));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Row& r = rows[i];
        EXPECT_EQ(entries[i].separator, r.text == nullptr) << i;
        if (!r.text)
            continue;
        EXPECT_EQ(entries[i].command, r.command) << i;
        EXPECT_EQ(entries[i].text, r.text) << i;
        EXPECT_EQ(entries[i].checked, r.checked) << i;
        EXPECT_EQ(entries[i].greyed, r.greyed) << i;
    }
}

TEST_F(MainWindowTest, AboutEntryIsLeftOutWhenItsStringIsEmpty) {
    platform.strings.table[IDS_ABOUT_MENU] = "";
    Open();
    EXPECT_EQ(window->menu.Find(IDM_ABOUT), nullptr);
    EXPECT_NE(window->menu.Find(IDM_TIP), nullptr);
}

} // namespace
} // namespace qv::test
