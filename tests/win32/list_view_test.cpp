// The report list view on the real platform: columns, rows with data and texts on demand,
// sorting through the control, selection, and what its notifications and the user's clicks
// become.
#include "test_dialogs.h"
#include "win32_fixture.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace qv::win32test {
namespace {

struct Row {
    int number;
    std::string topic;
};

class ListViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pw::Win32Platform& platform = TestPlatform();
        dialog_ = pw::Win32Dialog::Create(platform.Instance(), ListDialog(), nullptr, events_,
                                          platform.Loop());
        ASSERT_TRUE(dialog_);
        list_ = &dialog_->ListView(IDC_TEST_LIST);
        list_->SetColumns({{"", 0, false}, {"Tip #", 50, true}, {"Topic", 100, false}});
        list_->SetTextSource([this](void* data, int column) {
            ++asked_;
            const Row& row = *static_cast<const Row*>(data);
            return column == 1 ? "Tip " + std::to_string(row.number) : column == 2 ? row.topic : "";
        });
        for (Row& row : rows_)
            list_->InsertRow(-1, &row);
        log_.Take();
    }
    HWND Handle() const { return GetDlgItem(dialog_->Window(), IDC_TEST_LIST); }

    Row rows_[3] = {{10, "Search"}, {9, "Merge"}, {2, "About"}};
    int asked_ = 0;
    RecordingEvents log_;
    RecordingDialogEvents events_{log_};
    std::unique_ptr<pw::Win32Dialog> dialog_;
    platform::IListView* list_ = nullptr;
};

TEST_F(ListViewTest, ColumnsAndTextsComeFromTheProgram) {
    EXPECT_EQ(list_->GetColumnWidth(0), 0);
    EXPECT_EQ(list_->GetColumnWidth(1), 50);
    LVCOLUMNA column{};
    column.mask = LVCF_FMT;
    ASSERT_TRUE(SendMessageA(Handle(), LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
    EXPECT_GT(list_->GetClientWidth(), 100);
    ASSERT_EQ(list_->GetRowCount(), 3);
    EXPECT_EQ(list_->GetRowData(1), &rows_[1]);
    EXPECT_EQ(list_->GetRowData(5), nullptr);
    asked_ = 0;
    EXPECT_EQ(list_->GetCellText(0, 1), "Tip 10");
    EXPECT_EQ(list_->GetCellText(2, 2), "About");
    EXPECT_GT(asked_, 0) << "the texts are asked for, not stored";
}

TEST_F(ListViewTest, SortingReordersTheRowsAndKeepsTheirData) {
    list_->SelectRow(0);
    list_->Sort([](void* a, void* b) {
        return static_cast<Row*>(a)->number - static_cast<Row*>(b)->number;
    });
    EXPECT_EQ(list_->GetCellText(0, 1), "Tip 2");
    EXPECT_EQ(list_->GetCellText(2, 1), "Tip 10");
    EXPECT_EQ(list_->GetRowData(0), &rows_[2]);
    EXPECT_EQ(list_->GetRowData(list_->GetSelectedRow()), &rows_[0]) << "the selection moves along";
}

TEST_F(ListViewTest, NotificationsArriveDecoded) {
    list_->SelectRow(2);
    EXPECT_EQ(list_->GetSelectedRow(), 2);
    EXPECT_TRUE(log_.Saw("notify 9011 2 2 -1")) << "selection changed to row 2";
    log_.Take();
    NMLISTVIEW click{};
    click.hdr.hwndFrom = Handle();
    click.hdr.idFrom = IDC_TEST_LIST;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = 2;
    SendMessageA(dialog_->Window(), WM_NOTIFY, IDC_TEST_LIST, reinterpret_cast<LPARAM>(&click));
    NMITEMACTIVATE activate{};
    activate.hdr.hwndFrom = Handle();
    activate.hdr.idFrom = IDC_TEST_LIST;
    activate.hdr.code = NM_DBLCLK;
    activate.iItem = 1;
    activate.iSubItem = 0;
    SendMessageA(dialog_->Window(), WM_NOTIFY, IDC_TEST_LIST, reinterpret_cast<LPARAM>(&activate));
    EXPECT_EQ(log_.Take(), (std::vector<std::string>{"notify 9011 0 -1 2", "notify 9011 1 1 0"}));
}

TEST_F(ListViewTest, NewColumnsReplaceTheOldOnesAndTheirCellsAskToo) {
    list_->SetColumns({{"Topic", 120, false}, {"Tip #", 40, true}});
    EXPECT_EQ(SendMessageA(ListView_GetHeader(Handle()), HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(list_->GetColumnWidth(0), 120);
    EXPECT_EQ(list_->GetColumnWidth(1), 40);
    list_->SetTextSource([](void* data, int column) {
        const Row& row = *static_cast<const Row*>(data);
        return column == 0 ? row.topic : std::to_string(row.number);
    });
    EXPECT_EQ(list_->GetCellText(0, 0), "Search");
    EXPECT_EQ(list_->GetCellText(0, 1), "10");
}

TEST_F(ListViewTest, CellTextsOfAnyLengthAndFromAFailingSource) {
    const std::string long_(3000, 'x');
    list_->SetTextSource([&](void* data, int) {
        if (data == &rows_[1])
            throw std::runtime_error("no text for this row");
        return long_;
    });
    EXPECT_EQ(list_->GetCellText(0, 1), long_);
    EXPECT_EQ(list_->GetCellText(1, 1), "") << "a failing source leaves the cell empty";
    EXPECT_EQ(list_->GetCellText(7, 1), "") << "no such row";
}

TEST_F(ListViewTest, SelectingNoRowClearsTheSelection) {
    for (int none : {-1, 3}) {
        list_->SelectRow(1);
        ASSERT_EQ(list_->GetSelectedRow(), 1);
        list_->SelectRow(none);
        EXPECT_EQ(list_->GetSelectedRow(), -1) << "row " << none;
    }
}

// Mouse input at a point of the screen, as a user gives it.
void Click(POINT at, int times) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<INPUT> inputs;
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(at.x, 65535, width - 1);
    move.mi.dy = MulDiv(at.y, 65535, height - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs.push_back(move);
    for (int i = 0; i < times; ++i) {
        INPUT down = move;
        down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
        INPUT up = move;
        up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(down);
        inputs.push_back(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

POINT CentreOnScreen(HWND window, RECT area) {
    POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    ClientToScreen(window, &centre);
    return centre;
}

TEST_F(ListViewTest, ClicksOfTheUserArriveAsNotifications) {
    ShowWindow(dialog_->Window(), SW_SHOWNORMAL);
    SetForegroundWindow(dialog_->Window());
    Pump(200);
    log_.Take();

    RECT cell{};
    cell.top = 1; // the column
    cell.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageA(Handle(), LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&cell)));
    Click(CentreOnScreen(Handle(), cell), 1);
    Pump(2000, [&] { return log_.Saw("notify 9011 2 1 -1"); });
    EXPECT_EQ(list_->GetSelectedRow(), 1);
    EXPECT_TRUE(log_.Saw("notify 9011 2 1 -1")) << "selection changed to row 1";
    Pump(600); // beyond the double-click time: the next clicks are a double click of their own
    log_.Take();

    Click(CentreOnScreen(Handle(), cell), 2);
    Pump(2000, [&] { return log_.Saw("notify 9011 1 1 1"); });
    EXPECT_TRUE(log_.Saw("notify 9011 1 1 1")) << "double click on row 1, column 1";

    const HWND header = ListView_GetHeader(Handle());
    RECT title{};
    ASSERT_TRUE(SendMessageA(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&title)));
    Pump(600);
    log_.Take();
    Click(CentreOnScreen(header, title), 1);
    Pump(2000, [&] { return !log_.log.empty(); });
    EXPECT_EQ(log_.Take(), (std::vector<std::string>{"notify 9011 0 -1 2"}))
        << "a click on the third column's title";
}

} // namespace
} // namespace qv::win32test
