// Delete, Undo Delete, Change List and moving a line: the commands that take lines out of the
// shown list and put them back.
#pragma once
#include "lists/history_lists.h"
#include "window/window_context.h"
#include <cstdint>

namespace qv {

class CHistoryCommands {
  public:
    // Deletes within two seconds of the window's making are taken for the end of a double click.
    explicit CHistoryCommands(const CWindowContext& context)
        : context_(context), lists_(context.lists),
          lastDelete_(context.platform.Clock().CalendarSeconds()) {}

    // Removes the selected lines and keeps their items for Undo Delete, throwing away what an
    // earlier deletion kept. A Delete less than two seconds after the last one is ignored.
    void Delete();
    // Removes one line (the Mini-Window's Delete), keeping its item for Undo Delete.
    void DeleteOne(int line);
    // Puts the kept items back where they were; nothing while the menu entry is greyed.
    void UndoDelete();
    // Shows the other list, with copies of the selected lines appended to it.
    void ChangeList();
    // Moves a line (the Mini-Window's Move Up and Move Down) and selects it there.
    void MoveItem(int from, int to);

    bool CanUndo() const { return canUndo_; }

  private:
    // Replays the undo buffer and greys Undo Delete (unless the list box refused a line); the
    // caller tells the change. False when a line was refused.
    bool PutBackKept();
    void SetCanUndo(bool on);

    const CWindowContext& context_;
    CHistoryLists& lists_;
    std::int64_t lastDelete_;
    bool canUndo_ = false;
};

} // namespace qv
