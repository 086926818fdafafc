// The main window's side of the Mini-Window: opens it, keeps its list, selection and mark label in
// step with the History list (as a follower of the lists), rebuilds it in place and closes it.
#pragma once
#include "lists/history_lists.h"
#include "miniwindow/mini_window_dialog.h"
#include "window/window_context.h"
#include <memory>
#include <vector>

namespace qv {

class CMiniWindowKeeper : public IHistoryFollower {
  public:
    explicit CMiniWindowKeeper(const CWindowContext& context);
    ~CMiniWindowKeeper() override;
    CMiniWindowKeeper(const CMiniWindowKeeper&) = delete;
    CMiniWindowKeeper& operator=(const CMiniWindowKeeper&) = delete;

    bool IsOpen() const { return open_ != nullptr; }
    // Ctrl+M: opens it, or shows an open one restored and gives it the focus.
    void Show();
    // The main window was minimized: an open Mini-Window comes back into view.
    void ShowRestored();
    // It was closed (Esc or its close box): hidden at once, destroyed when the posted
    // WM_MINIWND_DISPOSE arrives and none of its own handlers runs any more.
    void OnClosed();
    void DisposeClosed();

    void LineAppended(const std::string& listText, int extent) override;
    void LineRemoved(int line) override;
    void AllRemoved() override;
    void CaretLineChanged(int line) override;
    // Rebuilt at the same place.
    void ListReplaced() override;
    void MarkChanged(bool set) override;
    // The History list was measured anew (a new font or resolution): the rows scroll as far.
    void ExtentChanged();

  private:
    struct Open {
        CMiniWindowDialog events;
        std::unique_ptr<platform::IModelessWindow> window;
        Open(platform::IPlatform& platform, platform::WindowRef main) : events(platform, main) {}
    };

    // Makes a new one with a row for each line, shown at the placement when given, else centred;
    // false when it could not be made.
    bool Create(const platform::Placement* placement = nullptr);
    // Selects the row of the caret line when it is selected, else the last row.
    void SelectCaretRow();

    const CWindowContext& context_;
    platform::IPlatform& platform_;
    platform::IDialogWindow& main_;
    CHistoryLists& lists_;
    std::unique_ptr<Open> open_;
    // Closed ones wait here until their handlers have returned: a message box inside one of
    // them can see it closed, and rebuilt, more than once.
    std::vector<std::unique_ptr<Open>> closed_;
};

} // namespace qv
