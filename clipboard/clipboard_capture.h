// Moves text between the clipboard, the contents pane and the History list: takes the clipboard's
// text as an item, puts an item back, copies the pane, clears and refreshes the clipboard, and
// keeps the window title on what the pane shows.
#pragma once
#include "clipboard/clipboard_watcher.h"
#include "lists/history_lists.h"
#include "window/window_context.h"

namespace qv {

class CClipboardCapture {
  public:
    // Keeps the pane's character format as the window made it, for every paste and recall.
    CClipboardCapture(const CWindowContext& context, CClipboardWatcher& watcher);

    // Shows the clipboard's contents: text is pasted into the pane and appended to the History
    // as the only selected line; other contents empty the pane and say in the title what they
    // are.
    void Update();
    // Copies the pane (its selection, when it has one) to the clipboard; with addAsItem the copy
    // also becomes an item.
    void CopyPane(bool addAsItem);
    // Empties the clipboard and the pane; nothing happens while another program holds the
    // clipboard.
    void Clear();
    // Puts the pane's whole contents on the clipboard again; false when it cannot be opened.
    bool Refresh();
    // Shows an item in the pane and copies it to the clipboard: the caret line with useCaret,
    // else the one selected line. False after a message when there is no such line or it cannot
    // be shown.
    bool Recall(bool useCaret);
    // Empties the pane and says in the title that the clipboard is not watched.
    void ShowNotWatching();
    // Makes an item of the control's contents (clip time now) and appends it to the History as
    // the only selected line; false when it finds no line or memory runs out.
    bool AddItem(platform::IRichEdit& control);

    // Without formatting the clipboard and the pane get plain text; items keep their RTF.
    void SetIncludeFormatting(bool on) { includeFormatting_ = on; }
    bool IncludesFormatting() const { return includeFormatting_; }

  private:
    void UpdateTitle(platform::IRichEdit& control);
    void SetTitleSuffix(int suffixId);
    void ShowEmptyClipboardState(int titleSuffixId);
    // Pastes the clipboard's text into the pane; false after showing what else it holds.
    // sequence: the clipboard's sequence number that the read saw.
    bool PasteClipboard(std::uint32_t& sequence);
    // The title of what the clipboard holds when that is no text to take; 0 for text.
    int EmptyStateTitle();
    // Streams the item's text into the pane, formatted or plain; false when memory ran out.
    bool ShowItem(int line, const CHistoryItem& item);

    const CWindowContext& context_;
    platform::IDialogWindow& window_;
    platform::IClipboard& clipboard_;
    CClipboardWatcher& watcher_;
    CHistoryLists& lists_;
    platform::CharFormat defaultCharFormat_;
    bool includeFormatting_ = true;
};

} // namespace qv
