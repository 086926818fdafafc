#include "help/about_dialog.h"
#include "resource.h"
#include "resources/resource_tables.h"

namespace qv {

int CAboutDialog::Run(platform::WindowRef owner) {
    return platform_.RunModal(ProgramDialog(IDD_ABOUT), *this, owner);
}

bool CAboutDialog::OnInitDialog(platform::IDialogWindow& window) {
    window_ = &window;
    window.Edit(IDC_SUPPORT_EMAIL).SetText(platform_.Strings().Load(IDS_SUPPORT_EMAIL));
    link_.Attach(window.Link(IDC_WEB_LINK), IDC_WEB_LINK);
    return true;
}

void CAboutDialog::OnCommand(int id, int notifyCode) {
    if (!window_)
        return;
    switch (id) {
    case IDOK:
        window_->EndDialog(IDOK);
        break;
    case IDC_COPY_EMAIL:
        CopyAddress();
        break;
    case IDC_WEB_LINK:
        if (notifyCode == platform::kLinkClicked)
            link_.Follow(platform_.Shell(), platform_.Strings());
        break;
    default:
        break;
    }
}

void CAboutDialog::OnClose() {
    if (window_)
        window_->EndDialog(IDCANCEL);
}

void CAboutDialog::CopyAddress() {
    platform::IEdit& field = window_->Edit(IDC_SUPPORT_EMAIL);
    field.SetSel(0, -1);
    // Another program may hold the clipboard open; then nothing was copied, and the user is told.
    const bool copied = field.Copy();
    field.SetSel(0, 0);
    window_->MessageBox(platform_.Strings().Load(copied ? IDS_EMAIL_COPIED : IDS_EMAIL_NOT_COPIED),
                        platform_.Strings().Load(IDS_APP_TITLE), platform::MsgButtons::Ok,
                        copied ? platform::MsgIcon::Information : platform::MsgIcon::Exclamation);
}

} // namespace qv
