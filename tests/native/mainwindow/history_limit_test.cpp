// How many lines the History keeps, and the counts that show it.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

TEST_F(MainWindowTest, HistoryLimitTrimsTheOldestLines) {
    struct Case {
        int useLimit, limit, copies, expectedLines;
    };
    platform.files.CreateFolder("C:\\Data");
    for (const Case& c :
         {Case{1, 3, 5, 3}, Case{0, 3, 5, 5}, Case{1, 1000, 5, 5}, Case{1, 2147483647, 3, 3},
          // A stored limit below 1 is the default one: nothing is lost.
          Case{1, 0, 2, 2}, Case{1, -5, 2, 2}, Case{1, -2147483647 - 1, 3, 3}}) {
        SCOPED_TRACE(c.limit);
        SetOption(kSectionMisc, kKeyUseLimit, c.useLimit);
        SetOption(kSectionMisc, kKeyHistoryLimit, c.limit);
        // Trimming is no change of its own: the file is due at the last copy, not before.
        SetOption(kSectionSaving, kKeyChangeLimit, c.copies);
        Close(); // which writes the file of the case before
        platform.files.DeleteFile(dataFile);
        platform.clipboard.EmptyFromOtherApp();
        Open();
        for (int i = 0; i < c.copies; ++i) {
            EXPECT_FALSE(Exists(dataFile)) << i;
            CopyElsewhere("copy " + std::to_string(i));
        }
        EXPECT_TRUE(Exists(dataFile));
        EXPECT_EQ(List().GetCount(), c.expectedLines);
        if (c.expectedLines > 0)
            EXPECT_EQ(LineText(c.expectedLines - 1), "copy " + std::to_string(c.copies - 1));
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
}

TEST_F(MainWindowTest, ItemThatCannotBeAddedIsDropped) {
    platform.files.CreateFolder("C:\\Data");
    SetOption(kSectionSaving, kKeyChangeLimit, 1);
    Open();
    List().maxLines = 0; // the list box refuses every line, even when empty
    CopyElsewhere("nowhere to go");
    EXPECT_EQ(List().GetCount(), 0);
    EXPECT_EQ(window->GetTitle(), "nowhere to go - Quorvane"); // the pane and title still show it
    EXPECT_EQ(Pane().GetPlainText(), "nowhere to go");
    EXPECT_FALSE(Exists(dataFile)); // nothing changed, so nothing is written
}

TEST_F(MainWindowTest, CountsReadWithSeparatorsAndSingulars) {
    platform.settings.WriteString(kSectionNumbers, kKeyThousandsSeparator, ".");
    Open();
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "0 items");
    EXPECT_EQ(Label(IDC_SELECTED_COUNT), "0 selected items");
    EXPECT_EQ(Label(IDC_CHAR_COUNT), "0 characters");
    CopyElsewhere(std::string(1234, 'x'));
    EXPECT_EQ(Label(IDC_ITEM_COUNT), "1 item");
    EXPECT_EQ(Label(IDC_SELECTED_COUNT), "1 selected item");
    EXPECT_EQ(Label(IDC_CHAR_COUNT), "1.234 characters");
    Pane().SetText("x"); // the pane's change notice updates the count
    EXPECT_EQ(Label(IDC_CHAR_COUNT), "1 character");
}

} // namespace
} // namespace qv::test
