// Construction, start-up and shutdown of the main window.
#include "mainwindow/main_dialog.h"
#include "mainwindow/messages.h"
#include "resource.h"
#include <new>

namespace qv {

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

CMainDialog::CMainDialog(platform::IPlatform& platform, std::string dataFolder)
    : platform_(platform), watcher_(platform.Clipboard(), platform.Clock()),
      programName_(platform.Strings().Load(IDS_APP_TITLE)),
      outOfMemoryText_(platform.Strings().Load(IDS_OUT_OF_MEMORY)),
      dataFolder_(std::move(dataFolder)) {
    try {
        placementKeeper_ = std::make_unique<CPlacementKeeper>(platform_.Settings());
        dataFilePath_ = dataFolder_ + programName_ + ".dat";
    } catch (const std::bad_alloc&) {
        platform_.MessageBox(outOfMemoryText_, programName_, MsgButtons::Ok, MsgIcon::Stop);
        outOfMemoryAtStart_ = true;
    }
    settings_.Read(platform_.Settings());
}

CMainDialog::~CMainDialog() = default;

MsgResult CMainDialog::Message(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    return window_->MessageBox(text, programName_, buttons, icon);
}

bool CMainDialog::OnInitDialog(platform::IDialogWindow& window) {
    window_ = &window;
    try {
        status_ = std::make_unique<CStatusTexts>(window, platform_.Strings(), settings_.numbers);
    } catch (const std::bad_alloc&) {
        platform_.MessageBox(outOfMemoryText_, programName_, MsgButtons::Ok, MsgIcon::Stop);
        outOfMemoryAtStart_ = true;
    }
    if (outOfMemoryAtStart_) {
        window_->PostQuit(kExitOutOfMemory);
        return true;
    }
    if (!JoinClipboardChain())
        return true;
    auto& pane = window_->RichEdit(IDC_CONTENTS);
    pane.EnableChangeNotifications();
    BuildSystemMenu();
    window_->SetIcon();
    history_ = std::make_unique<CHistoryListBox>(window_->ListBox(IDC_HISTORY));
    defaultCharFormat_ = pane.GetDefaultCharFormat();
    window_->Button(IDC_WATCH).SetChecked(true);
    window_->Button(IDC_INCLUDE_FORMATTING).SetChecked(true);
    LoadDataFile();
    // The program quits without touching the user's data or settings; the clipboard's text
    // would otherwise become an item and be saved over the newer file.
    if (dataFileState_ == DataFileState::Declined)
        return true;
    dataFileState_ = DataFileState::Read;
    if (settings_.restoreWndPlacement) {
        // Without a complete stored placement (the first run) the window shows as created.
        if (!RestorePlacement(settings_.startMinimized))
            window_->Show(platform::kShowNormal);
    } else {
        window_->CenterOnScreen();
        window_->Show(settings_.startMinimized ? platform::kShowMinimize : platform::kShowNormal);
    }
    LoadSearchTerms();
    if (settings_.showDayTip)
        ShowTipOfTheDay();
    watcher_.SetWatching(true);
    UpdateFromClipboard();
    UpdateSelectedCount();
    UpdateItemCount();
    UpdateCharCount();
    return true;
}

bool CMainDialog::JoinClipboardChain() {
    if (!watcher_.Join(window_->Handle())) {
        window_->MessageBox(programName_ + Text(IDS_NO_CLIPBOARD_SUFFIX),
                            Text(IDS_CAPTION_CLIPBOARD_CONNECTION), MsgButtons::Ok,
                            MsgIcon::Exclamation);
        window_->PostQuit(kExitNoClipboard);
        return false;
    }
    return true;
}

void CMainDialog::LeaveClipboardChain() {
    watcher_.Leave();
}

bool CMainDialog::ConfirmExit() {
    return window_->MessageBox(Text(IDS_CONFIRM_EXIT_PREFIX) + programName_ + "?",
                               Text(IDS_CAPTION_CONFIRM_EXIT), MsgButtons::YesNo,
                               MsgIcon::Question) != MsgResult::No;
}

void CMainDialog::OnClose() {
    if (!window_)
        return;
    if (settings_.confirmExit && !ConfirmExit())
        return;
    window_->EndDialog(kEndCancel);
}

void CMainDialog::AskExit() {
    // Esc always asks, whatever the Confirm Exit setting says.
    if (ConfirmExit())
        window_->EndDialog(kEndOk);
}

void CMainDialog::OnDestroy() {
    if (!window_)
        return;
    if (watcher_.IsJoined())
        LeaveClipboardChain();
    if (saveAtExit_ && watcher_.IsJoined()) {
        SaveDataFile();
        if (history_)
            history_->RemoveAllEntries();
        undoBuffer_.clear();
        parkedMainList_.clear();
        parkedRetainList_.clear();
    }
    if (placementKeeper_) {
        // A window that never showed has no placement of the user's to keep.
        if (dataFileState_ != DataFileState::Declined)
            SavePlacement();
        placementKeeper_.reset();
    }
    if (dataFileState_ != DataFileState::Declined)
        SaveSearchTerms();
    // The list box goes with the window; its records must go first.
    history_.reset();
    window_ = nullptr;
}

void CMainDialog::OnEndSession(bool ending) {
    if (!window_)
        return;
    if (!ending) {
        // The window never left the viewer chain for a cancelled log-off; joining again could
        // make it its own next viewer, so it stays as it is.
        return;
    }
    if (watcher_.IsJoined())
        LeaveClipboardChain();
    if (dataFileState_ == DataFileState::Declined)
        return;
    if (watcher_.IsJoined())
        SaveDataFile();
    if (placementKeeper_)
        SavePlacement();
    SaveSearchTerms();
}

void CMainDialog::SavePlacement() {
    if (placementKeeper_)
        placementKeeper_->SavePlacement(*window_);
}

bool CMainDialog::RestorePlacement(bool startMinimized) {
    return placementKeeper_ && placementKeeper_->RestorePlacement(*window_, startMinimized);
}

void CMainDialog::OnFontChange() {
    if (history_)
        history_->RemeasureAll();
}

} // namespace qv
