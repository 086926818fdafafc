// The History lists on their own: room made in a full list box, the mark following removed lines,
// and items that find no line.
#include "main_window_fixture.h"
#include "lists/history_lists.h"

namespace qv::test {
namespace {

class HistoryListsTest : public WindowPartsTest {
  protected:
    CSettings settings;
    CHistoryLists lists{window->ListBox(IDC_HISTORY), settings};

    int Append(const std::string& text) {
        return lists.Append(text, std::make_unique<CHistoryItem>("{\\rtf1 " + text + "}", ""));
    }
};

TEST_F(HistoryListsTest, FullListBoxDropsTheOldestLinesAndTheMarkFollows) {
    List().maxLines = 3;
    EXPECT_LT(lists.Mark(), 0); // no mark
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Append("copy " + std::to_string(i)), std::min(i, 2));
    ASSERT_EQ(List().GetCount(), 3);
    EXPECT_EQ(LineText(0), "copy 2");
    EXPECT_EQ(lists.Item(2)->rtfText, "{\\rtf1 copy 4}");
    EXPECT_EQ(lists.Mark(), -3); // lowered once per removed line; negative is no mark
    settings.historyLimit = 1;
    lists.ApplyHistoryLimit();
    EXPECT_EQ(LineText(0), "copy 4");
    EXPECT_EQ(lists.Mark(), -5);
}

TEST_F(HistoryListsTest, ItemWithoutALineIsDropped) {
    struct Case {
        const char* name;
        int maxLines;
        bool dataFails;
    };
    for (const Case& c :
         {Case{"no room even when empty", 0, false}, Case{"the line cannot carry it", 10, true}}) {
        SCOPED_TRACE(c.name);
        List().maxLines = c.maxLines;
        List().setDataFails = c.dataFails;
        EXPECT_EQ(Append("nowhere"), -1);
        EXPECT_EQ(List().GetCount(), 0);
    }
    List().setDataFails = false;
}

TEST_F(HistoryListsTest, ParkingThatRunsOutOfMemoryPutsTheLinesBackInOrder) {
    for (int i = 0; i < 6; ++i)
        Append("line " + std::to_string(i));
    List().SetSel(4, true);
    // The records of lines 5 to 3 and the copy of the selected line 4 fit; line 2's does not.
    lists.FailRecordsAfterForTesting(4);
    EXPECT_FALSE(lists.SwapShownAndParked());
    ASSERT_EQ(List().GetCount(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(LineText(i), "line " + std::to_string(i));
        EXPECT_EQ(lists.Item(i)->rtfText, "{\\rtf1 line " + std::to_string(i) + "}");
    }
    EXPECT_TRUE(lists.MainListShown());
    EXPECT_TRUE(lists.Parked().empty());
    EXPECT_TRUE(lists.UndoEmpty());
    EXPECT_TRUE(lists.UndoValid());
}

} // namespace
} // namespace qv::test
