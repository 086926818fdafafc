// What the main window does when the selection changes, when an item is recalled or stepped to,
// and when Watch for Changes or Include Formatting is switched. The router commits the search
// term before it calls any of these that read the lists.
#pragma once
#include "clipboard/clipboard_capture.h"
#include "clipboard/clipboard_watcher.h"
#include "mainwindow/incremental_search.h"
#include "window/window_context.h"

namespace qv {

class CSelectionRules {
  public:
    CSelectionRules(const CWindowContext& context, CClipboardCapture& capture,
                    CIncrementalSearch& search, CClipboardWatcher& watcher)
        : context_(context), capture_(capture), search_(search), watcher_(watcher) {}

    // Recall: the caret line while stepping among found lines (or with useCaret), else the one
    // selected line.
    void Recall(bool useCaret);
    // Previous (-1) and Next (+1): the neighbour of the caret line, recalled.
    void Step(int delta);
    // Back (-1) and Forward (+1) among the found lines, recalled.
    void StepFound(int direction);
    // The user changed the History selection: a single line at either end is recalled.
    void SelectionChanged();
    // The Watch for Changes box was switched: on clears the clipboard, off says so in the title.
    void WatchSwitched();
    // The Include Formatting box was switched: the one selected item is shown again that way.
    void FormattingSwitched();

  private:
    const CWindowContext& context_;
    CClipboardCapture& capture_;
    CIncrementalSearch& search_;
    CClipboardWatcher& watcher_;
};

} // namespace qv
