// The Search field: a search run on every edit, Back and Forward among the found lines, and the
// remembered search terms.
#include "history/history_entry.h"
#include "mainwindow/main_dialog.h"
#include "mainwindow/messages.h"
#include "resource.h"
#include "search/search_pattern.h"
#include <new>

namespace qv {

void CMainDialog::CommitSearchTerm() {
    if (!window_)
        return;
    try {
        const std::string text = window_->ComboBox(IDC_SEARCH).GetText();
        if (searchTerms_.Commit(text, platform_.CodePage()))
            window_->ComboBox(IDC_SEARCH).AddString(searchTerms_.Entries().back());
    } catch (const std::bad_alloc&) {
        // The term is simply not remembered.
    }
}

void CMainDialog::SearchRun() {
    auto& list = window_->ListBox(IDC_HISTORY);
    list.SetVisible(false);
    window_->Button(IDC_BACK).Enable(false);
    window_->Button(IDC_FORWARD).Enable(false);
    searchStepping_ = false;
    const int n = list.GetCount();
    int first = -1, last = -1;
    try {
        const SearchPattern pattern(window_->ComboBox(IDC_SEARCH).GetText(),
                                    settings_.allowTypos != 0, settings_.separation);
        std::string listText;
        for (int i = 0; i < n; ++i) {
            const auto* item = dynamic_cast<const CHistoryItem*>(history_->GetEntry(i));
            bool found = false;
            if (item && list.GetLineText(i, listText))
                found = ItemMatches(pattern, listText, item->overflowText);
            list.SetSel(i, found);
            if (found) {
                if (first == -1)
                    first = i;
                last = i;
            }
        }
    } catch (const std::bad_alloc&) {
        Message(outOfMemoryText_, platform::MsgButtons::Ok, platform::MsgIcon::Stop);
        list.SetVisible(true);
        return;
    }
    const int reference = settings_.useFirstFound ? first : last;
    if (reference != -1) {
        list.SetCaretIndex(reference);
        UpdateBackAndForward(reference);
    }
    NavigationRefresh(); // which ends by refreshing the selected-items count
    list.SetVisible(true);
}

int CMainDialog::FindFoundNeighbour(int position, int direction) const {
    auto& list = window_->ListBox(IDC_HISTORY);
    const int n = list.GetCount();
    for (int i = position + direction; i >= 0 && i < n; i += direction)
        if (list.IsSelected(i))
            return i;
    return -1;
}

void CMainDialog::UpdateBackAndForward(int position) {
    const bool back = FindFoundNeighbour(position, -1) != -1;
    const bool forward = FindFoundNeighbour(position, +1) != -1;
    window_->Button(IDC_BACK).Enable(back);
    window_->Button(IDC_FORWARD).Enable(forward);
    searchStepping_ = back || forward;
    NavigationRefresh();
}

void CMainDialog::StepFound(int direction) {
    CommitSearchTerm();
    auto& list = window_->ListBox(IDC_HISTORY);
    const int c = list.GetCaretIndex();
    if (!list.IsSelected(c))
        return;
    const int p = FindFoundNeighbour(c, direction);
    if (p == -1)
        return;
    list.SetCaretIndex(p);
    list.SetFocus();
    Recall(true);
    UpdateBackAndForward(p);
}

void CMainDialog::OnSearchField(int notifyCode) {
    auto& field = window_->ComboBox(IDC_SEARCH);
    switch (notifyCode) {
    case platform::kComboEditChange:
        SearchRun();
        window_->Button(IDC_RECALL).Enable(true);
        break;
    case platform::kComboDropDown:
        CommitSearchTerm();
        break;
    case platform::kComboSelChange: {
        std::string entry;
        if (field.GetCurSel() >= 0 && field.GetLBText(field.GetCurSel(), entry)) {
            field.SetText(entry);
            SearchRun();
        }
        break;
    }
    default:
        break;
    }
}

void CMainDialog::LoadSearchTerms() {
    searchTerms_.LoadSearchTerms(platform_.Settings());
    auto& field = window_->ComboBox(IDC_SEARCH);
    for (const std::string& term : searchTerms_.Entries())
        field.AddString(term);
}

void CMainDialog::SaveSearchTerms() {
    searchTerms_.SaveSearchTerms(platform_.Settings());
}

} // namespace qv
