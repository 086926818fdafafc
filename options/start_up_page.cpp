#include "options/start_up_page.h"
#include "resource.h"

namespace qv {

void CStartUpPage::Init() {
    Window().Button(IDC_STARTUP_RESTORE).SetChecked(IsOn(values_.restoreWndPlacement));
    Window().Button(IDC_STARTUP_MINIMIZED).SetChecked(IsOn(values_.startMinimized));
    Window().Button(IDC_STARTUP_DAY_TIP).SetChecked(IsOn(values_.showDayTip));
}

void CStartUpPage::Read() {
    values_.restoreWndPlacement = Window().Button(IDC_STARTUP_RESTORE).IsChecked();
    values_.startMinimized = Window().Button(IDC_STARTUP_MINIMIZED).IsChecked();
    values_.showDayTip = Window().Button(IDC_STARTUP_DAY_TIP).IsChecked();
}

} // namespace qv
