// The sortable list on the headless list view: who releases row data and when, and how clicks on
// column titles sort.
#include "headless_controls.h"
#include "help/sort_list_ctrl.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace qv {
namespace {

using platform::headless::HeadlessListView;

// Rows are ints; every release is counted.
class NumberList : public CSortListCtrl {
  public:
    ~NumberList() override { Detach(); }
    int Add(int value) {
        auto row = std::make_unique<int>(value);
        const int added = InsertDataItem(row.get(), -1);
        if (added >= 0)
            row.release();
        return added;
    }
    int freed = 0;

  protected:
    int Compare(const void* a, const void* b, int column, bool descending) const override {
        const int x = *static_cast<const int*>(a), y = *static_cast<const int*>(b);
        // Column 1 orders by the last digit, so that columns differ.
        const int result = column == 1 ? x % 10 - y % 10 : x - y;
        return descending ? -result : result;
    }
    std::string GetItemText(const void* data, int /*column*/) const override {
        return std::to_string(*static_cast<const int*>(data));
    }
    void FreeItemData(void* data) override {
        ++freed;
        delete static_cast<int*>(data);
    }
};

class SortListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list.Attach(view);
        for (int value : {31, 12, 23})
            list.Add(value);
    }
    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (int row = 0; row < view.GetRowCount(); ++row)
            texts.push_back(view.GetCellText(row, 0));
        return texts;
    }
    HeadlessListView view;
    NumberList list;
};

TEST_F(SortListTest, ClicksOnTitlesSortAscendingThenReverse) {
    using Texts = std::vector<std::string>;
    struct Case {
        int column;
        Texts expected;
        bool descending;
    };
    const Case clicks[] = {
        {0, {"12", "23", "31"}, false}, // a first click sorts ascending
        {0, {"31", "23", "12"}, true},  // the same column again reverses
        {0, {"12", "23", "31"}, false},
        {1, {"31", "12", "23"}, false}, // another column starts ascending
    };
    for (const Case& c : clicks) {
        list.OnColumnClick(c.column);
        EXPECT_EQ(Shown(), c.expected) << "column " << c.column;
        EXPECT_EQ(list.SortColumn(), c.column);
        EXPECT_EQ(list.IsDescending(), c.descending);
    }
    list.SetSortable(false);
    list.OnColumnClick(0);
    EXPECT_EQ(Shown(), (Texts{"31", "12", "23"})) << "a list that is not sortable stays";
}

TEST_F(SortListTest, OwnedDataIsReleasedWithItsRows) {
    EXPECT_TRUE(list.DeleteItem(1));
    EXPECT_EQ(list.freed, 1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"31", "23"}));
    EXPECT_FALSE(list.DeleteItem(5));
    EXPECT_EQ(list.freed, 1);

    list.OnColumnClick(0);
    list.DeleteAllItems();
    EXPECT_EQ(list.freed, 3);
    EXPECT_EQ(view.GetRowCount(), 0);
    EXPECT_EQ(list.SortColumn(), -1) << "an empty list counts as unsorted";

    list.Add(7);
    list.Detach();
    EXPECT_EQ(list.freed, 4) << "the rows left when the list goes are released too";
}

TEST_F(SortListTest, DataOwnedElsewhereIsNotReleased) {
    int kept[] = {5, 6};
    list.DeleteAllItems();
    list.SetOwnsData(false);
    for (int& value : kept)
        list.InsertDataItem(&value, -1);
    list.DeleteItem(0);
    list.DeleteAllItems();
    EXPECT_EQ(list.freed, 3);
    EXPECT_EQ(view.GetRowCount(), 0);
}

TEST_F(SortListTest, ARowThatCannotBeInsertedStaysTheCallers) {
    view.insertFails = true;
    EXPECT_EQ(list.Add(9), -1); // its data is released by the caller
    EXPECT_EQ(view.GetRowCount(), 3);
    EXPECT_EQ(list.freed, 0);
}

} // namespace
} // namespace qv
