#include "help/sort_list_ctrl.h"

namespace qv {

void CSortListCtrl::Attach(platform::IListView& view) {
    view_ = &view;
    view.SetTextSource([this](void* data, int column) { return GetItemText(data, column); });
}

void CSortListCtrl::Detach() {
    if (!view_)
        return;
    ReleaseAll();
    // The view may still draw; it must not ask a list that is gone.
    view_->SetTextSource(nullptr);
    view_ = nullptr;
}

int CSortListCtrl::InsertDataItem(void* data, int position) {
    return view_ ? view_->InsertRow(position, data) : -1;
}

bool CSortListCtrl::DeleteItem(int row) {
    if (!view_)
        return false;
    void* data = view_->GetRowData(row);
    if (!view_->DeleteRow(row))
        return false;
    if (ownsData_ && data)
        FreeItemData(data);
    return true;
}

void CSortListCtrl::DeleteAllItems() {
    if (!view_)
        return;
    ReleaseAll();
    view_->DeleteAllRows();
    sortColumn_ = -1;
}

void CSortListCtrl::ReleaseAll() {
    if (!ownsData_)
        return;
    const int rows = view_->GetRowCount();
    for (int row = 0; row < rows; ++row)
        if (void* data = view_->GetRowData(row))
            FreeItemData(data);
    // The rows still point at what was released: nothing may read them before they go.
    view_->DeleteAllRows();
}

void CSortListCtrl::OnColumnClick(int column) {
    if (!sortable_ || !view_)
        return;
    descending_ = column == sortColumn_ ? !descending_ : false;
    sortColumn_ = column;
    view_->Sort([this, column](void* a, void* b) { return Compare(a, b, column, descending_); });
}

} // namespace qv
