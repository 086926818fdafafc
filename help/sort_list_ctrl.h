// A report list whose rows carry data that the list owns; cell texts are produced on demand from
// that data, and a click on a column's title sorts the rows by that column.
#pragma once
#include "platform/controls.h"
#include <string>

namespace qv {

class CSortListCtrl {
  public:
    CSortListCtrl() = default;
    virtual ~CSortListCtrl() = default;
    CSortListCtrl(const CSortListCtrl&) = delete;
    CSortListCtrl& operator=(const CSortListCtrl&) = delete;

    // Takes the list view of a dialog; its cell texts come from GetItemText from now on.
    void Attach(platform::IListView& view);
    // Releases every remaining row's data and lets the view go; call it while the view still
    // exists (at the dialog's destruction). A derived class that releases data calls it in its
    // own destructor too, as the base's destructor cannot reach the derived FreeItemData.
    void Detach();
    platform::IListView* View() const { return view_; }

    // Inserts a row at position (-1 appends) whose data is data; returns its row or -1. The
    // list owns the data only once the row is in.
    int InsertDataItem(void* data, int position);
    bool DeleteItem(int row);
    // Deletes every row, releasing their data first; the list counts as unsorted again.
    void DeleteAllItems();
    // A click on a column's title: the first click on a column sorts ascending, each further
    // click on it reverses the order.
    void OnColumnClick(int column);

    int SortColumn() const { return sortColumn_; }
    bool IsDescending() const { return descending_; }
    void SetSortable(bool on) { sortable_ = on; }
    void SetOwnsData(bool on) { ownsData_ = on; }

  protected:
    // Negative, zero or positive as row data a sorts before, with or after b by column.
    virtual int Compare(const void* a, const void* b, int column, bool descending) const = 0;
    virtual std::string GetItemText(const void* data, int column) const = 0;
    virtual void FreeItemData(void* /*data*/) {}

  private:
    void ReleaseAll();

    platform::IListView* view_ = nullptr;
    bool ownsData_ = true;
    int sortColumn_ = -1;
    bool descending_ = false;
    bool sortable_ = true;
};

} // namespace qv
