// The comparisons that order the topic chooser: number-aware text order, and the topic rows'
// order by column and direction.
#include "headless_controls.h"
#include "help/text_compare.h"
#include "help/topic_list_ctrl.h"
#include <gtest/gtest.h>
#include <string>

namespace qv {
namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(NumberTextCompare, OrdersDigitRunsAsNumbersAndIgnoresAsciiCase) {
    struct Case {
        const char* a;
        const char* b;
        int expected; // sign
    };
    const Case cases[] = {
        {"Tip 9", "Tip 10", -1},
        {"Tip 10", "Tip 9", 1},
        {"abc", "ABC", 0},
        {"Home and End Keys", "Introduction", -1},
        {"Re-Copy Button", "Recall Button", -1}, // '-' before 'c'
        {"file007", "file7", 0},                 // leading zeros do not count
        {"a2b", "a2c", -1},                      // equal numbers go on to what follows
        {"x99999999999999999999", "x100000000000000000000", -1}, // longer than any integer
        {"9", "a", -1}, // a digit against a letter: as characters
        {"", "", 0},
        {"", "a", -1},
        {"abc", "abcd", -1}, // a text that ends first sorts first
        {"Page", "page 2", -1},
        {"\xE9", "", -1}, // bytes above 0x7F count as negative, so they sort before the end
        {"\xE9", "e", -1},
    };
    const CNumberTextCompare compare;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(Sign(compare.Compare(c.a, c.b)), c.expected);
        EXPECT_EQ(Sign(compare.Compare(c.b, c.a)), -c.expected) << "the order is symmetric";
    }
}

TEST(TextCompare, IgnoresAsciiCaseAndComparesOtherBytesByValue) {
    const CTextCompare compare;
    EXPECT_EQ(compare.Compare("Topic", "TOPIC"), 0);
    EXPECT_LT(compare.Compare("Tip 10", "Tip 9"), 0) << "digits are plain characters here";
    EXPECT_LT(compare.Compare("abc", "abcd"), 0);
    EXPECT_GT(compare.Compare("\xE9", "e"), 0);
}

TEST(TopicListCompare, ByColumnAndDirection) {
    platform::headless::HeadlessListView view;
    CTopicListCtrl list;
    list.Attach(view);
    list.AddTopic(9, "Tip 9");
    list.AddTopic(10, "Tip 10");
    list.AddTopic(2, "tip 9");
    const void* nine = view.GetRowData(0);
    const void* ten = view.GetRowData(1);
    const void* later = view.GetRowData(2);
    struct Case {
        const void* a;
        const void* b;
        int column;
        bool descending;
        int expected;
    };
    const Case cases[] = {
        {nine, ten, CTopicListCtrl::kNumberColumn, false, -1},
        {nine, ten, CTopicListCtrl::kNumberColumn, true, 1},
        {nine, later, CTopicListCtrl::kNumberColumn, false, 1},
        {nine, ten, CTopicListCtrl::kTopicColumn, false, -1},
        {ten, nine, CTopicListCtrl::kTopicColumn, true, -1},
        {nine, later, CTopicListCtrl::kTopicColumn, false, 0},
        {nine, ten, 0, false, 0},
        {nine, ten, 3, false, 0},
        {nine, nullptr, CTopicListCtrl::kNumberColumn, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("column " + std::to_string(c.column) + (c.descending ? " descending" : ""));
        EXPECT_EQ(Sign(list.Compare(c.a, c.b, c.column, c.descending)), c.expected);
    }
    EXPECT_EQ(view.GetCellText(1, CTopicListCtrl::kNumberColumn), "10");
    EXPECT_EQ(view.GetCellText(1, CTopicListCtrl::kTopicColumn), "Tip 10");
    EXPECT_EQ(view.GetCellText(1, 0), "");
    EXPECT_EQ(list.GetItemText(nullptr, CTopicListCtrl::kTopicColumn), "");
}

} // namespace
} // namespace qv
