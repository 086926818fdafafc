// Merge and Split: new unformatted items from the full texts of selected items, through the Merge
// Items dialog, appended and selected; the failures each with their message.
#include "main_window_fixture.h"
#include "lists/merge_dialog.h"

namespace qv::test {
namespace {

struct MergeAnswers {
    const char* characters; // null: the characters box stays unchecked
    bool newLine;
};

class MergeSplitTest : public MainWindowTest {
  protected:
    void SetUp() override { Open(); }
    void Copy(std::initializer_list<std::string> texts) {
        for (const std::string& t : texts)
            CopyElsewhere(t);
    }
    // The user answers the Merge Items dialog and presses OK.
    void AnswerMerge(MergeAnswers answers) {
        platform.OnDialog(IDD_MERGE, [answers](HeadlessDialog& dialog) {
            if (answers.characters) {
                dialog.Click(IDC_MERGE_WITH_CHARS);
                dialog.Type(IDC_MERGE_CHARS, answers.characters);
            }
            if (answers.newLine)
                dialog.Click(IDC_MERGE_NEW_LINE);
            dialog.Click(IDOK);
        });
    }
    std::string ItemText(int line) {
        SelectByUser({line}, line);
        window->Click(IDC_RECALL);
        return platform.clipboard.Text();
    }
    void ExpectWarning(const std::string& text) {
        ASSERT_EQ(platform.messages.shown.size(), 1u);
        EXPECT_EQ(platform.messages.shown[0].text, text);
        EXPECT_EQ(platform.messages.shown[0].icon, platform::MsgIcon::Exclamation);
        platform.messages.shown.clear();
    }
};

TEST_F(MergeSplitTest, MergeJoinsTrimmedTextsWithTheChosenSeparator) {
    struct Case {
        MergeAnswers answers;
        const char* merged;
    };
    for (const Case& c :
         {Case{{"; ", false}, "alpha; beta"}, Case{{", ", true}, "alpha, \r\nbeta"},
          Case{{nullptr, false}, "alphabeta"}, Case{{nullptr, true}, "alpha\r\nbeta"}}) {
        SCOPED_TRACE(c.merged);
        Copy({" alpha ", "beta"});
        const int count = List().GetCount();
        Select({count - 2, count - 1}, count - 1);
        AnswerMerge(c.answers);
        window->Click(IDC_MERGE);
        ASSERT_EQ(List().GetCount(), count + 1);
        EXPECT_EQ(List().GetSelItems(), std::vector<int>{count});
        EXPECT_EQ(List().GetCaretIndex(), count);
        EXPECT_EQ(ItemText(count), c.merged);
    }
}

TEST_F(MergeSplitTest, MergeUsesFullTextsAndCutsTheNewListText) {
    const std::string a(600, 'a'), b(599, 'b');
    Copy({a, b});
    Select({0, 1}, 1);
    AnswerMerge({nullptr, false});
    window->Click(IDC_MERGE);
    ASSERT_EQ(List().GetCount(), 3);
    // 1,199 characters and a separator: 500 shown, "...", 700 beyond.
    AnswerMerge({"-", false});
    Select({0, 1}, 1);
    window->Click(IDC_MERGE);
    EXPECT_EQ(LineText(3).size(), 503u);
    EXPECT_EQ(LineText(3).substr(500), "...");
    EXPECT_EQ(ItemText(3), a + "-" + b);
}

// Merged and split items are plain text made now: no formatting and no clip time of a copy.
TEST_F(MergeSplitTest, NewItemsCarryNoFormattingAndNoClipTime) {
    CopyElsewhere("bold one", "{\\rtf1\\ansi{\\b bold} one}");
    CopyElsewhere("first\r\nsecond", "{\\rtf1\\ansi{\\i first}\\par second}");
    Select({0, 1}, 1);
    AnswerMerge({nullptr, false});
    window->Click(IDC_MERGE);
    SelectByUser({1}, 1);
    window->Click(IDC_SPLIT);
    ASSERT_EQ(List().GetCount(), 5);
    for (int line : {2, 3, 4}) {
        SCOPED_TRACE(LineText(line));
        SelectByUser({line}, line);
        window->Click(IDC_RECALL);
        EXPECT_EQ(Pane().rtf(), "") << "shown plain although formatting is on";
        EXPECT_EQ(Label(IDC_CLIP_TIME), "");
    }
}

TEST_F(MergeSplitTest, MergeDialogOpensInItsStartStateEveryTime) {
    Copy({"one", "two"});
    for (int run = 0; run < 2; ++run) {
        platform.OnDialog(IDD_MERGE, [](HeadlessDialog& dialog) {
            EXPECT_EQ(dialog.GetTitle(), "Merge Items");
            EXPECT_FALSE(dialog.Btn(IDC_MERGE_WITH_CHARS).IsChecked());
            EXPECT_FALSE(dialog.Btn(IDC_MERGE_NEW_LINE).IsChecked());
            EXPECT_FALSE(dialog.Edit(IDC_MERGE_CHARS).IsEnabled());
            EXPECT_EQ(dialog.Edit(IDC_MERGE_CHARS).GetText(), "");
            dialog.Click(IDC_MERGE_WITH_CHARS);
            EXPECT_TRUE(dialog.Edit(IDC_MERGE_CHARS).IsEnabled());
            dialog.Type(IDC_MERGE_CHARS, std::string(150, '+')); // at most 100 go in
            EXPECT_EQ(dialog.Edit(IDC_MERGE_CHARS).GetText().size(), 100u);
            dialog.Click(IDC_MERGE_NEW_LINE);
            dialog.Click(IDC_MERGE_WITH_CHARS);
            EXPECT_FALSE(dialog.Edit(IDC_MERGE_CHARS).IsEnabled());
            dialog.Click(IDCANCEL);
        });
        Select({0, 1}, 1);
        window->Click(IDC_MERGE);
        EXPECT_EQ(List().GetCount(), 2); // Cancel adds nothing
    }
}

TEST_F(MergeSplitTest, MergeNeedsTwoItems) {
    Copy({"one", "two"});
    Select({1}, 1);
    const int runs = platform.unfinishedRuns;
    window->Click(IDC_MERGE); // no dialog scripted: it must not open
    ExpectWarning("Please select at least two items to merge.");
    EXPECT_EQ(platform.unfinishedRuns, runs);
    List().outOfMemoryOnText = true;
    AnswerMerge({nullptr, false});
    Select({0, 1}, 1);
    window->Click(IDC_MERGE);
    List().outOfMemoryOnText = false;
    ExpectWarning("Could not merge these items.  Please select fewer items to merge or try "
                  "closing another application.");
    EXPECT_EQ(List().GetCount(), 2);
}

TEST_F(MergeSplitTest, SplitMakesAnItemOfEachNonBlankLine) {
    Copy({"first line\r\n\r\n   second line  \r\nthird"});
    SelectByUser({0}, 0);
    window->Click(IDC_SPLIT);
    ASSERT_EQ(List().GetCount(), 4);
    EXPECT_EQ(LineText(1), "first line");
    EXPECT_EQ(LineText(2), "second line");
    EXPECT_EQ(LineText(3), "third");
    EXPECT_EQ(List().GetSelItems(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(List().GetCaretIndex(), 3);
    EXPECT_EQ(Label(IDC_SELECTED_COUNT), "3 selected items");
    EXPECT_EQ(LineText(0), "first line\r\n\r\n   second line  \r\nthird"); // stays
}

TEST_F(MergeSplitTest, SplitRefusals) {
    Copy({"  one line  \r\n", "a\nb"});
    struct Case {
        std::initializer_list<int> selection;
        const char* message;
    };
    for (const Case& c : {Case{{0}, "This item does not have multiple lines."},
                          Case{{0, 1}, "Please select a single item to split."},
                          Case{{}, "Please select a single item to split."}}) {
        SCOPED_TRACE(c.message);
        Select(c.selection, 0);
        window->Click(IDC_SPLIT);
        ExpectWarning(c.message);
        EXPECT_EQ(List().GetCount(), 2);
    }
}

TEST_F(MergeSplitTest, NewItemsAtTheHistoryLimitAreSelectedWhereTheyEndUp) {
    Close();
    SetOption(kSectionMisc, kKeyUseLimit, 1);
    SetOption(kSectionMisc, kKeyHistoryLimit, 3);
    Open();
    Copy({"x", "y", "1\r\n2\r\n3"});
    SelectByUser({2}, 2);
    window->Click(IDC_SPLIT);
    ASSERT_EQ(List().GetCount(), 3);
    EXPECT_EQ(LineText(0), "1");
    EXPECT_EQ(List().GetSelItems(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(List().GetCaretIndex(), 2);
    AnswerMerge({"+", false});
    Select({0, 2}, 2);
    window->Click(IDC_MERGE);
    EXPECT_EQ(LineText(2), "1+3");
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{2});
}

} // namespace
} // namespace qv::test
