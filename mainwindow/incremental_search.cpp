#include "mainwindow/incremental_search.h"
#include "resource.h"
#include "search/search_pattern.h"
#include "settings/settings.h"
#include "window/navigation.h"
#include "window/scoped_switch.h"
#include "window/user_messages.h"
#include <algorithm>
#include <new>
#include <vector>

namespace qv {

namespace {
// Hides a control for one scope, so a long run of changes is not drawn line by line.
using Hidden = ScopedSwitch<platform::IControl, &platform::IControl::SetVisible>;

// Makes the list's selection exactly wanted (one flag a line). On a full list each message
// costs, so only lines whose state changes are touched, a run of them at a time.
void ApplySelection(platform::IListBox& list, const std::vector<char>& wanted) {
    const int n = static_cast<int>(wanted.size());
    std::vector<char> now(wanted.size(), 0);
    for (int i : list.GetSelItems())
        if (i >= 0 && i < n)
            now[std::size_t(i)] = 1;
    for (int i = 0; i < n;) {
        if (now[std::size_t(i)] == wanted[std::size_t(i)]) {
            ++i;
            continue;
        }
        const char select = wanted[std::size_t(i)];
        // The run goes on through lines already right, as long as a change follows.
        int end = i + 1;
        while (end < n && wanted[std::size_t(end)] == select)
            ++end;
        while (now[std::size_t(end - 1)] == select)
            --end;
        if (!list.SetSelRange(i, end - 1, select != 0))
            for (int k = i; k < end; ++k) // a list that cannot select runs takes them line by line
                list.SetSel(k, select != 0);
        i = end;
    }
}
} // namespace

void CIncrementalSearch::Commit() {
    try {
        auto& field = window_.ComboBox(IDC_SEARCH);
        if (terms_.Commit(field.GetText(), codePage_))
            field.AddString(terms_.Entries().back());
    } catch (const std::bad_alloc&) {
        // The term is simply not remembered.
    }
}

void CIncrementalSearch::Run() {
    auto& list = lists_.List();
    const Hidden hidden(list, false);
    EndStepping();
    const int n = std::max(list.GetCount(), 0);
    int first = -1, last = -1;
    try {
        const SearchPattern pattern(window_.ComboBox(IDC_SEARCH).GetText(),
                                    settings_.allowTypos != 0, settings_.separation);
        std::vector<char> found(std::size_t(n), 0);
        std::string listText;
        for (int i = 0; i < n; ++i) {
            const CHistoryItem* item = lists_.Item(i);
            if (item && list.GetLineText(i, listText) &&
                ItemMatches(pattern, listText, item->overflowText)) {
                found[std::size_t(i)] = 1;
                if (first == -1)
                    first = i;
                last = i;
            }
        }
        ApplySelection(list, found);
    } catch (const std::bad_alloc&) {
        messages_.ShowOutOfMemory();
        return;
    }
    const int reference = settings_.useFirstFound ? first : last;
    if (reference != -1) {
        list.SetCaretIndex(reference);
        ShowBackAndForward(reference);
    }
    navigation_.Refresh(); // which ends by refreshing the selected-items count
}

int CIncrementalSearch::FoundNeighbour(int position, int direction) const {
    auto& list = lists_.List();
    const int n = list.GetCount();
    for (int i = position + direction; i >= 0 && i < n; i += direction)
        if (list.IsSelected(i))
            return i;
    return -1;
}

void CIncrementalSearch::ShowBackAndForward(int position) {
    const bool back = FoundNeighbour(position, -1) != -1;
    const bool forward = FoundNeighbour(position, +1) != -1;
    window_.Button(IDC_BACK).Enable(back);
    window_.Button(IDC_FORWARD).Enable(forward);
    stepping_ = back || forward;
    navigation_.Refresh();
}

void CIncrementalSearch::Reset() {
    EndStepping();
    window_.ComboBox(IDC_SEARCH).SetText(std::string());
}

void CIncrementalSearch::EndStepping() {
    window_.Button(IDC_BACK).Enable(false);
    window_.Button(IDC_FORWARD).Enable(false);
    stepping_ = false;
}

int CIncrementalSearch::MoveToFound(int direction) {
    auto& list = lists_.List();
    const int c = list.GetCaretIndex();
    if (!list.IsSelected(c))
        return -1;
    const int p = FoundNeighbour(c, direction);
    if (p == -1)
        return -1;
    list.SetCaretIndex(p);
    list.SetFocus();
    return p;
}

void CIncrementalSearch::OnField(int notifyCode) {
    auto& field = window_.ComboBox(IDC_SEARCH);
    switch (notifyCode) {
    case platform::kComboEditChange:
        Run();
        window_.Button(IDC_RECALL).Enable(true);
        break;
    case platform::kComboDropDown:
        Commit();
        break;
    case platform::kComboSelChange: {
        std::string entry;
        if (field.GetCurSel() >= 0 && field.GetLBText(field.GetCurSel(), entry)) {
            field.SetText(entry);
            Run();
        }
        break;
    }
    default:
        break;
    }
}

void CIncrementalSearch::ClearTerms(platform::ISettingsStore& store) {
    terms_.ClearSearchTerms(store);
    auto& field = window_.ComboBox(IDC_SEARCH);
    // Emptying the drop-down empties its edit part too on the real control.
    const std::string text = field.GetText();
    field.ResetContent();
    field.SetText(text);
}

void CIncrementalSearch::LoadTerms(platform::ISettingsStore& store) {
    terms_.LoadSearchTerms(store);
    auto& field = window_.ComboBox(IDC_SEARCH);
    for (const std::string& term : terms_.Entries())
        field.AddString(term);
}

} // namespace qv
