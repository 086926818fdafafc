#include "win32_list_view.h"
#include <algorithm>
#include <climits>
#include <vector>

namespace qv::platform::win32 {

ListViewView::ListViewView(HWND window) : ControlView(window) {
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void ListViewView::SetColumns(const std::vector<Column>& columns) {
    while (columnCount_ > 0)
        Send(LVM_DELETECOLUMN, static_cast<WPARAM>(--columnCount_));
    for (const Column& c : columns) {
        std::string title = c.title;
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = c.rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = c.width;
        column.pszText = title.data();
        column.iSubItem = columnCount_;
        if (Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(columnCount_),
                 reinterpret_cast<LPARAM>(&column)) < 0)
            break;
        ++columnCount_;
    }
    // Cells of new columns in rows that exist already have no text of their own: they ask too.
    const int rows = GetRowCount();
    for (int row = 0; row < rows; ++row)
        AskForTexts(row, 0);
}

void ListViewView::AskForTexts(int row, int firstColumn) {
    for (int column = firstColumn; column < columnCount_; ++column) {
        LVITEMA cell{};
        cell.iSubItem = column;
        cell.pszText = LPSTR_TEXTCALLBACKA;
        Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    }
}

int ListViewView::GetColumnWidth(int column) const {
    return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

void ListViewView::SetColumnWidth(int column, int width) {
    Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

void ListViewView::FitColumnToHeader(int column) {
    Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
}

int ListViewView::GetClientWidth() const {
    return ClientWidth(Window());
}

int ListViewView::InsertRow(int index, void* data) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index < 0 ? INT_MAX : index;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.lParam = reinterpret_cast<LPARAM>(data);
    const int row = static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0)
        return -1;
    // The other columns ask for their texts too.
    AskForTexts(row, 1);
    return row;
}

bool ListViewView::DeleteRow(int row) {
    return row >= 0 && Send(LVM_DELETEITEM, static_cast<WPARAM>(row)) != FALSE;
}

void ListViewView::DeleteAllRows() {
    Send(LVM_DELETEALLITEMS);
}

int ListViewView::GetRowCount() const {
    return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

void* ListViewView::GetRowData(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (row < 0 || !Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<void*>(item.lParam);
}

int ListViewView::GetSelectedRow() const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListViewView::SelectRow(int row) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (row < 0 || row >= GetRowCount()) {
        // No such row: nothing stays selected (the message would leave the old selection).
        item.stateMask = LVIS_SELECTED;
        Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
        return;
    }
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

namespace {
int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM compare) {
    // Nothing may unwind through the control: a failing comparison keeps the order.
    try {
        return (*reinterpret_cast<const IListView::Compare*>(compare))(reinterpret_cast<void*>(a),
                                                                       reinterpret_cast<void*>(b));
    } catch (...) {
        return 0;
    }
}
} // namespace

void ListViewView::Sort(const Compare& compare) {
    Send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&compare), reinterpret_cast<LPARAM>(&CompareRows));
}

std::string ListViewView::GetCellText(int row, int column) const {
    // The control copies at most the buffer less its terminator: a text that fills it may have
    // been cut, so it is asked again with more room.
    for (std::size_t size = 1024;; size *= 4) {
        std::vector<char> buffer(size);
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const LRESULT length =
            Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        const std::size_t got = length > 0 ? static_cast<std::size_t>(length) : 0;
        if (got + 1 < size || size >= kLongestCellText)
            return std::string(buffer.data(), std::min(got, size - 1));
    }
}

void ListViewView::AnswerDisplayInfo(NMLVDISPINFOA& info) {
    if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0)
        return;
    try {
        answer_ = source_ ? source_(reinterpret_cast<void*>(info.item.lParam), info.item.iSubItem)
                          : std::string();
    } catch (...) {
        answer_.clear(); // the cell shows empty rather than what the buffer held
    }
    const std::size_t room = static_cast<std::size_t>(info.item.cchTextMax) - 1;
    const std::size_t length = std::min(answer_.size(), room);
    answer_.copy(info.item.pszText, length);
    info.item.pszText[length] = '\0';
}

} // namespace qv::platform::win32
