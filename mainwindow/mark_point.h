// The mark: Set Mark remembers the one selected line, Return to Mark selects and recalls it. Keeps
// the Set Mark button and its menu entry labelled for the state of the mark.
#pragma once
#include "mainwindow/clipboard_capture.h"
#include "mainwindow/history_lists.h"
#include "mainwindow/incremental_search.h"
#include "mainwindow/navigation.h"
#include "mainwindow/user_messages.h"
#include "platform/window.h"

namespace qv {

class CMarkPoint : public IHistoryFollower {
  public:
    CMarkPoint(platform::IDialogWindow& window, CHistoryLists& lists, CIncrementalSearch& search,
               CNavigation& navigation, CClipboardCapture& capture, CUserMessages& messages);
    ~CMarkPoint() override { lists_.Followers().Remove(this); }
    CMarkPoint(const CMarkPoint&) = delete;
    CMarkPoint& operator=(const CMarkPoint&) = delete;

    // Set Mark or Return to Mark, as the mark stands.
    void Toggle();
    // Labels the Set Mark button and its menu entry.
    void MarkChanged(bool set) override;

  private:
    void Set();
    void Return();

    platform::IDialogWindow& window_;
    CHistoryLists& lists_;
    CIncrementalSearch& search_;
    CNavigation& navigation_;
    CClipboardCapture& capture_;
    CUserMessages& messages_;
};

} // namespace qv
