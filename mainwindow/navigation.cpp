// Previous and Next, and the navigation refresh that keeps their buttons and menu entries current.
#include "commands/navigation_labels.h"
#include "mainwindow/main_dialog.h"
#include "resource.h"

namespace qv {

void CMainDialog::Step(int delta) {
    CommitSearchTerm();
    auto& list = window_->ListBox(IDC_HISTORY);
    const int c = list.GetCaretIndex();
    const int target = c + delta;
    if (target < 0 || target >= list.GetCount() || !list.IsSelected(c))
        return;
    list.SetCaretIndex(target);
    list.SetSel(-1, false);
    list.SetSel(target, true);
    Recall(false);
    window_->Button(IDC_BACK).Enable(false);
    window_->Button(IDC_FORWARD).Enable(false);
    searchStepping_ = false;
}

void CMainDialog::NavigationRefresh() {
    auto& list = window_->ListBox(IDC_HISTORY);
    const int c = list.GetCaretIndex();
    const int count = list.GetCount();
    const bool onSelected = list.IsSelected(c);
    const bool hasPrevious = onSelected && c > 0;
    const bool hasNext = onSelected && c < count - 1;
    window_->Button(IDC_PREVIOUS).Enable(hasPrevious);
    window_->Button(IDC_NEXT).Enable(hasNext);
    UpdateNavigationLabel(true, hasPrevious, c - 1);
    UpdateNavigationLabel(false, hasNext, c + 1);
    if (onSelected)
        window_->Button(IDC_RECALL).Enable(true);
    UpdateSelectedCount();
}

void CMainDialog::UpdateNavigationLabel(bool previous, bool hasNeighbour, int position) {
    platform::ISystemMenu* menu = window_->SystemMenu();
    if (!menu)
        return;
    std::string text;
    if (hasNeighbour)
        window_->ListBox(IDC_HISTORY).GetLineText(position, text);
    const unsigned command = previous ? IDM_PREVIOUS : IDM_NEXT;
    menu->SetItemText(command, NavigationLabel(previous, text));
    menu->Enable(command, !text.empty());
}

int CMainDialog::GetSingleSelection() const {
    auto& list = window_->ListBox(IDC_HISTORY);
    if (list.GetSelCount() != 1)
        return -1;
    const std::vector<int> items = list.GetSelItems();
    return items.empty() ? -1 : items.front();
}

} // namespace qv
