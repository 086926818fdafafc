#include "main_window_fixture.h"

namespace qv::test {
namespace {

TEST_F(MainWindowTest, HistoryLimitTrimsTheOldestLines) {
    struct Case {
        int useLimit, limit, copies, expectedLines;
    };
    for (const Case& c : {Case{1, 3, 5, 3}, Case{0, 3, 5, 5}, Case{1, 1000, 5, 5},
                          Case{1, -5, 2, 0}, Case{1, 2147483647, 3, 3}}) {
        platform.settings.WriteInt("Misc", "Use Limit", c.useLimit);
        platform.settings.WriteInt("Misc", "History Limit", c.limit);
        platform.clipboard.EmptyFromOtherApp();
        Open();
        for (int i = 0; i < c.copies; ++i)
            CopyElsewhere("copy " + std::to_string(i));
        EXPECT_EQ(List().GetCount(), c.expectedLines) << c.limit;
        if (c.expectedLines > 0)
            EXPECT_EQ(LineText(c.expectedLines - 1), "copy " + std::to_string(c.copies - 1));
        EXPECT_EQ(dialog->ChangeCounter(), c.copies); // trimming is no change of its own
        Close();
    }
}

TEST_F(MainWindowTest, FullListBoxMakesRoomForTheNewItem) {
    Open();
    List().maxLines = 3;
    for (int i = 0; i < 5; ++i)
        CopyElsewhere("copy " + std::to_string(i));
    ASSERT_EQ(List().GetCount(), 3);
    EXPECT_EQ(LineText(0), "copy 2");
    EXPECT_EQ(LineText(2), "copy 4");
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{2});
    EXPECT_EQ(dialog->MarkIndex(), -3); // lowered once per removed line; negative is no mark
}

TEST_F(MainWindowTest, ItemThatCannotBeAddedIsDropped) {
    Open();
    List().maxLines = 0; // the list box refuses every line, even when empty
    CopyElsewhere("nowhere to go");
    EXPECT_EQ(List().GetCount(), 0);
    EXPECT_EQ(window->GetTitle(), "nowhere to go - Quorvane"); // the pane and title still show it
    EXPECT_EQ(Pane().GetPlainText(), "nowhere to go");
    EXPECT_EQ(dialog->ChangeCounter(), 0);
}

TEST_F(MainWindowTest, CountsReadWithSeparatorsAndSingulars) {
    platform.settings.WriteString("Numbers", "Thousands Separator", ".");
    Open();
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "0 items");
    EXPECT_EQ(Label(IDC_CHAR_COUNT), "0 characters");
    CopyElsewhere(std::string(1234, 'x'));
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "1 item");
    EXPECT_EQ(Label(IDC_CHAR_COUNT), "1.234 characters");
    Pane().SetText("x"); // the pane's change notice updates the count
    EXPECT_EQ(Label(IDC_CHAR_COUNT), "1 character");
}

TEST_F(MainWindowTest, CountLabelsAreEmptiedWhenThePlatformReportsAnError) {
    Open();
    CopyElsewhere("one");
    List().countsFail = true;
    Pane().lengthFails = true;
    dialog->UpdateItemCount();
    dialog->UpdateSelectedCount();
    dialog->UpdateCharCount();
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "");
    EXPECT_EQ(Label(IDC_SELECTED_COUNT), "");
    EXPECT_EQ(Label(IDC_CHAR_COUNT), "");
    List().countsFail = false;
    Pane().lengthFails = false;
}

} // namespace
} // namespace qv::test
