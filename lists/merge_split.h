// Merge and Split: new unformatted items made from the full texts of selected items, appended at
// the end of the shown list and selected there. The items read stay as they are.
#pragma once
#include "lists/history_lists.h"
#include "window/window_context.h"
#include <string>

namespace qv {

class CMergeSplit {
  public:
    explicit CMergeSplit(const CWindowContext& context)
        : context_(context), lists_(context.lists) {}

    // Joins the selected items, in list order and trimmed, with the separator the Merge Items
    // dialog gives.
    void Merge();
    // Makes an item of each non-blank line of the one selected item.
    void Split();

  private:
    // Adds an unformatted item made from text; the line it ends on after the History Limit, or -1.
    int AddItem(std::string text);
    // The selected items' full text without white space at either end; false when a line has no
    // item.
    bool FullText(int line, std::string& text) const;
    void Warn(int textId);

    const CWindowContext& context_;
    CHistoryLists& lists_;
};

} // namespace qv
