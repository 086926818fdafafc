#include "help/topic_dialog.h"
#include "resource.h"
#include "resources/resource_tables.h"

namespace qv {

int CTopicDialog::Run(platform::WindowRef owner) {
    return platform_.RunModal(ProgramDialog(IDD_TOPIC), *this, owner);
}

bool CTopicDialog::OnInitDialog(platform::IDialogWindow& window) {
    window_ = &window;
    platform::IListView& view = window.ListView(IDC_TOPIC_LIST);
    list_.Attach(view);
    const platform::IStringResources& strings = platform_.Strings();
    // The first column cannot be right-aligned, so it stays empty and hidden.
    view.SetColumns({{std::string(), 0, false},
                     {strings.Load(IDS_TIP_NUMBER_COLUMN), 0, true},
                     {strings.Load(IDS_TOPIC_COLUMN), 0, false}});
    SizeColumns(view);
    for (std::size_t k = 0; k < topics_.size(); ++k)
        list_.AddTopic(static_cast<int>(k) + 1, topics_[k]);
    view.SelectRow(selection_);
    return true;
}

void CTopicDialog::SizeColumns(platform::IListView& view) {
    view.FitColumnToHeader(CTopicListCtrl::kNumberColumn);
    platform::ScreenMetrics metrics;
    window_->GetScreenMetrics(metrics);
    // Room is left for a vertical scroll bar, so that no horizontal one is needed.
    view.SetColumnWidth(CTopicListCtrl::kTopicColumn,
                        view.GetClientWidth() - metrics.scrollThumbWidth -
                            view.GetColumnWidth(CTopicListCtrl::kNumberColumn));
}

void CTopicDialog::OnCommand(int id, int /*notifyCode*/) {
    if (id == IDOK)
        End(true);
}

void CTopicDialog::OnNotify(const platform::NotifyEvent& event) {
    if (event.controlId != IDC_TOPIC_LIST)
        return;
    if (event.kind == platform::NotifyKind::ColumnClick)
        list_.OnColumnClick(event.column);
    else if (event.kind == platform::NotifyKind::DoubleClick)
        End(true);
}

void CTopicDialog::End(bool ok) {
    if (!window_)
        return;
    if (ok) {
        // The row's own tip number decides, wherever sorting put the row.
        const int view = list_.View() ? list_.View()->GetSelectedRow() : -1;
        selection_ = list_.TipNumberAt(view) - 1;
    }
    list_.DeleteAllItems();
    window_->EndDialog(ok ? IDOK : IDCANCEL);
}

void CTopicDialog::OnDestroy() {
    list_.Detach();
    window_ = nullptr;
}

} // namespace qv
