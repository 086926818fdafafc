// A report list view: rows carry the program's data, their texts are asked for when the control
// draws them, and sorting goes through the control.
#pragma once
#include "win32_controls.h"
#include <commctrl.h>
#include <string>

namespace qv::platform::win32 {

class ListViewView : public ControlView<IListView> {
  public:
    explicit ListViewView(HWND window);
    void SetColumns(const std::vector<Column>& columns) override;
    int GetColumnWidth(int column) const override;
    void SetColumnWidth(int column, int width) override;
    void FitColumnToHeader(int column) override;
    int GetClientWidth() const override;
    void SetTextSource(TextSource source) override { source_ = std::move(source); }
    int InsertRow(int index, void* data) override;
    bool DeleteRow(int row) override;
    void DeleteAllRows() override;
    int GetRowCount() const override;
    void* GetRowData(int row) const override;
    int GetSelectedRow() const override;
    void SelectRow(int row) override;
    void Sort(const Compare& compare) override;
    std::string GetCellText(int row, int column) const override;

    // Answers the control's request for a cell's text (LVN_GETDISPINFO) from the text source;
    // the text lives in the view until the next request.
    void AnswerDisplayInfo(NMLVDISPINFOA& info);

  private:
    // Marks the row's cells from firstColumn on as answered by the text source.
    void AskForTexts(int row, int firstColumn);
    // GetCellText gives up growing its buffer here.
    static constexpr std::size_t kLongestCellText = 1 << 20;

    TextSource source_;
    std::string answer_;
    int columnCount_ = 0;
};

} // namespace qv::platform::win32
