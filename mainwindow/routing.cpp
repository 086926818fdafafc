// The window's system menu, and where each command and notification goes.
#include "help/about_dialog.h"
#include "mainwindow/main_dialog.h"
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
    if (!window_)
        return;
    switch (id) {
    case IDC_UPDATE:
        UpdateFromClipboard();
        break;
    case IDC_CLEAR:
        ClearClipboard();
        break;
    case IDC_RECOPY:
        CommitSearchTerm();
        CopyToClipboard(true);
        break;
    case IDC_RECALL:
        Recall(false);
        break;
    case IDC_WATCH:
        SetWatching();
        break;
    case IDC_INCLUDE_FORMATTING:
        SetIncludeFormatting();
        break;
    case IDC_HISTORY:
        if (notifyCode == platform::kListDoubleClick)
            Recall(false);
        else if (notifyCode == platform::kListSelChange)
            OnHistorySelChange();
        break;
    case IDC_CONTENTS:
        if (notifyCode == platform::kEditChange)
            UpdateCharCount();
        break;
    case IDC_PREVIOUS:
        Step(-1);
        break;
    case IDC_NEXT:
        Step(1);
        break;
    case IDC_SEARCH:
        OnSearchField(notifyCode);
        break;
    case IDC_BACK:
        StepFound(-1);
        break;
    case IDC_FORWARD:
        StepFound(+1);
        break;
    case IDC_DELETE:
    case IDC_FONT:
    case IDC_COLOR:
    case IDC_SET_MARK:
    case IDC_OPTIONS:
    case IDC_LAUNCH:
    case IDC_MERGE:
    case IDC_SPLIT:
    case IDC_CHANGE_LIST:
        // Commands whose features are still to come commit the search term all the same.
        CommitSearchTerm();
        break;
    case IDM_EXIT_ASK:
        AskExit();
        break;
    default:
        break;
    }
}

bool CMainDialog::OnSysCommand(unsigned command) {
    if (!window_)
        return false;
    switch (command & 0xFFF0u) {
    case IDM_WATCH:
        window_->Button(IDC_WATCH).SetChecked(!watcher_.IsWatching());
        SetWatching();
        return true;
    case IDM_INCLUDE_FORMATTING:
        window_->Button(IDC_INCLUDE_FORMATTING).SetChecked(!includeFormatting_);
        SetIncludeFormatting();
        return true;
    case IDM_REFRESH:
        RefreshClipboard();
        return true;
    case IDM_PREVIOUS:
        Step(-1);
        return true;
    case IDM_NEXT:
        Step(1);
        return true;
    case IDM_ABOUT:
        ShowAboutBox();
        return true;
    case IDM_MARK:
    case IDM_TIP:
    case IDM_UNDO_DELETE:
    case IDM_MINI_WINDOW:
    case IDM_LAUNCH:
        // The program's own entries; their features are not part of this window yet.
        return true;
    default:
        return false;
    }
}

void CMainDialog::ShowAboutBox() {
    CAboutDialog about(platform_);
    about.Run(window_->Handle());
}

void CMainDialog::OnSize(platform::SizeKind kind) {
    if (!window_)
        return;
    if (kind == platform::SizeKind::Minimized)
        minimized_ = true;
    else if (kind == platform::SizeKind::Restored)
        minimized_ = false;
    else
        return;
    // A window activated while minimized becomes the foreground window when it is restored.
    watcher_.SetMinimized(minimized_);
    if (platform::ISystemMenu* menu = window_->SystemMenu()) {
        menu->EnableByPosition(0, minimized_);
        menu->EnableByPosition(2, !minimized_);
    }
}

void CMainDialog::OnHistorySelChange() {
    CommitSearchTerm();
    NavigationRefresh();
    window_->Button(IDC_BACK).Enable(false);
    window_->Button(IDC_FORWARD).Enable(false);
    window_->Button(IDC_RECALL).Enable(true);
    searchStepping_ = false;
    auto& list = window_->ListBox(IDC_HISTORY);
    const int selected = list.GetSelCount();
    if (selected > 1)
        window_->Label(IDC_CLIP_TIME).SetText(std::string());
    const int caret = list.GetCaretIndex();
    if (selected == 1 && list.IsSelected(caret) && (caret == 0 || caret == list.GetCount() - 1))
        Recall(false);
}

} // namespace qv
