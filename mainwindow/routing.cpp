// Where each command, menu entry and notice of the window goes.
#include "help/about_dialog.h"
#include "help/tip_dialog.h"
#include "mainwindow/exit_request.h"
#include "mainwindow/main_dialog.h"
#include "mainwindow/main_dialog_parts.h"
#include "mainwindow/mini_window_messages.h"
#include "resource.h"

namespace qv {

using platform::MenuState;

namespace {
constexpr MenuState QVM_ENABLED = MenuState::Enabled;
constexpr MenuState QVM_CHECKED = MenuState::Checked;
constexpr MenuState QVM_GREYED = MenuState::Greyed;
} // namespace

void CMainDialog::BuildSystemMenu() {
    platform::ISystemMenu* menu = window_->SystemMenu();
    if (!menu)
        return;
    menu->EnableByPosition(0, false); // Restore
    menu->RemoveByPosition(2);        // Size
    menu->RemoveByPosition(3);        // Maximize, now at position 3
#define QV_MENU_SEPARATOR() menu->AppendSeparator();
#define QV_MENU_ITEM(command, text, state) menu->AppendItem(command, text, state);
#define QV_MENU_STRING(command, stringId, state)                                                   \
    {                                                                                              \
        const std::string text = platform_.Strings().Load(stringId);                               \
        if (!text.empty())                                                                         \
            menu->AppendItem(command, text, state);                                                \
    }
#include "system_menu.def"
#undef QV_MENU_SEPARATOR
#undef QV_MENU_ITEM
#undef QV_MENU_STRING
}

void CMainDialog::OnCommand(int id, int notifyCode) {
    // Controls still send notices while the window is being destroyed.
    if (!parts_)
        return;
    switch (id) {
    case IDC_UPDATE:
        TakeClipboard();
        break;
    case IDC_CLEAR:
        ClearClipboard();
        break;
    case IDC_RECOPY:
        parts_->search.Commit();
        parts_->capture.CopyPane(true);
        break;
    case IDC_RECALL:
        RecallItem(false);
        break;
    case IDC_WATCH:
        OnWatchSwitched();
        break;
    case IDC_INCLUDE_FORMATTING:
        OnFormattingSwitched();
        break;
    case IDC_HISTORY:
        if (notifyCode == platform::kListDoubleClick)
            RecallItem(false);
        else if (notifyCode == platform::kListSelChange)
            OnHistorySelChange();
        break;
    case IDC_CONTENTS:
        if (notifyCode == platform::kEditChange)
            parts_->status.ShowCharCount();
        break;
    case IDC_PREVIOUS:
        StepItem(-1);
        break;
    case IDC_NEXT:
        StepItem(+1);
        break;
    case IDC_SEARCH:
        parts_->search.OnField(notifyCode);
        break;
    case IDC_BACK:
        StepFound(-1);
        break;
    case IDC_FORWARD:
        StepFound(+1);
        break;
    case IDC_DELETE:
        parts_->commands.Delete();
        break;
    case IDC_SET_MARK:
        parts_->mark.Toggle();
        break;
    case IDC_MERGE:
        parts_->mergeSplit.Merge();
        break;
    case IDC_SPLIT:
        parts_->mergeSplit.Split();
        break;
    case IDC_CHANGE_LIST:
        parts_->commands.ChangeList();
        break;
    case IDC_LAUNCH:
        parts_->launch.Launch();
        break;
    case IDC_FONT:
        parts_->search.Commit();
        parts_->paneFormat.ChooseFont();
        break;
    case IDC_COLOR:
        parts_->search.Commit();
        parts_->paneFormat.ChooseColour();
        break;
    case IDC_OPTIONS:
        parts_->options.Run();
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
    const int line = static_cast<int>(wParam);
    switch (message) {
    case WM_MINIWND_SELECT:
        parts_->lists.SelectOnly(line);
        parts_->capture.Recall(false);
        break;
    case WM_MINIWND_MARK:
        parts_->mark.Toggle();
        break;
    case WM_MINIWND_MOVE:
        parts_->commands.MoveItem(line, static_cast<int>(lParam));
        break;
    case WM_MINIWND_DELETE:
        parts_->commands.DeleteOne(line);
        break;
    case WM_MINIWND_CLOSED:
        parts_->miniWindow.OnClosed();
        break;
    case WM_MINIWND_DISPOSE:
        parts_->miniWindow.DisposeClosed();
        break;
    default:
        break;
    }
}

bool CMainDialog::OnSysCommand(unsigned command) {
    if (!parts_)
        return false;
    switch (command & 0xFFF0u) {
    case IDM_WATCH:
        window_->Button(IDC_WATCH).SetChecked(!watcher_.IsWatching());
        OnWatchSwitched();
        return true;
    case IDM_INCLUDE_FORMATTING:
        window_->Button(IDC_INCLUDE_FORMATTING).SetChecked(!parts_->capture.IncludesFormatting());
        OnFormattingSwitched();
        return true;
    case IDM_REFRESH:
        parts_->capture.Refresh();
        return true;
    case IDM_PREVIOUS:
        StepItem(-1);
        return true;
    case IDM_NEXT:
        StepItem(+1);
        return true;
    case IDM_ABOUT:
        ShowAboutBox();
        return true;
    case IDM_MARK:
        parts_->mark.Toggle();
        return true;
    case IDM_TIP:
        ShowTipOfTheDay();
        return true;
    case IDM_UNDO_DELETE:
        parts_->commands.UndoDelete();
        return true;
    case IDM_MINI_WINDOW:
        parts_->miniWindow.Show();
        return true;
    case IDM_LAUNCH:
        parts_->launch.Launch();
        return true;
    default:
        return false;
    }
}

void CMainDialog::OnDrawClipboard(const platform::ClipboardNotice& notice) {
    // Notices still arrive while the window is being destroyed.
    if (parts_ && watcher_.OnChange(notice))
        TakeClipboard();
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
    } else if (kind == platform::SizeKind::Restored)
        watcher_.SetMinimized(false);
    else
        return;
    if (platform::ISystemMenu* menu = window_->SystemMenu()) {
        menu->EnableByPosition(0, watcher_.IsMinimized());  // Restore
        menu->EnableByPosition(2, !watcher_.IsMinimized()); // Minimize
    }
}

void CMainDialog::TakeClipboard() {
    parts_->search.Commit();
    parts_->capture.Update();
}

void CMainDialog::ClearClipboard() {
    parts_->search.Commit();
    parts_->capture.Clear();
}

void CMainDialog::RecallItem(bool useCaret) {
    parts_->search.Commit();
    // While stepping among found lines the caret line is the one meant.
    parts_->capture.Recall(useCaret || parts_->search.IsStepping());
}

void CMainDialog::StepItem(int delta) {
    parts_->search.Commit();
    if (!parts_->navigation.Step(delta))
        return;
    RecallItem(false);
    parts_->search.EndStepping();
}

void CMainDialog::StepFound(int direction) {
    parts_->search.Commit();
    const int line = parts_->search.MoveToFound(direction);
    if (line < 0)
        return;
    RecallItem(true);
    parts_->search.ShowBackAndForward(line);
}

void CMainDialog::OnHistorySelChange() {
    parts_->search.Commit();
    parts_->navigation.Refresh();
    parts_->search.EndStepping();
    window_->Button(IDC_RECALL).Enable(true);
    auto& list = parts_->lists.List();
    const int selected = list.GetSelCount();
    if (selected > 1)
        window_->Label(IDC_CLIP_TIME).SetText(std::string());
    const int caret = list.GetCaretIndex();
    if (selected == 1 && list.IsSelected(caret) && (caret == 0 || caret == list.GetCount() - 1))
        RecallItem(false);
}

void CMainDialog::OnWatchSwitched() {
    const bool on = window_->Button(IDC_WATCH).IsChecked();
    watcher_.SetWatching(on);
    if (on)
        ClearClipboard();
    else
        parts_->capture.ShowNotWatching();
    if (auto* menu = window_->SystemMenu())
        menu->Check(IDM_WATCH, on);
}

void CMainDialog::OnFormattingSwitched() {
    // The one selected item is shown again in the new form.
    const bool single = parts_->lists.SingleSelection() >= 0;
    parts_->capture.SetIncludeFormatting(window_->Button(IDC_INCLUDE_FORMATTING).IsChecked());
    if (single)
        RecallItem(false);
    if (auto* menu = window_->SystemMenu())
        menu->Check(IDM_INCLUDE_FORMATTING, parts_->capture.IncludesFormatting());
}

void CMainDialog::ShowAboutBox() {
    CAboutDialog about(platform_);
    about.Run(window_->Handle());
}

void CMainDialog::ShowTipOfTheDay() {
    CTipDialog tip(platform_, settings_.showDayTip, settings_.dayTipIndex);
    tip.Run(window_->Handle());
    settings_.showDayTip = tip.ShowAtStartup();
    window_->ListBox(IDC_HISTORY).SetFocus();
    settings_.dayTipIndex = tip.NextTipIndex();
    settings_.Write(platform_.Settings());
}

} // namespace qv
