#include "mainwindow/history_lists.h"
#include "mainwindow/scoped_switch.h"

namespace qv {

namespace {
// Keeps the list's width refresh for the end of a run of removals.
using BulkRemoval = ScopedSwitch<CHistoryListBox, &CHistoryListBox::SetBulkRemoval>;
} // namespace

int CHistoryLists::Append(const std::string& listText, std::unique_ptr<CHistoryItem> item) {
    std::unique_ptr<CHistoryEntry> record(std::move(item));
    int idx = box_.AddEntry(listText, record);
    if (idx == platform::IListBox::kNoRoom) {
        const BulkRemoval removal(box_, true);
        while (List().GetCount() > 0) {
            RemoveTop();
            idx = box_.AddEntry(listText, record);
            if (idx != platform::IListBox::kNoRoom)
                break;
        }
    }
    // On failure the record is still ours and goes with this scope.
    return idx < 0 ? -1 : idx;
}

void CHistoryLists::ApplyHistoryLimit() {
    if (!settings_.useLimit || !mainListShown_)
        return;
    const long long excess = static_cast<long long>(List().GetCount()) - settings_.historyLimit;
    if (excess <= 0)
        return;
    const BulkRemoval removal(box_, true);
    for (long long i = 0; i < excess; ++i)
        RemoveTop();
}

void CHistoryLists::RemoveTop() {
    box_.RemoveEntry(0);
    --mark_;
}

void CHistoryLists::RemoveAll() {
    box_.RemoveAllEntries();
    undoBuffer_.clear();
    parked_.clear();
}

const CHistoryItem* CHistoryLists::Item(int line) const {
    return dynamic_cast<const CHistoryItem*>(box_.GetEntry(line));
}

int CHistoryLists::SingleSelection() const {
    if (List().GetSelCount() != 1)
        return -1;
    const std::vector<int> items = List().GetSelItems();
    return items.empty() ? -1 : items.front();
}

void CHistoryLists::SelectOnly(int line) {
    List().SetCaretIndex(line);
    List().SetSel(-1, false);
    List().SetSel(line, true);
}

} // namespace qv
