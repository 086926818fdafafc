#include "miniwindow/mini_window_dialog.h"
#include "miniwindow/mini_window_messages.h"
#include "resource.h"

namespace qv {

platform::IListBox& CMiniWindowDialog::List() {
    return window_->ListBox(IDC_HISTORY);
}

void CMiniWindowDialog::AddRow(const std::string& text) {
    List().AddString(text);
}

void CMiniWindowDialog::SetExtent(int width) {
    List().SetHorizontalExtent(width);
}

void CMiniWindowDialog::DeleteRow(int row) {
    UpdateButtons(-1);
    List().SetSel(-1, false);
    List().DeleteString(row);
}

void CMiniWindowDialog::SelectRow(int row) {
    if (row >= 0) {
        List().SetSel(row, true);
        List().SetCaretIndex(row);
    }
    UpdateButtons(row);
}

void CMiniWindowDialog::RemoveAllRows() {
    List().ResetContent();
    UpdateButtons(-1);
}

void CMiniWindowDialog::SetMarkLabel(bool markSet) {
    window_->Button(IDC_SET_MARK)
        .SetText(platform_.Strings().Load(markSet ? IDS_MINI_RETURN_MARK : IDS_MINI_SET_MARK));
}

bool CMiniWindowDialog::OnInitDialog(platform::IDialogWindow& window) {
    window_ = &window;
    return true;
}

CMiniWindowDialog::Handling::Handling(CMiniWindowDialog& dialog) : dialog_(dialog) {
    ++dialog_.handling_;
}

CMiniWindowDialog::Handling::~Handling() {
    if (--dialog_.handling_ == 0 && dialog_.closed_)
        dialog_.platform_.PostToWindow(dialog_.main_, WM_MINIWND_DISPOSE, 0, 0);
}

void CMiniWindowDialog::OnCommand(int id, int notifyCode) {
    if (!window_ || closed_)
        return;
    const Handling handling(*this);
    switch (id) {
    case IDC_HISTORY:
        if (notifyCode == platform::kListSelChange) {
            const int row = SelectedRow();
            if (row >= 0) {
                UpdateButtons(row);
                Tell(WM_MINIWND_SELECT, std::uintptr_t(row));
            }
        }
        break;
    case IDC_PREVIOUS:
        Step(-1);
        break;
    case IDC_NEXT:
        Step(+1);
        break;
    case IDC_SET_MARK:
        Tell(WM_MINIWND_MARK);
        break;
    case IDC_MOVE_UP:
        MoveRow(-1);
        break;
    case IDC_MOVE_DOWN:
        MoveRow(+1);
        break;
    case IDC_DELETE:
        DeleteSelected();
        break;
    default:
        break;
    }
}

// Esc comes as Cancel, which closes it as the close box does.
void CMiniWindowDialog::OnClose() {
    if (closed_)
        return;
    const Handling handling(*this);
    // The main window owns this window and closes it once the message has returned.
    Tell(WM_MINIWND_CLOSED);
}

int CMiniWindowDialog::SelectedRow() {
    const std::vector<int> rows = List().GetSelItems();
    return rows.empty() ? -1 : rows.front();
}

void CMiniWindowDialog::UpdateButtons(int row) {
    const int count = List().GetCount();
    const bool valid = row >= 0 && row < count;
    const bool up = valid && row > 0;
    const bool down = valid && row + 1 < count;
    window_->Button(IDC_PREVIOUS).Enable(up);
    window_->Button(IDC_MOVE_UP).Enable(up);
    window_->Button(IDC_NEXT).Enable(down);
    window_->Button(IDC_MOVE_DOWN).Enable(down);
}

void CMiniWindowDialog::Step(int delta) {
    const int row = SelectedRow();
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= List().GetCount())
        return;
    SelectRow(target);
    Tell(WM_MINIWND_SELECT, std::uintptr_t(target));
}

void CMiniWindowDialog::MoveRow(int delta) {
    const int from = SelectedRow();
    const int to = from + delta;
    if (from < 0 || to < 0 || to >= List().GetCount())
        return;
    std::string text;
    if (!List().GetLineText(from, text))
        return;
    List().DeleteString(from);
    List().InsertString(to, text);
    SelectRow(to);
    Tell(WM_MINIWND_MOVE, std::uintptr_t(from), std::intptr_t(to));
}

void CMiniWindowDialog::DeleteSelected() {
    const int row = SelectedRow();
    if (row < 0) {
        window_->MessageBox(platform_.Strings().Load(IDS_SELECT_ITEM_TO_DELETE),
                            platform_.Strings().Load(IDS_APP_TITLE), platform::MsgButtons::Ok,
                            platform::MsgIcon::Information);
        return;
    }
    DeleteRow(row);
    Tell(WM_MINIWND_DELETE, std::uintptr_t(row));
}

void CMiniWindowDialog::Tell(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    platform_.SendToWindow(main_, message, wParam, lParam);
}

} // namespace qv
