#include "main_window_fixture.h"
#include "settings/settings_names.h"

namespace qv::test {
namespace {

class SearchTest : public MainWindowTest {
  protected:
    void SetUp() override {
        platform.settings.WriteString("Searching", "Term0", "stored one");
        platform.settings.WriteString("Searching", "Term1", "stored two");
        Open();
        for (const char* t : {"apple pie", "banana", "apple juice", "cherry", "green apple"})
            CopyElsewhere(t);
        platform.messages.shown.clear();
    }
    void Type(const std::string& text) {
        window->Combo(IDC_SEARCH).SetText(text);
        dialog->OnCommand(IDC_SEARCH, platform::kComboEditChange);
    }
    std::vector<std::string> Terms() {
        std::vector<std::string> terms;
        auto& combo = window->Combo(IDC_SEARCH);
        for (int i = 0; i < combo.GetCount(); ++i) {
            std::string t;
            combo.GetLBText(i, t);
            terms.push_back(t);
        }
        return terms;
    }
};

TEST_F(SearchTest, SelectsExactlyTheMatchesWithTheCaretOnTheLast) {
    Select({1, 3}, 3);
    Type("APPLE");
    EXPECT_EQ(List().GetSelItems(), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(List().GetCaretIndex(), 4);
    EXPECT_TRUE(window->Btn(IDC_BACK).IsEnabled());
    EXPECT_FALSE(window->Btn(IDC_FORWARD).IsEnabled());
    EXPECT_TRUE(dialog->IsSearchStepping());
    EXPECT_EQ(Label(IDC_SELECTED_COUNT), "3 selected items");
    EXPECT_TRUE(List().visible);
}

TEST_F(SearchTest, UseFirstFoundPutsTheCaretOnTheFirst) {
    dialog->MutableSettings().useFirstFound = 1;
    Type("apple");
    EXPECT_EQ(List().GetCaretIndex(), 0);
    EXPECT_FALSE(window->Btn(IDC_BACK).IsEnabled());
    EXPECT_TRUE(window->Btn(IDC_FORWARD).IsEnabled());
}

TEST_F(SearchTest, NoMatchEmptyPatternAndSpace) {
    CopyElsewhere(""); // an empty item, line 5
    Select({2}, 2);
    Type("kiwi");
    EXPECT_EQ(List().GetSelCount(), 0);
    EXPECT_EQ(List().GetCaretIndex(), 2);
    EXPECT_FALSE(window->Btn(IDC_BACK).IsEnabled());
    EXPECT_FALSE(dialog->IsSearchStepping());
    Type("");
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{5}); // only the empty text matches
    Type(" ");
    EXPECT_EQ(List().GetSelItems(), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(SearchTest, MatchBeyondTheListTextAndLinesWithoutItems) {
    CopyElsewhere(std::string(600, 'x') + " needle");
    List().AddString("needle in a line without an item");
    Type("needle");
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{5});
}

TEST_F(SearchTest, TyposAreToleratedWhenAllowed) {
    dialog->MutableSettings().allowTypos = 1;
    Type("banan");
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{1});
    Type("bnaana");
    EXPECT_EQ(List().GetSelCount(), 1);
}

TEST_F(SearchTest, BackAndForwardStepAndRecallTheCaretLine) {
    Type("apple");
    dialog->OnCommand(IDC_BACK, platform::kButtonClicked);
    EXPECT_EQ(List().GetCaretIndex(), 2);
    EXPECT_EQ(List().GetSelItems(), (std::vector<int>{0, 2, 4})); // found lines stay selected
    EXPECT_EQ(Pane().GetPlainText(), "apple juice");
    EXPECT_EQ(platform.clipboard.Text(), "apple juice");
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_TRUE(window->Btn(IDC_FORWARD).IsEnabled());
    dialog->OnCommand(IDC_BACK, platform::kButtonClicked);
    EXPECT_EQ(List().GetCaretIndex(), 0);
    EXPECT_FALSE(window->Btn(IDC_BACK).IsEnabled());
    dialog->OnCommand(IDC_FORWARD, platform::kButtonClicked);
    EXPECT_EQ(Pane().GetPlainText(), "apple juice");
    // Recall itself works on the caret line while stepping.
    EXPECT_TRUE(dialog->Recall(false));
    // A selection change by the user ends stepping.
    dialog->OnCommand(IDC_HISTORY, platform::kListSelChange);
    EXPECT_FALSE(dialog->IsSearchStepping());
    EXPECT_FALSE(window->Btn(IDC_BACK).IsEnabled());
    EXPECT_FALSE(dialog->Recall(false));
    EXPECT_EQ(LastMessage(), "Please select a single item.");
}

TEST_F(SearchTest, BackOnAnUnselectedCaretOnlyCommits) {
    Type("\tapple ");
    const int caret = List().GetCaretIndex();
    List().SetSel(caret, false);
    dialog->OnCommand(IDC_BACK, platform::kButtonClicked);
    EXPECT_EQ(List().GetCaretIndex(), caret);
    EXPECT_EQ(Terms().back(), "apple");
}

TEST_F(SearchTest, CommitsTrimmedAndUniqueFromTheRightCommands) {
    EXPECT_EQ(Terms(), (std::vector<std::string>{"stored one", "stored two"}));
    Type("  Apple  ");
    dialog->OnSysCommand(IDM_WATCH); // switching watching off does not commit
    EXPECT_EQ(Terms().size(), 2u);
    dialog->OnCommand(IDC_RECOPY, platform::kButtonClicked);
    EXPECT_EQ(Terms().back(), "Apple");
    Type("APPLE");
    dialog->OnCommand(IDC_UPDATE, platform::kButtonClicked);
    EXPECT_EQ(Terms().size(), 3u);
    Type("cherry");
    dialog->OnCommand(IDC_SEARCH, platform::kComboDropDown);
    EXPECT_EQ(Terms().back(), "cherry");
    EXPECT_EQ(window->Combo(IDC_SEARCH).GetText(), "cherry"); // the field is not changed
}

TEST_F(SearchTest, PickingAnEntryRunsTheSearchWithoutEnablingRecall) {
    window->Combo(IDC_SEARCH).AddString("banana");
    window->Combo(IDC_SEARCH).SetCurSel(2);
    dialog->OnCommand(IDC_SEARCH, platform::kComboSelChange);
    EXPECT_EQ(window->Combo(IDC_SEARCH).GetText(), "banana");
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{1});
    // With nothing found, only typing enables Recall.
    window->Btn(IDC_RECALL).Enable(false);
    window->Combo(IDC_SEARCH).SetCurSel(0);
    dialog->OnCommand(IDC_SEARCH, platform::kComboSelChange);
    EXPECT_EQ(List().GetSelCount(), 0);
    EXPECT_FALSE(window->Btn(IDC_RECALL).IsEnabled());
    Type("kiwi");
    EXPECT_TRUE(window->Btn(IDC_RECALL).IsEnabled());
}

TEST_F(SearchTest, LastTenTermsAreStoredAtExit) {
    for (int i = 1; i <= 12; ++i) {
        Type("term " + std::to_string(i));
        dialog->OnCommand(IDC_CLEAR, platform::kButtonClicked);
    }
    Close();
    // Two loaded plus twelve committed: the last ten are terms 3 to 12.
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(platform.settings.GetString("Searching", SearchTermKey(k), ""),
                  "term " + std::to_string(k + 3));
}

} // namespace
} // namespace qv::test
