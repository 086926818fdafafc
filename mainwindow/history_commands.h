// Delete, Undo Delete, Change List and moving a line: the commands that take lines out of the
// shown list and put them back.
#pragma once
#include "mainwindow/data_file_store.h"
#include "mainwindow/history_lists.h"
#include "mainwindow/incremental_search.h"
#include "mainwindow/navigation.h"
#include "mainwindow/status_texts.h"
#include "mainwindow/user_messages.h"
#include "platform/services.h"
#include "platform/window.h"
#include <cstdint>

namespace qv {

class CHistoryCommands {
  public:
    // Deletes within two seconds of the window's making are taken for the end of a double click.
    CHistoryCommands(platform::IDialogWindow& window, const platform::IClock& clock,
                     CHistoryLists& lists, CIncrementalSearch& search, CNavigation& navigation,
                     CStatusTexts& status, CDataFileStore& store, CUserMessages& messages)
        : window_(window), clock_(clock), lists_(lists), search_(search), navigation_(navigation),
          status_(status), store_(store), messages_(messages),
          lastDelete_(clock.CalendarSeconds()) {}

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
    // Replays the undo buffer and greys Undo Delete.
    void PutBackKept();
    void SetCanUndo(bool on);
    void ShowCounts();

    platform::IDialogWindow& window_;
    const platform::IClock& clock_;
    CHistoryLists& lists_;
    CIncrementalSearch& search_;
    CNavigation& navigation_;
    CStatusTexts& status_;
    CDataFileStore& store_;
    CUserMessages& messages_;
    std::int64_t lastDelete_;
    bool canUndo_ = false;
};

} // namespace qv
