// Watching the clipboard, capturing its text as History items, and putting items back.
#include "history/plain_text.h"
#include "mainwindow/main_dialog.h"
#include "mainwindow/messages.h"
#include "resource.h"
#include <algorithm>
#include <cstring>
#include <new>

namespace qv {

using platform::IRichEdit;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {
constexpr long kTitleChars = 54;
} // namespace

void CMainDialog::OnDrawClipboard(const platform::ClipboardNotice& notice) {
    // Notices still arrive while the window is being destroyed.
    if (!window_)
        return;
    if (watcher_.OnChange(notice))
        UpdateFromClipboard();
}

void CMainDialog::OnChangeCbChain(platform::WindowRef removed, platform::WindowRef after) {
    watcher_.OnChainChange(removed, after);
}

void CMainDialog::OnActivate(bool active) {
    watcher_.SetActive(active);
}

void CMainDialog::SetTitleSuffix(const std::string& suffix) {
    window_->SetTitle(programName_ + suffix);
}

void CMainDialog::ShowEmptyClipboardState(const std::string& titleSuffix) {
    window_->RichEdit(IDC_CONTENTS).SetText(std::string());
    SetTitleSuffix(titleSuffix);
    window_->ListBox(IDC_HISTORY).SetSel(-1, false);
    window_->Button(IDC_RECALL).Enable(false);
}

void CMainDialog::UpdateFromClipboard() {
    CommitSearchTerm();
    window_->Label(IDC_CLIP_TIME).SetText(std::string());
    auto& clipboard = platform_.Clipboard();
    auto& pane = window_->RichEdit(IDC_CONTENTS);
    if (clipboard.CountFormats() == 0) {
        ShowEmptyClipboardState(Text(IDS_TITLE_EMPTY));
    } else if (clipboard.IsFormatAvailable(platform::ClipFormat::Text)) {
        pane.SetDefaultCharFormat(defaultCharFormat_);
        pane.SetText(std::string());
        pane.Paste();
        watcher_.StampOwnWrite();
        AddCapturedItem(pane);
        UpdateTitle(pane);
        UpdateItemCount();
        if (!includeFormatting_) {
            const std::string text = pane.GetPlainText();
            pane.SetText(text);
            const CClipboardWatcher::OwnWrite write(watcher_);
            window_->CopyPlainText(text, 0, 0);
        }
        window_->Button(IDC_RECALL).Enable(true);
    } else if (clipboard.IsFormatAvailable(platform::ClipFormat::Bitmap)) {
        ShowEmptyClipboardState(Text(IDS_TITLE_IMAGE));
    } else if (clipboard.IsFormatAvailable(platform::ClipFormat::FileList)) {
        ShowEmptyClipboardState(Text(IDS_TITLE_FILES));
    } else {
        ShowEmptyClipboardState(Text(IDS_TITLE_OTHER_FORMAT));
    }
    NavigationRefresh();
}

bool CMainDialog::AddCapturedItem(IRichEdit& control) {
    std::unique_ptr<CHistoryItem> item;
    SplitText split;
    try {
        item = std::make_unique<CHistoryItem>(platform_.Clock().Now());
        std::string& rtf = item->rtfText;
        // RTF runs a little longer than its text; reserving avoids regrowing a large capture.
        const long length = std::max(control.GetTextLength(), 0L);
        rtf.reserve(static_cast<std::size_t>(length) + static_cast<std::size_t>(length) / 8 + 4096);
        control.StreamOut(platform::StreamFormat::Rtf, [&rtf](const char* data, long length) {
            if (length > 0)
                rtf.append(data, static_cast<std::size_t>(length));
        });
        split = SplitPlainText(control.GetPlainText());
        item->overflowText = std::move(split.overflowText);
    } catch (const std::bad_alloc&) {
        return false;
    }
    window_->Label(IDC_CLIP_TIME).SetText(item->ClipTimeText());
    const int idx = AppendToHistory(split.listText, std::move(item));
    if (idx < 0)
        return false;
    auto& list = window_->ListBox(IDC_HISTORY);
    list.SetCaretIndex(idx);
    list.SetSel(-1, false);
    list.SetSel(idx, true);
    NavigationRefresh();
    ApplyHistoryLimit();
    CountChange();
    return true;
}

void CMainDialog::CountChange() {
    ++changeCounter_;
    if (changeCounter_ >= settings_.changeLimit)
        SaveDataFile();
}

void CMainDialog::UpdateTitle(IRichEdit& control) {
    if (!watcher_.IsWatching()) {
        SetTitleSuffix(Text(IDS_TITLE_NOT_WATCHING));
        return;
    }
    std::string text = control.GetFirstChars(kTitleChars);
    const bool full = static_cast<long>(text.size()) >= kTitleChars;
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    text.erase(0, start == std::string::npos ? text.size() : start);
    const std::size_t lineEnd = text.find_first_of("\r\n");
    if (lineEnd != std::string::npos) {
        text.erase(lineEnd);
        text += "...";
    } else if (full) {
        text += "...";
    }
    window_->SetTitle(text + " - " + programName_);
}

void CMainDialog::CopyToClipboard(bool addAsItem) {
    auto& pane = window_->RichEdit(IDC_CONTENTS);
    long start = 0, end = 0;
    pane.GetSel(start, end);
    {
        const CClipboardWatcher::OwnWrite write(watcher_);
        if (!includeFormatting_) {
            window_->CopyPlainText(pane.GetPlainText(), start, end);
        } else if (start == end) {
            const platform::RedrawPause frozen(pane);
            pane.SetSel(0, -1);
            pane.Copy();
            pane.SetSel(start, end);
        } else {
            pane.Copy();
            pane.SetSel(0, 0);
        }
    }
    std::unique_ptr<IRichEdit> hidden;
    if (addAsItem && platform_.Clipboard().IsFormatAvailable(platform::ClipFormat::Text))
        hidden = window_->CreateHiddenRichEdit();
    if (hidden) {
        hidden->Paste();
        AddCapturedItem(*hidden);
        UpdateTitle(*hidden);
    } else {
        UpdateTitle(pane);
    }
    UpdateCharCount();
    UpdateItemCount();
    window_->ListBox(IDC_HISTORY).SetFocus();
    NavigationRefresh();
}

void CMainDialog::ClearClipboard() {
    CommitSearchTerm();
    auto& clipboard = platform_.Clipboard();
    platform::ClipboardSession session(clipboard, window_->Handle());
    if (!session.IsOpen())
        return;
    if (clipboard.Empty()) {
        window_->RichEdit(IDC_CONTENTS).SetText(std::string());
        SetTitleSuffix(Text(IDS_TITLE_EMPTY));
        NavigationRefresh();
    }
}

bool CMainDialog::RefreshClipboard() {
    auto& clipboard = platform_.Clipboard();
    const CClipboardWatcher::OwnWrite write(watcher_);
    {
        platform::ClipboardSession session(clipboard, window_->Handle());
        if (!session.IsOpen())
            return false;
        clipboard.Empty();
    }
    auto& pane = window_->RichEdit(IDC_CONTENTS);
    long start = 0, end = 0;
    pane.GetSel(start, end);
    const platform::RedrawPause frozen(pane);
    pane.SetSel(0, -1);
    pane.Copy();
    pane.SetSel(start, end);
    return true;
}

bool CMainDialog::Recall(bool useCaret) {
    CommitSearchTerm();
    auto& list = window_->ListBox(IDC_HISTORY);
    int line = -1;
    if (useCaret || searchStepping_) {
        const int caret = list.GetCaretIndex();
        if (list.IsSelected(caret))
            line = caret;
    } else {
        line = GetSingleSelection();
    }
    if (line < 0) {
        Message(Text(IDS_SELECT_SINGLE_ITEM), MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    auto* item = dynamic_cast<CHistoryItem*>(history_->GetEntry(line));
    if (!item) {
        Message(Text(IDS_CANNOT_RETRIEVE), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    window_->Label(IDC_CLIP_TIME).SetText(item->ClipTimeText());
    auto& pane = window_->RichEdit(IDC_CONTENTS);
    bool outOfMemory = false;
    {
        const platform::RedrawPause frozen(pane);
        pane.SetDefaultCharFormat(defaultCharFormat_);
        try {
            const bool formatted = includeFormatting_ && !item->rtfText.empty();
            std::string plain;
            if (!formatted) {
                std::string listText;
                list.GetLineText(line, listText);
                plain = JoinPlainText(listText, item->overflowText);
            }
            const std::string& source = formatted ? item->rtfText : plain;
            std::size_t offset = 0;
            pane.StreamIn(formatted ? platform::StreamFormat::Rtf : platform::StreamFormat::Text,
                          [&source, &offset](char* buf, long capacity) -> long {
                              const std::size_t n = std::min(source.size() - offset,
                                                             static_cast<std::size_t>(capacity));
                              std::memcpy(buf, source.data() + offset, n);
                              offset += n;
                              return static_cast<long>(n);
                          });
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        }
    }
    pane.Repaint();
    if (outOfMemory) {
        Message(outOfMemoryText_, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    CopyToClipboard(false);
    if (pane.GetTextLength() == 0)
        window_->Label(IDC_CHAR_COUNT).SetText("0" + Text(IDS_CHARACTERS));
    return true;
}

void CMainDialog::SetWatching() {
    watcher_.SetWatching(window_->Button(IDC_WATCH).IsChecked());
    if (watcher_.IsWatching()) {
        ClearClipboard();
    } else {
        auto& pane = window_->RichEdit(IDC_CONTENTS);
        pane.SetText(std::string());
        UpdateTitle(pane);
    }
    if (auto* menu = window_->SystemMenu())
        menu->Check(IDM_WATCH, watcher_.IsWatching());
}

void CMainDialog::SetIncludeFormatting() {
    const bool single = GetSingleSelection() >= 0;
    includeFormatting_ = window_->Button(IDC_INCLUDE_FORMATTING).IsChecked();
    if (single)
        Recall(false);
    if (auto* menu = window_->SystemMenu())
        menu->Check(IDM_INCLUDE_FORMATTING, includeFormatting_);
}

} // namespace qv
