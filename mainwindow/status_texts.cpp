// The three counts under and above the lists.
#include "mainwindow/main_dialog.h"
#include "resource.h"
#include "settings/format_count.h"

namespace qv {

namespace {

std::string CountText(long long n, const std::string& one, const std::string& many,
                      const CNumberFormat& format) {
    if (n < 0)
        return std::string();
    if (n == 1)
        return one;
    return FormatCount(static_cast<int>(n), format) + many;
}

} // namespace

void CMainDialog::UpdateCharCount() {
    window_->Label(IDC_CHAR_COUNT)
        .SetText(CountText(window_->RichEdit(IDC_CONTENTS).GetTextLength(), Text(IDS_ONE_CHARACTER),
                           Text(IDS_CHARACTERS), settings_.numbers));
}

void CMainDialog::UpdateSelectedCount() {
    window_->Label(IDC_SELECTED_COUNT)
        .SetText(CountText(window_->ListBox(IDC_HISTORY).GetSelCount(), Text(IDS_ONE_SELECTED_ITEM),
                           Text(IDS_SELECTED_ITEMS), settings_.numbers));
}

void CMainDialog::UpdateItemCount() {
    window_->Label(IDC_ITEM_COUNT)
        .SetText(CountText(window_->ListBox(IDC_HISTORY).GetCount(), Text(IDS_ONE_ITEM),
                           Text(IDS_ITEMS), settings_.numbers));
}

int CMainDialog::GetSingleSelection() const {
    auto& list = window_->ListBox(IDC_HISTORY);
    if (list.GetSelCount() != 1)
        return -1;
    const std::vector<int> items = list.GetSelItems();
    return items.empty() ? -1 : items.front();
}

} // namespace qv
