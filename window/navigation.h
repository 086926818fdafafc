// Previous and Next: stepping the selection from the caret line, and the navigation refresh that
// keeps their buttons, their menu entries and the selected count current.
#pragma once
#include "platform/window.h"
#include "window/history_follower.h"
#include "window/status_texts.h"

namespace qv {

class CNavigation {
  public:
    CNavigation(platform::IDialogWindow& window, const platform::IStringResources& strings,
                CStatusTexts& status)
        : window_(window), strings_(strings), status_(status) {}

    // Runs after every change of the selection or of the lines: Previous and Next are available
    // from a selected caret line that has a neighbour, their menu entries preview the
    // neighbours, Recall becomes available on a selected caret line, and the selected count is
    // shown.
    void Refresh();
    // Moves the caret by delta (-1 Previous, +1 Next) and makes that line the only selected one.
    // False, with nothing changed, when the caret line is not selected or has no such neighbour.
    bool Step(int delta);
    // Told of the caret line at every refresh.
    void SetFollower(IHistoryFollower* follower) { follower_ = follower; }

  private:
    void UpdateMenuEntry(bool previous, bool hasNeighbour, int position);

    platform::IDialogWindow& window_;
    const platform::IStringResources& strings_;
    CStatusTexts& status_;
    IHistoryFollower* follower_ = nullptr;
};

} // namespace qv
