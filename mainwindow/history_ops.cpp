// Adding items at the end of the History list and trimming it to the History Limit.
#include "mainwindow/main_dialog.h"

namespace qv {

int CMainDialog::AppendToHistory(const std::string& listText, std::unique_ptr<CHistoryItem> item) {
    std::unique_ptr<CHistoryEntry> record(std::move(item));
    int idx = history_->AddEntry(listText, record);
    if (idx == -2) {
        // The list box is full: drop the oldest lines until the new one fits.
        history_->SetBulkRemoval(true);
        while (history_->List().GetCount() > 0) {
            history_->RemoveEntry(0);
            --markIndex_;
            idx = history_->AddEntry(listText, record);
            if (idx != -2)
                break;
        }
        history_->SetBulkRemoval(false);
    }
    // On failure the record is still ours and goes with this scope.
    return idx < 0 ? -1 : idx;
}

void CMainDialog::ApplyHistoryLimit() {
    if (!settings_.useLimit || !mainListShown_)
        return;
    const long long excess =
        static_cast<long long>(history_->List().GetCount()) - settings_.historyLimit;
    if (excess <= 0)
        return;
    history_->SetBulkRemoval(true);
    for (long long i = 0; i < excess; ++i) {
        history_->RemoveEntry(0);
        --markIndex_;
    }
    history_->SetBulkRemoval(false);
}

} // namespace qv
