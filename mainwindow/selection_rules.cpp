#include "mainwindow/selection_rules.h"
#include "lists/history_lists.h"
#include "resource.h"
#include "window/navigation.h"

namespace qv {

void CSelectionRules::Recall(bool useCaret) {
    capture_.Recall(useCaret || search_.IsStepping());
}

void CSelectionRules::Step(int delta) {
    if (!context_.navigation.Step(delta))
        return;
    Recall(false);
    search_.EndStepping();
}

void CSelectionRules::StepFound(int direction) {
    const int line = search_.MoveToFound(direction);
    if (line < 0)
        return;
    Recall(true);
    search_.ShowBackAndForward(line);
}

void CSelectionRules::SelectionChanged() {
    context_.navigation.Refresh();
    search_.EndStepping();
    context_.window.Button(IDC_RECALL).Enable(true);
    auto& list = context_.lists.List();
    const int selected = list.GetSelCount();
    if (selected > 1)
        context_.window.Label(IDC_CLIP_TIME).SetText(std::string());
    const int caret = list.GetCaretIndex();
    if (selected == 1 && list.IsSelected(caret) && (caret == 0 || caret == list.GetCount() - 1))
        Recall(false);
}

void CSelectionRules::WatchSwitched() {
    const bool on = context_.window.Button(IDC_WATCH).IsChecked();
    watcher_.SetWatching(on);
    if (on)
        capture_.Clear();
    else
        capture_.ShowNotWatching();
    if (auto* menu = context_.window.SystemMenu())
        menu->Check(IDM_WATCH, on);
}

void CSelectionRules::FormattingSwitched() {
    const bool single = context_.lists.SingleSelection() >= 0;
    capture_.SetIncludeFormatting(context_.window.Button(IDC_INCLUDE_FORMATTING).IsChecked());
    if (single)
        Recall(false);
    if (auto* menu = context_.window.SystemMenu())
        menu->Check(IDM_INCLUDE_FORMATTING, capture_.IncludesFormatting());
}

} // namespace qv
