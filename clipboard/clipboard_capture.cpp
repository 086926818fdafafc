#include "clipboard/clipboard_capture.h"
#include "history/plain_text.h"
#include "resource.h"
#include "text/utf8_boundaries.h"
#include "window/navigation.h"
#include "window/status_texts.h"
#include "window/user_messages.h"
#include <algorithm>
#include <cstring>
#include <new>

namespace qv {

using platform::IRichEdit;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {
// The title shows this much of the pane's first line.
constexpr long kTitleChars = 54;
} // namespace

CClipboardCapture::CClipboardCapture(const CWindowContext& context, CClipboardWatcher& watcher)
    : context_(context), window_(context.window), clipboard_(context.platform.Clipboard()),
      watcher_(watcher), lists_(context.lists),
      defaultCharFormat_(context.window.RichEdit(IDC_CONTENTS).GetDefaultCharFormat()) {}

void CClipboardCapture::SetTitleSuffix(int suffixId) {
    window_.SetTitle(context_.messages.ProgramName() + context_.messages.Text(suffixId));
}

void CClipboardCapture::ShowEmptyClipboardState(int titleSuffixId) {
    window_.RichEdit(IDC_CONTENTS).SetText(std::string());
    SetTitleSuffix(titleSuffixId);
    lists_.List().SetSel(-1, false);
    window_.Button(IDC_RECALL).Enable(false);
}

void CClipboardCapture::Update() {
    window_.Label(IDC_CLIP_TIME).SetText(std::string());
    std::uint32_t sequence = 0;
    if (!PasteClipboard(sequence)) {
        context_.navigation.Refresh();
        return;
    }
    auto& pane = window_.RichEdit(IDC_CONTENTS);
    AddItem(pane);
    UpdateTitle(pane);
    if (!includeFormatting_) {
        const std::string text = pane.GetPlainText();
        pane.SetText(text);
        // A copy made elsewhere since the read is newer than this text and stays; its own
        // notice brings it in.
        if (clipboard_.SequenceNumber() == sequence) {
            const CClipboardWatcher::OwnWrite write(watcher_);
            window_.CopyPlainText(text, 0, 0);
        }
    }
    window_.Button(IDC_RECALL).Enable(true);
    context_.navigation.Refresh();
}

bool CClipboardCapture::PasteClipboard(std::uint32_t& sequence) {
    // A change between the format checks and the paste could bring a private clip in after the
    // checks: the read counts only when the sequence number held across it.
    constexpr int kAttempts = 3;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        sequence = clipboard_.SequenceNumber();
        // Whatever the contents turn out to be, their notice must not bring them again.
        watcher_.MarkTaken(sequence);
        const int titleId = EmptyStateTitle();
        if (titleId != 0) {
            ShowEmptyClipboardState(titleId);
            return false;
        }
        auto& pane = window_.RichEdit(IDC_CONTENTS);
        pane.SetDefaultCharFormat(defaultCharFormat_);
        pane.SetText(std::string());
        pane.Paste();
        if (clipboard_.SequenceNumber() == sequence)
            return true;
    }
    // The clipboard kept changing under the read; its own notices bring the latest contents.
    ShowEmptyClipboardState(IDS_TITLE_PRIVATE);
    return false;
}

int CClipboardCapture::EmptyStateTitle() {
    if (clipboard_.CountFormats() == 0)
        return IDS_TITLE_EMPTY;
    // Its writer asked that it be kept nowhere: it never reaches the pane or an item.
    if (clipboard_.IsFormatAvailable(platform::ClipFormat::Private))
        return IDS_TITLE_PRIVATE;
    if (clipboard_.IsFormatAvailable(platform::ClipFormat::Text))
        return 0;
    if (clipboard_.IsFormatAvailable(platform::ClipFormat::Bitmap))
        return IDS_TITLE_IMAGE;
    if (clipboard_.IsFormatAvailable(platform::ClipFormat::FileList))
        return IDS_TITLE_FILES;
    return IDS_TITLE_OTHER_FORMAT;
}

bool CClipboardCapture::AddItem(IRichEdit& control) {
    std::unique_ptr<CHistoryItem> item;
    SplitText split;
    try {
        item = std::make_unique<CHistoryItem>(context_.platform.Clock().Now());
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
    window_.Label(IDC_CLIP_TIME).SetText(item->ClipTimeText());
    const int idx = lists_.Append(split.listText, std::move(item));
    if (idx < 0)
        return false;
    lists_.SelectOnly(idx);
    lists_.ApplyHistoryLimit();
    context_.ListsChanged(ListChange::Added);
    return true;
}

void CClipboardCapture::UpdateTitle(IRichEdit& control) {
    if (!watcher_.IsWatching()) {
        SetTitleSuffix(IDS_TITLE_NOT_WATCHING);
        return;
    }
    std::string text = control.GetFirstChars(kTitleChars);
    const bool full = static_cast<long>(text.size()) >= kTitleChars;
    text.resize(CharacterBoundary(text, text.size()));
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    text.erase(0, start == std::string::npos ? text.size() : start);
    const std::size_t lineEnd = text.find_first_of("\r\n");
    if (lineEnd != std::string::npos) {
        text.erase(lineEnd);
        text += context_.messages.Text(IDS_TITLE_ELLIPSIS);
    } else if (full) {
        text += context_.messages.Text(IDS_TITLE_ELLIPSIS);
    }
    window_.SetTitle(text + context_.messages.Text(IDS_TITLE_SEPARATOR) +
                     context_.messages.ProgramName());
}

void CClipboardCapture::ShowNotWatching() {
    auto& pane = window_.RichEdit(IDC_CONTENTS);
    pane.SetText(std::string());
    UpdateTitle(pane);
}

void CClipboardCapture::CopyPane(bool addAsItem) {
    auto& pane = window_.RichEdit(IDC_CONTENTS);
    long start = 0, end = 0;
    pane.GetSel(start, end);
    bool copied = false;
    std::uint32_t ownContents = 0;
    {
        const CClipboardWatcher::OwnWrite write(watcher_);
        if (!includeFormatting_) {
            window_.CopyPlainText(pane.GetPlainText(), start, end);
        } else if (start == end) {
            const platform::RedrawPause frozen(pane);
            pane.SetSel(0, -1);
            pane.Copy();
            pane.SetSel(start, end);
        } else {
            pane.Copy();
            pane.SetSel(0, 0);
        }
        copied = write.Changed();
        ownContents = clipboard_.SequenceNumber();
    }
    // Only the program's own copy becomes an item: when the copy did nothing (an empty pane) the
    // clipboard still holds what another program put there, perhaps a private clip.
    std::unique_ptr<IRichEdit> hidden;
    if (addAsItem && copied && clipboard_.SequenceNumber() == ownContents && EmptyStateTitle() == 0)
        hidden = window_.CreateHiddenRichEdit();
    if (hidden) {
        hidden->Paste();
        AddItem(*hidden);
        UpdateTitle(*hidden);
    } else {
        UpdateTitle(pane);
    }
    context_.status.ShowCharCount();
    context_.status.ShowItemCount();
    lists_.List().SetFocus();
    context_.navigation.Refresh();
}

void CClipboardCapture::Clear() {
    platform::ClipboardSession session(clipboard_, window_.Handle());
    if (!session.IsOpen())
        return;
    if (clipboard_.Empty()) {
        window_.RichEdit(IDC_CONTENTS).SetText(std::string());
        SetTitleSuffix(IDS_TITLE_EMPTY);
        context_.navigation.Refresh();
    }
}

bool CClipboardCapture::Refresh() {
    const CClipboardWatcher::OwnWrite write(watcher_);
    {
        platform::ClipboardSession session(clipboard_, window_.Handle());
        if (!session.IsOpen())
            return false;
        clipboard_.Empty();
    }
    auto& pane = window_.RichEdit(IDC_CONTENTS);
    long start = 0, end = 0;
    pane.GetSel(start, end);
    const platform::RedrawPause frozen(pane);
    pane.SetSel(0, -1);
    pane.Copy();
    pane.SetSel(start, end);
    return true;
}

bool CClipboardCapture::Recall(bool useCaret) {
    auto& list = lists_.List();
    int line = -1;
    if (useCaret) {
        const int caret = list.GetCaretIndex();
        if (list.IsSelected(caret))
            line = caret;
    } else {
        line = lists_.SingleSelection();
    }
    if (line < 0) {
        context_.messages.Show(IDS_SELECT_SINGLE_ITEM, MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    const CHistoryItem* item = lists_.Item(line);
    if (!item) {
        context_.messages.Show(IDS_CANNOT_RETRIEVE, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    window_.Label(IDC_CLIP_TIME).SetText(item->ClipTimeText());
    if (!ShowItem(line, *item)) {
        context_.messages.ShowOutOfMemory();
        return false;
    }
    CopyPane(false);
    // An empty item may leave the pane without a change notice.
    if (window_.RichEdit(IDC_CONTENTS).GetTextLength() == 0)
        context_.status.ShowCharCount();
    return true;
}

bool CClipboardCapture::ShowItem(int line, const CHistoryItem& item) {
    auto& pane = window_.RichEdit(IDC_CONTENTS);
    bool shown = true;
    {
        const platform::RedrawPause frozen(pane);
        pane.SetDefaultCharFormat(defaultCharFormat_);
        try {
            const bool formatted = includeFormatting_ && !item.rtfText.empty();
            std::string plain;
            if (!formatted) {
                std::string listText;
                lists_.List().GetLineText(line, listText);
                plain = JoinPlainText(listText, item.overflowText);
            }
            const std::string& source = formatted ? item.rtfText : plain;
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
            shown = false;
        }
    }
    pane.Repaint();
    return shown;
}

} // namespace qv
