// The mark: Set Mark remembers the one selected line, Return to Mark selects and recalls it. Keeps
// the Set Mark button and its menu entry labelled for the state of the mark.
#pragma once
#include "lists/history_lists.h"
#include "window/window_context.h"

namespace qv {

class CMarkPoint : public IHistoryFollower {
  public:
    explicit CMarkPoint(const CWindowContext& context);
    ~CMarkPoint() override { lists_.Followers().Remove(this); }
    CMarkPoint(const CMarkPoint&) = delete;
    CMarkPoint& operator=(const CMarkPoint&) = delete;

    // Set Mark or Return to Mark, as the mark stands. True when the marked line was selected
    // again and is to be recalled.
    bool Toggle();
    // Labels the Set Mark button and its menu entry.
    void MarkChanged(bool set) override;

  private:
    void Set();
    bool Return();

    const CWindowContext& context_;
    CHistoryLists& lists_;
};

} // namespace qv
