// The three counts under and above the lists.
#include "mainwindow/main_dialog.h"
#include "resource.h"
#include "settings/format_count.h"

namespace qv {

namespace {

std::string CountText(long long n, const char* one, const char* many, const CNumberFormat& format) {
    if (n < 0)
        return std::string();
    if (n == 1)
        return one;
    return FormatCount(static_cast<int>(n), format) + many;
}

} // namespace

void CMainDialog::UpdateCharCount() {
    window_->Label(IDC_CHAR_COUNT)
        .SetText(CountText(window_->RichEdit(IDC_CONTENTS).GetTextLength(), "1 character",
                           " characters", settings_.numbers));
}

void CMainDialog::UpdateSelectedCount() {
    window_->Label(IDC_SELECTED_COUNT)
        .SetText(CountText(window_->ListBox(IDC_HISTORY).GetSelCount(), "1 selected item",
                           " selected items", settings_.numbers));
}

void CMainDialog::UpdateItemCount() {
    window_->Label(IDC_ITEM_COUNT)
        .SetText(CountText(window_->ListBox(IDC_HISTORY).GetCount(), "1 item", " items",
                           settings_.numbers));
}

int CMainDialog::GetSingleSelection() const {
    auto& list = window_->ListBox(IDC_HISTORY);
    if (list.GetSelCount() != 1)
        return -1;
    const std::vector<int> items = list.GetSelItems();
    return items.empty() ? -1 : items.front();
}

} // namespace qv
