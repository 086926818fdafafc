// Where each command, menu entry and notice of the window goes. The rule for the search term:
// the router commits it, before it hands over any command that reads or changes the lists (the
// ones the search-term list names); collaborators never commit.
#include "mainwindow/exit_request.h"
#include "mainwindow/main_dialog.h"
#include "mainwindow/main_dialog_parts.h"
#include "mainwindow/main_window_messages.h"
#include "miniwindow/mini_window_messages.h"
#include "resource.h"

namespace qv {

void CMainDialog::Commit() {
    parts_->search.Commit();
}

void CMainDialog::OnCommand(int id, int notifyCode) {
    // Controls still send notices while the window is being destroyed.
    if (!parts_)
        return;
    Parts& p = *parts_;
    switch (id) {
    case IDC_UPDATE:
        Commit();
        p.capture.Update();
        break;
    case IDC_CLEAR:
        Commit();
        p.capture.Clear();
        break;
    case IDC_RECOPY:
        Commit();
        p.capture.CopyPane(true);
        break;
    case IDC_RECALL:
        Commit();
        p.selection.Recall(false);
        break;
    case IDC_WATCH:
        SwitchWatching();
        break;
    case IDC_INCLUDE_FORMATTING:
        SwitchFormatting();
        break;
    case IDC_HISTORY:
        if (notifyCode == platform::kListDoubleClick) {
            Commit();
            p.selection.Recall(false);
        } else if (notifyCode == platform::kListSelChange) {
            Commit();
            p.selection.SelectionChanged();
        }
        break;
    case IDC_CONTENTS:
        if (notifyCode == platform::kEditChange)
            p.status.ShowCharCount();
        break;
    case IDC_PREVIOUS:
    case IDC_NEXT:
        Commit();
        p.selection.Step(id == IDC_PREVIOUS ? -1 : +1);
        break;
    case IDC_SEARCH:
        p.search.OnField(notifyCode);
        break;
    case IDC_BACK:
    case IDC_FORWARD:
        Commit();
        p.selection.StepFound(id == IDC_BACK ? -1 : +1);
        break;
    case IDC_DELETE:
        Commit();
        p.commands.Delete();
        break;
    case IDC_SET_MARK:
        ToggleMark();
        break;
    case IDC_MERGE:
        Commit();
        p.mergeSplit.Merge();
        break;
    case IDC_SPLIT:
        Commit();
        p.mergeSplit.Split();
        break;
    case IDC_CHANGE_LIST:
        Commit();
        p.commands.ChangeList();
        break;
    case IDC_LAUNCH:
        Commit();
        p.launch.Launch();
        break;
    case IDC_FONT:
        Commit();
        p.paneFormat.ChooseFont();
        break;
    case IDC_COLOR:
        Commit();
        p.paneFormat.ChooseColour();
        break;
    case IDC_OPTIONS:
        Commit();
        p.options.Run();
        break;
    case IDM_EXIT_ASK:
        AskExit();
        break;
    default:
        break;
    }
}

void CMainDialog::OnPosted(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == WM_EXIT_REQUEST) {
        // Even a window that never finished starting goes, so the installer is not held up.
        if (window_)
            window_->EndDialog(kEndCancel);
        return;
    }
    if (!parts_)
        return;
    Parts& p = *parts_;
    const int line = static_cast<int>(wParam);
    switch (message) {
    case WM_MINIWND_SELECT:
        Commit();
        p.lists.SelectOnly(line);
        p.capture.Recall(false);
        break;
    case WM_MINIWND_MARK:
        ToggleMark();
        break;
    case WM_MINIWND_MOVE:
        p.commands.MoveItem(line, static_cast<int>(lParam));
        break;
    case WM_MINIWND_DELETE:
        Commit();
        p.commands.DeleteOne(line);
        break;
    case WM_MINIWND_CLOSED:
        p.miniWindow.OnClosed();
        break;
    case WM_MINIWND_DISPOSE:
        p.miniWindow.DisposeClosed();
        break;
    case WM_TAKE_MISSED_CHANGE:
        if (watcher_.HasChangeToTake()) {
            Commit();
            p.capture.Update();
        }
        break;
    default:
        break;
    }
}

bool CMainDialog::OnSysCommand(unsigned command) {
    if (!parts_)
        return false;
    Parts& p = *parts_;
    switch (command & 0xFFF0u) {
    case IDM_WATCH:
        window_->Button(IDC_WATCH).SetChecked(!watcher_.IsWatching());
        SwitchWatching();
        return true;
    case IDM_INCLUDE_FORMATTING:
        window_->Button(IDC_INCLUDE_FORMATTING).SetChecked(!p.capture.IncludesFormatting());
        SwitchFormatting();
        return true;
    case IDM_REFRESH:
        p.capture.Refresh();
        return true;
    case IDM_PREVIOUS:
    case IDM_NEXT:
        Commit();
        p.selection.Step((command & 0xFFF0u) == IDM_PREVIOUS ? -1 : +1);
        return true;
    case IDM_ABOUT:
        p.help.ShowAbout();
        return true;
    case IDM_MARK:
        ToggleMark();
        return true;
    case IDM_TIP:
        p.help.ShowTip();
        return true;
    case IDM_UNDO_DELETE:
        p.commands.UndoDelete();
        return true;
    case IDM_MINI_WINDOW:
        p.miniWindow.Show();
        return true;
    case IDM_LAUNCH:
        Commit();
        p.launch.Launch();
        return true;
    default:
        return false;
    }
}

void CMainDialog::OnDrawClipboard(const platform::ClipboardNotice& notice) {
    // Notices still arrive while the window is being destroyed.
    if (parts_ && watcher_.OnChange(notice)) {
        Commit();
        parts_->capture.Update();
    }
}

void CMainDialog::OnChangeCbChain(platform::WindowRef removed, platform::WindowRef after) {
    watcher_.OnChainChange(removed, after);
}

void CMainDialog::OnActivate(bool active) {
    watcher_.SetActive(active);
}

void CMainDialog::OnSize(platform::SizeKind kind) {
    if (!window_)
        return;
    // A window activated while minimized becomes the foreground window when it is restored.
    if (kind == platform::SizeKind::Minimized) {
        watcher_.SetMinimized(true);
        if (parts_)
            parts_->miniWindow.ShowRestored();
    } else if (kind == platform::SizeKind::Restored) {
        watcher_.SetMinimized(false);
    } else {
        return;
    }
    if (parts_)
        parts_->systemMenu.ShowMinimized(watcher_.IsMinimized());
}

void CMainDialog::ToggleMark() {
    Commit();
    if (parts_->mark.Toggle())
        parts_->capture.Recall(false);
}

void CMainDialog::SwitchWatching() {
    // Switched on, it clears the clipboard, and Clear commits.
    if (window_->Button(IDC_WATCH).IsChecked())
        Commit();
    parts_->selection.WatchSwitched();
}

void CMainDialog::SwitchFormatting() {
    // With one line selected the item is recalled in the new form, and Recall commits.
    if (parts_->lists.SingleSelection() >= 0)
        Commit();
    parts_->selection.FormattingSwitched();
}

} // namespace qv
