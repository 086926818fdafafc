// The Rich Edit 1.0 control ("RICHEDIT" of riched32.dll) as the program's rich-text pane.
#pragma once
#include "win32_controls.h"
#include "win32_handles.h"
#include "win32_rich_edit_renewal.h"
#include <memory>

namespace qv::platform::win32 {

class RichEditView : public ControlView<IRichEdit> {
  public:
    // A renewable pane may be replaced by a new control when it is emptied of a long text (see
    // win32_rich_edit_renewal.h); a control whose window something else holds may not.
    explicit RichEditView(HWND window, bool renewable = false);
    // Sets plain text: a text that happens to start like an RTF document stays plain text.
    void SetText(const std::string& text) override;
    bool Paste() override;
    // The selection as RTF and Unicode text; false when nothing is selected or the clipboard
    // cannot be opened.
    bool Copy() override;
    // Positions count characters of the text; (0, -1) selects all of it.
    long GetTextLength() const override;
    std::string GetPlainText() const override;
    std::string GetFirstChars(long n) const override;
    void GetSel(long& start, long& end) const override;
    void SetSel(long start, long end) override;
    // An exception thrown by the callback stops the transfer and is rethrown to the caller.
    bool StreamOut(StreamFormat format, const ChunkSink& sink) override;
    bool StreamIn(StreamFormat format, const ChunkSource& source) override;
    CharFormat GetDefaultCharFormat() const override;
    void SetDefaultCharFormat(const CharFormat& format) override;
    CharFormat GetSelectionCharFormat() const override;
    void SetSelectionCharFormat(const CharFormat& format) override;
    void Repaint() override;
    void EnableChangeNotifications() override;

  private:
    // Called before the whole text is replaced.
    void DropLongText();

    RichEditOrigin origin_;
    bool renewable_;
};

// Lifts the control's text limit (32,767 characters by default) so that large captures fit.
void RaiseTextLimit(HWND richEdit);

// A hidden multi-line rich edit child of parent in parent's font; null when it cannot be made.
std::unique_ptr<IRichEdit> CreateHiddenRichEdit(HWND parent);

// Copies text[start, end) (all of it when start == end) to the clipboard as plain text only,
// through a hidden multi-line edit child of parent that is destroyed afterwards.
bool CopyPlainText(HWND parent, const std::string& text, long start, long end);

} // namespace qv::platform::win32
