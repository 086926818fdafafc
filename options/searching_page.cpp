#include "options/searching_page.h"
#include "resource.h"

namespace qv {

void CSearchingPage::Init() {
    auto& w = Window();
    const bool first = IsOn(context_.values.useFirstFound);
    w.Button(IDC_SEARCHING_FIRST).SetChecked(first);
    w.Button(IDC_SEARCHING_LAST).SetChecked(!first);
    w.Button(IDC_SEARCHING_TYPOS).SetChecked(IsOn(context_.values.allowTypos));
    auto& separation = w.TrackBar(IDC_SEARCHING_SEPARATION);
    separation.SetRange(kLowest, kHighest);
    separation.SetStepSizes(1, 1);
    separation.SetPos(context_.values.separation);
    EnableSeparation();
    w.Button(IDC_SEARCHING_CLEAR).Enable(context_.host.SearchTermCount() > 0);
}

void CSearchingPage::EnableSeparation() {
    auto& w = Window();
    const bool on = w.Button(IDC_SEARCHING_TYPOS).IsChecked();
    for (int id : {IDC_SEARCHING_SEPARATION, IDC_SEARCHING_SEPARATION_LABEL, IDC_SEARCHING_LOW,
                   IDC_SEARCHING_HIGH})
        w.Control(id).Enable(on);
}

void CSearchingPage::OnCommand(int id, int notifyCode) {
    if (notifyCode != platform::kButtonClicked)
        return;
    if (id == IDC_SEARCHING_TYPOS) {
        EnableSeparation();
    } else if (id == IDC_SEARCHING_CLEAR) {
        // At once, and Cancel does not bring the terms back.
        context_.host.ClearSearchTerms();
        Window().Button(IDC_SEARCHING_CLEAR).Enable(false);
    }
}

void CSearchingPage::Read() {
    auto& w = Window();
    context_.values.useFirstFound = w.Button(IDC_SEARCHING_FIRST).IsChecked();
    context_.values.allowTypos = w.Button(IDC_SEARCHING_TYPOS).IsChecked();
    context_.values.separation = w.TrackBar(IDC_SEARCHING_SEPARATION).GetPos();
}

} // namespace qv
