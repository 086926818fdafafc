#include "options/misc_page.h"
#include "resource.h"
#include <cstdlib>
#include <string>

namespace qv {

void CMiscPage::Init() {
    auto& w = Window();
    w.Button(IDC_MISC_APPLY_COLORS).SetChecked(IsOn(values_.applyColors));
    w.Button(IDC_MISC_SHOW_EFFECTS).SetChecked(IsOn(values_.showEffects));
    w.Button(IDC_MISC_USE_LIMIT).SetChecked(IsOn(values_.useLimit));
    w.Button(IDC_MISC_CONFIRM_EXIT).SetChecked(IsOn(values_.confirmExit));
    EnableLimit();
    TieEffectsToColours();
    auto& list = w.ComboBox(IDC_MISC_HISTORY_LIMIT);
    for (int i = 1; i <= kLimitEntries; ++i)
        list.AddString(std::to_string(i * kLimitStep));
    // Rounded down to the list's step: 275 shows 250. A limit the list cannot show selects none.
    const int index = values_.historyLimit / kLimitStep - 1;
    list.SetCurSel(index >= 0 && index < kLimitEntries ? index : -1);
}

void CMiscPage::EnableLimit() {
    auto& w = Window();
    w.Control(IDC_MISC_HISTORY_LIMIT).Enable(w.Button(IDC_MISC_USE_LIMIT).IsChecked());
}

void CMiscPage::TieEffectsToColours() {
    auto& w = Window();
    auto& effects = w.Button(IDC_MISC_SHOW_EFFECTS);
    if (w.Button(IDC_MISC_APPLY_COLORS).IsChecked()) {
        effects.SetChecked(true);
        effects.Enable(false);
    } else {
        effects.Enable(true);
    }
}

void CMiscPage::OnCommand(int id, int notifyCode) {
    if (notifyCode != platform::kButtonClicked)
        return;
    if (id == IDC_MISC_USE_LIMIT)
        EnableLimit();
    else if (id == IDC_MISC_APPLY_COLORS)
        TieEffectsToColours();
}

void CMiscPage::Read() {
    auto& w = Window();
    values_.applyColors = w.Button(IDC_MISC_APPLY_COLORS).IsChecked();
    values_.showEffects = w.Button(IDC_MISC_SHOW_EFFECTS).IsChecked();
    values_.useLimit = w.Button(IDC_MISC_USE_LIMIT).IsChecked();
    values_.confirmExit = w.Button(IDC_MISC_CONFIRM_EXIT).IsChecked();
    // Without a selection (a stored limit the list cannot show) the limit stays as it was.
    auto& list = w.ComboBox(IDC_MISC_HISTORY_LIMIT);
    std::string entry;
    if (list.GetCurSel() >= 0 && list.GetLBText(list.GetCurSel(), entry))
        values_.historyLimit = std::atoi(entry.c_str());
}

} // namespace qv
