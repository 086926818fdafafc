// The Search field: matches selected as the user types, Back and Forward, and the terms kept.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

class SearchTest : public MainWindowTest {
  protected:
    void SetUp() override {
        platform.settings.WriteString(kSectionSearching, SearchTermKey(0), "stored one");
        platform.settings.WriteString(kSectionSearching, SearchTermKey(1), "stored two");
        Start();
    }
    // A new run with the five items, e.g. after a change of the options.
    void Start() {
        Close();
        platform.clipboard.EmptyFromOtherApp();
        Open();
        for (const char* t : {"apple pie", "banana", "apple juice", "cherry", "green apple"})
            CopyElsewhere(t);
        platform.messages.shown.clear();
    }
    void Type(const std::string& text) { window->Type(IDC_SEARCH, text); }
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
    EXPECT_EQ(Label(IDC_SELECTED_COUNT), "3 selected items");
    EXPECT_TRUE(List().visible);
    // Stepping among the found lines: Recall takes the caret line.
    window->Click(IDC_RECALL);
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_EQ(Pane().GetPlainText(), "green apple");
}

// Whatever was selected before, the search leaves exactly the matches selected, and touches
// only the lines that change, a run of them at once: on a full real list every message costs.
TEST_F(SearchTest, ChangesOnlyTheLinesWhoseStateDiffersARunAtATime) {
    struct Case {
        std::vector<int> before;
        const char* term;
        std::vector<int> after;
        int calls;
    } cases[] = {
        {{}, " ", {0, 1, 2, 3, 4}, 1},      // every line: one run
        {{0, 2, 4}, "apple", {0, 2, 4}, 0}, // already so: nothing sent
        {{1, 2}, " ", {0, 1, 2, 3, 4}, 1},  // a run through lines already selected
        {{0, 1, 2, 3, 4}, "an", {1}, 2},    // deselected around the one kept
        {{1, 3}, "apple", {0, 2, 4}, 5},    // every line changes, alternately
        {{0, 1, 2, 3, 4}, "kiwi", {}, 1},   // nothing found: one run deselected
        {{3}, "e", {0, 2, 3, 4}, 2},        // "apple pie", "apple juice", "cherry", "green apple"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.term);
        List().SetSel(-1, false);
        for (int i : c.before)
            List().SetSel(i, true);
        List().selectionCalls = 0;
        Type(c.term);
        EXPECT_EQ(List().GetSelItems(), c.after);
        EXPECT_EQ(List().selectionCalls, c.calls);
    }
}

TEST_F(SearchTest, UseFirstFoundPutsTheCaretOnTheFirst) {
    SetOption(kSectionSearching, kKeyUseFirstFound, 1);
    Start();
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
    SetOption(kSectionSearching, kKeyAllowTypos, 1);
    Start();
    Type("banan");
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{1});
    Type("bnaana");
    EXPECT_EQ(List().GetSelCount(), 1);
}

TEST_F(SearchTest, BackAndForwardStepAndRecallTheCaretLine) {
    Type("apple");
    window->Click(IDC_BACK);
    EXPECT_EQ(List().GetCaretIndex(), 2);
    EXPECT_EQ(List().GetSelItems(), (std::vector<int>{0, 2, 4})); // found lines stay selected
    EXPECT_EQ(Pane().GetPlainText(), "apple juice");
    EXPECT_EQ(platform.clipboard.Text(), "apple juice");
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_TRUE(window->Btn(IDC_FORWARD).IsEnabled());
    window->Click(IDC_BACK);
    EXPECT_EQ(List().GetCaretIndex(), 0);
    EXPECT_FALSE(window->Btn(IDC_BACK).IsEnabled());
    window->Click(IDC_FORWARD);
    EXPECT_EQ(Pane().GetPlainText(), "apple juice");
    // Recall itself works on the caret line while stepping.
    Pane().SetText("");
    window->Click(IDC_RECALL);
    EXPECT_EQ(Pane().GetPlainText(), "apple juice");
    EXPECT_TRUE(platform.messages.shown.empty());
    // A selection change by the user ends stepping.
    SelectByUser({0, 2, 4}, 2);
    EXPECT_FALSE(window->Btn(IDC_BACK).IsEnabled());
    window->Click(IDC_RECALL);
    EXPECT_EQ(LastMessage(), "Please select a single item.");
}

TEST_F(SearchTest, BackOnAnUnselectedCaretOnlyCommits) {
    Type("apple "); // found on lines 0 and 2
    const int caret = List().GetCaretIndex();
    List().SetSel(caret, false);
    ASSERT_TRUE(window->Btn(IDC_BACK).IsEnabled());
    window->Click(IDC_BACK);
    EXPECT_EQ(List().GetCaretIndex(), caret);
    EXPECT_EQ(Terms().back(), "apple");
}

TEST_F(SearchTest, CommitsTrimmedAndUniqueFromTheRightCommands) {
    EXPECT_EQ(Terms(), (std::vector<std::string>{"stored one", "stored two"}));
    Type("  Apple  ");
    window->ChooseMenuEntry(IDM_WATCH); // switching watching off does not commit
    EXPECT_EQ(Terms().size(), 2u);
    window->Click(IDC_RECOPY);
    EXPECT_EQ(Terms().back(), "Apple");
    Type("APPLE");
    window->Click(IDC_UPDATE);
    EXPECT_EQ(Terms().size(), 3u);
    Type("cherry");
    OpenSearchDropDown();
    EXPECT_EQ(Terms().back(), "cherry");
    EXPECT_EQ(window->Combo(IDC_SEARCH).GetText(), "cherry"); // the field is not changed
    Type("damson");
    Events().OnPosted(0x501, 0, 0); // the Mini-Window recalls a line
    EXPECT_EQ(Terms().back(), "damson");
}

TEST_F(SearchTest, PickingAnEntryRunsTheSearchWithoutEnablingRecall) {
    window->Combo(IDC_SEARCH).AddString("banana");
    PickSearchEntry(2);
    EXPECT_EQ(window->Combo(IDC_SEARCH).GetText(), "banana");
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{1});
    // With nothing found, only typing enables Recall.
    window->Btn(IDC_RECALL).Enable(false);
    PickSearchEntry(0);
    EXPECT_EQ(List().GetSelCount(), 0);
    EXPECT_FALSE(window->Btn(IDC_RECALL).IsEnabled());
    Type("kiwi");
    EXPECT_TRUE(window->Btn(IDC_RECALL).IsEnabled());
}

TEST_F(SearchTest, LastTenTermsAreStoredAtExit) {
    for (int i = 1; i <= 12; ++i) {
        Type("term " + std::to_string(i));
        window->Click(IDC_CLEAR);
    }
    Close();
    // Two loaded plus twelve committed: the last ten are terms 3 to 12.
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(platform.settings.GetString("Searching", SearchTermKey(k), ""),
                  "term " + std::to_string(k + 3));
}

} // namespace
} // namespace qv::test
