#include "lists/merge_dialog.h"
#include "resource.h"
#include "resources/resource_tables.h"

namespace qv {

bool CMergeDialog::Run(platform::WindowRef owner, std::string& separator) {
    if (platform_.RunModal(ProgramDialog(IDD_MERGE), *this, owner) != IDOK)
        return false;
    separator = separator_;
    return true;
}

bool CMergeDialog::OnInitDialog(platform::IDialogWindow& window) {
    window_ = &window;
    window.Edit(IDC_MERGE_CHARS).SetLimitText(kSeparatorLimit);
    return true;
}

void CMergeDialog::OnCommand(int id, int /*notifyCode*/) {
    if (!window_)
        return;
    switch (id) {
    case IDC_MERGE_WITH_CHARS:
        window_->Edit(IDC_MERGE_CHARS).Enable(window_->Button(IDC_MERGE_WITH_CHARS).IsChecked());
        break;
    case IDOK:
        separator_.clear();
        if (window_->Button(IDC_MERGE_WITH_CHARS).IsChecked())
            separator_ = window_->Edit(IDC_MERGE_CHARS).GetText();
        if (window_->Button(IDC_MERGE_NEW_LINE).IsChecked())
            separator_ += "\r\n";
        window_->EndDialog(IDOK);
        break;
    default:
        break;
    }
}

void CMergeDialog::OnClose() {
    if (window_)
        window_->EndDialog(IDCANCEL);
}

} // namespace qv
