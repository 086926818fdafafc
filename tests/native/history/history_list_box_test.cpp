#include "headless_controls.h"
#include "history/history_list_box.h"
#include <gtest/gtest.h>

namespace qv {
namespace {

using platform::headless::HeadlessListBox;

// An item that counts its deletions, to prove each record is deleted exactly once.
struct CountedItem : CHistoryItem {
    explicit CountedItem(int* deleted) : CHistoryItem("", ""), deleted_(deleted) {}
    ~CountedItem() override { ++*deleted_; }
    int* deleted_;
};

class HistoryListBoxTest : public ::testing::Test {
  protected:
    HeadlessListBox list;
    int deleted = 0;

    int Add(CHistoryListBox& box, const std::string& text) {
        std::unique_ptr<CHistoryEntry> record = std::make_unique<CountedItem>(&deleted);
        return box.AddEntry(text, record);
    }
};

TEST_F(HistoryListBoxTest, RecordsAreDeletedExactlyOnce) {
    {
        CHistoryListBox box(list);
        for (int i = 0; i < 5; ++i)
            ASSERT_EQ(Add(box, "line " + std::to_string(i)), i);
        EXPECT_EQ(box.RemoveEntry(1), 4);
        EXPECT_EQ(deleted, 1);
        std::unique_ptr<CHistoryEntry> taken;
        EXPECT_EQ(box.RemoveEntry(0, taken), 3);
        ASSERT_NE(taken, nullptr);
        EXPECT_EQ(deleted, 1); // the taken record belongs to the taker now
        taken.reset();
        EXPECT_EQ(deleted, 2);
        box.RemoveAllEntries();
        EXPECT_EQ(deleted, 5);
        EXPECT_EQ(list.GetCount(), 0);
        Add(box, "left at destruction");
    }
    EXPECT_EQ(deleted, 6);
}

TEST_F(HistoryListBoxTest, RefusedLineLeavesTheRecordWithTheCaller) {
    list.maxLines = 1;
    CHistoryListBox box(list);
    ASSERT_EQ(Add(box, "first"), 0);
    std::unique_ptr<CHistoryEntry> record = std::make_unique<CountedItem>(&deleted);
    EXPECT_EQ(box.AddEntry("second", record), -2);
    EXPECT_NE(record, nullptr);
    EXPECT_EQ(box.InsertEntry(5, "bad position", record), -2);
    list.maxLines = 10;
    EXPECT_EQ(box.InsertEntry(5, "bad position", record), -1);
    EXPECT_NE(record, nullptr);
    EXPECT_EQ(deleted, 0);
}

TEST_F(HistoryListBoxTest, LineTakenBackForARefusedRecordLeavesNoTrace) {
    list.charWidth = 10;
    CHistoryListBox box(list);
    Add(box, std::string(5, 'a')); // 56
    list.setDataFails = true;
    std::unique_ptr<CHistoryEntry> record = std::make_unique<CountedItem>(&deleted);
    EXPECT_EQ(box.AddEntry(std::string(40, 'w'), record), -1);
    EXPECT_NE(record, nullptr);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(box.Extent(), 56);
    EXPECT_EQ(list.GetHorizontalExtent(), 56);
}

TEST_F(HistoryListBoxTest, ExtentFollowsTheWidestLine) {
    list.charWidth = 10;
    CHistoryListBox box(list);
    Add(box, std::string(5, 'a'));  // 56
    Add(box, std::string(20, 'b')); // 206
    Add(box, std::string(10, 'c')); // 106
    EXPECT_EQ(box.Extent(), 206);
    EXPECT_EQ(list.GetHorizontalExtent(), 206);
    box.RemoveEntry(0); // narrower: unchanged
    EXPECT_EQ(box.Extent(), 206);
    box.RemoveEntry(0); // the widest: the next widest takes over
    EXPECT_EQ(box.Extent(), 106);
    box.RemoveEntry(0);
    EXPECT_EQ(box.Extent(), 0);
}

TEST_F(HistoryListBoxTest, EqualWidestLinesKeepTheExtent) {
    CHistoryListBox box(list);
    Add(box, "same width");
    Add(box, "same width");
    const int extent = box.Extent();
    box.RemoveEntry(0);
    EXPECT_EQ(box.Extent(), extent);
}

TEST_F(HistoryListBoxTest, BulkRemovalDefersTheExtentToItsEnd) {
    list.charWidth = 10;
    CHistoryListBox box(list);
    Add(box, std::string(30, 'w'));
    Add(box, std::string(3, 'n'));
    Add(box, std::string(7, 'm'));
    box.SetBulkRemoval(true);
    box.RemoveEntry(0);
    EXPECT_EQ(box.Extent(), 306); // stale until the run ends
    box.RemoveEntry(0);
    box.SetBulkRemoval(false);
    EXPECT_EQ(box.Extent(), 76);
}

TEST_F(HistoryListBoxTest, WidthsAreClampedAndMeasuredWithoutADrawingContext) {
    list.charWidth = 10;
    CHistoryListBox box(list);
    Add(box, std::string(4000, 'x')); // 40,006 pixels
    EXPECT_EQ(box.GetEntry(0)->width, 32767);
    EXPECT_EQ(box.Extent(), 32767);
    box.SetExtent(40000);
    EXPECT_EQ(box.Extent(), 32767);
    box.SetExtent(-3);
    EXPECT_EQ(box.Extent(), 0);
    list.hasDrawingContext = false;
    EXPECT_EQ(box.MeasureText("abc"), 0);
}

TEST_F(HistoryListBoxTest, LineWithoutRecordStillWorks) {
    list.charWidth = 10;
    CHistoryListBox box(list);
    Add(box, "short");
    list.AddString(std::string(50, 'z')); // a line that never got a record
    box.SetExtent(506);
    EXPECT_EQ(box.GetEntry(1), nullptr);
    list.brokenDataLines = {0};
    EXPECT_EQ(box.GetEntry(0), nullptr);
    list.brokenDataLines.clear();
    EXPECT_EQ(box.RemoveEntry(1), 1); // measured from its text: it was the widest
    EXPECT_EQ(box.Extent(), 56);
}

TEST_F(HistoryListBoxTest, RemeasureAllAfterAFontChange) {
    list.charWidth = 5;
    CHistoryListBox box(list);
    Add(box, std::string(10, 'a'));
    Add(box, std::string(20, 'b'));
    list.charWidth = 8;
    box.RemeasureAll();
    EXPECT_EQ(box.Extent(), 166);
    EXPECT_EQ(box.GetEntry(0)->width, 86);
    box.RemoveEntry(1);
    EXPECT_EQ(box.Extent(), 86);
}

} // namespace
} // namespace qv
