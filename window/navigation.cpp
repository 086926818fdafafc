#include "window/navigation.h"
#include "resource.h"
#include "window/navigation_labels.h"
#include <new>

namespace qv {

bool CNavigation::Step(int delta) {
    auto& list = window_.ListBox(IDC_HISTORY);
    const int c = list.GetCaretIndex();
    const int target = c + delta;
    if (target < 0 || target >= list.GetCount() || !list.IsSelected(c))
        return false;
    list.SetCaretIndex(target);
    list.SetSel(-1, false);
    list.SetSel(target, true);
    return true;
}

void CNavigation::Refresh() {
    auto& list = window_.ListBox(IDC_HISTORY);
    const int c = list.GetCaretIndex();
    const int count = list.GetCount();
    const bool onSelected = list.IsSelected(c);
    const bool hasPrevious = onSelected && c > 0;
    const bool hasNext = onSelected && c < count - 1;
    window_.Button(IDC_PREVIOUS).Enable(hasPrevious);
    window_.Button(IDC_NEXT).Enable(hasNext);
    UpdateMenuEntry(true, hasPrevious, c - 1);
    UpdateMenuEntry(false, hasNext, c + 1);
    if (onSelected)
        window_.Button(IDC_RECALL).Enable(true);
    status_.ShowSelectedCount();
    if (follower_)
        follower_->CaretLineChanged(onSelected ? c : -1);
}

void CNavigation::UpdateMenuEntry(bool previous, bool hasNeighbour, int position) {
    platform::ISystemMenu* menu = window_.SystemMenu();
    if (!menu)
        return;
    std::string text;
    try {
        if (hasNeighbour)
            window_.ListBox(IDC_HISTORY).GetLineText(position, text);
    } catch (const std::bad_alloc&) {
        text.clear(); // without memory for the preview, the entry is greyed as for an empty one
    }
    const unsigned command = previous ? IDM_PREVIOUS : IDM_NEXT;
    menu->SetItemText(command, NavigationLabel(strings_, previous, text));
    // An empty neighbour has nothing to preview, so its entry is greyed; its button stays.
    menu->Enable(command, !text.empty());
}

} // namespace qv
