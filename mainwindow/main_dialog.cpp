// The main window's parts, start-up, exit and log-off.
#include "mainwindow/main_dialog.h"
#include "mainwindow/exit_codes.h"
#include "mainwindow/main_dialog_parts.h"
#include "mainwindow/main_window_messages.h"
#include "resource.h"
#include "text/fill_marker.h"
#include <new>

namespace qv {

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

CMainDialog::CMainDialog(platform::IPlatform& platform, const std::string& dataFolder)
    : platform_(platform), texts_(ProgramTexts::Load(platform.Strings())),
      dataFilePath_(DataFilePath(dataFolder, texts_.name)), watcher_(platform.Clipboard()),
      placement_(platform.Settings()) {
    settings_.Read(platform_.Settings());
}

CMainDialog::~CMainDialog() = default;

bool CMainDialog::OnInitDialog(platform::IDialogWindow& window) {
    window_ = &window;
    try {
        parts_ = std::make_unique<Parts>(*this, window);
    } catch (const std::bad_alloc&) {
        platform_.MessageBox(texts_.outOfMemory, texts_.name, MsgButtons::Ok, MsgIcon::Stop);
        window.PostQuit(kExitOutOfMemory);
        return true;
    }
    if (!JoinClipboardChain())
        return true;
    window.RichEdit(IDC_CONTENTS).EnableChangeNotifications();
    parts_->systemMenu.Build();
    window.SetIcon();
    window.Button(IDC_WATCH).SetChecked(true);
    window.Button(IDC_INCLUDE_FORMATTING).SetChecked(true);
    // The program quits without touching the user's data or settings; the clipboard's text
    // would otherwise become an item and be saved over the newer file.
    if (parts_->store.Load() == CDataFileStore::State::Declined) {
        window.PostQuit(kExitNewerDataFile);
        return true;
    }
    ShowAtStart();
    platform_.SingleInstance().PublishMainWindow(window.Handle());
    parts_->search.LoadTerms(platform_.Settings());
    if (settings_.showDayTip)
        parts_->help.ShowTip();
    watcher_.SetWatching(true);
    Commit();
    parts_->capture.Update();
    parts_->status.ShowSelectedCount();
    parts_->status.ShowItemCount();
    parts_->status.ShowCharCount();
    return true;
}

bool CMainDialog::JoinClipboardChain() {
    if (watcher_.Join(window_->Handle())) {
        watcher_.SetMissedChangeHandler(
            [this] { platform_.PostToWindow(window_->Handle(), WM_TAKE_MISSED_CHANGE, 0, 0); });
        return true;
    }
    window_->MessageBox(FillMarker(platform_.Strings().Load(IDS_NO_CLIPBOARD), texts_.name),
                        platform_.Strings().Load(IDS_CAPTION_CLIPBOARD_CONNECTION), MsgButtons::Ok,
                        MsgIcon::Exclamation);
    window_->PostQuit(kExitNoClipboard);
    return false;
}

void CMainDialog::ShowAtStart() {
    if (settings_.restoreWndPlacement) {
        // Without a complete stored placement (the first run) the window shows as created.
        if (!placement_.RestorePlacement(*window_, settings_.startMinimized))
            window_->Show(platform::kShowNormal);
    } else {
        window_->CenterOnScreen();
        window_->Show(settings_.startMinimized ? platform::kShowMinimize : platform::kShowNormal);
    }
}

bool CMainDialog::DeclinedDataFile() const {
    return parts_ && parts_->store.GetState() == CDataFileStore::State::Declined;
}

void CMainDialog::SaveState() {
    if (parts_ && watcher_.IsJoined())
        parts_->store.Save();
    // A window that never showed has no placement of the user's to keep.
    if (DeclinedDataFile())
        return;
    placement_.SavePlacement(*window_);
    if (parts_)
        parts_->search.SaveTerms(platform_.Settings());
}

bool CMainDialog::ConfirmExit() {
    const auto& strings = platform_.Strings();
    return window_->MessageBox(FillMarker(strings.Load(IDS_CONFIRM_EXIT), texts_.name),
                               strings.Load(IDS_CAPTION_CONFIRM_EXIT), MsgButtons::YesNo,
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
    watcher_.Leave();
    SaveState();
    // The list box goes with the window; its records must go first.
    parts_.reset();
    window_ = nullptr;
}

void CMainDialog::OnEndSession(bool ending) {
    // A cancelled log-off never took the window out of the viewer chain; joining again could
    // make it its own next viewer, so it stays as it is.
    if (!window_ || !ending)
        return;
    watcher_.Leave();
    SaveState();
}

void CMainDialog::OnFontChange() {
    if (!parts_)
        return;
    parts_->lists.RemeasureAll();
    // The Mini-Window shows the same lines and scrolls as far.
    parts_->miniWindow.ExtentChanged();
}

} // namespace qv
