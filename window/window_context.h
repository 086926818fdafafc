// What every collaborator of the main window is given: the platform, the window and its settings,
// the lists and the search over them, and the window's shared small parts. The context names them
// only; the main window makes them, in the order their constructors need.
#pragma once
#include "platform/platform.h"

namespace qv {

struct CSettings;
class CHistoryLists;
class CIncrementalSearch;
class CNavigation;
class CStatusTexts;
class CDataFileStore;
class CUserMessages;

// What changed in the lists; every change passes through IListsChanged::ListsChanged once.
enum class ListChange {
    Added,               // a capture, Re-Copy, Merge or Split
    Deleted,             // Delete (also with nothing selected: the kept items are dropped)
    Restored,            // Undo Delete
    Swapped,             // Change List
    DeletedByMiniWindow, // the Mini-Window's Delete
    MovedByMiniWindow,   // the Mini-Window's Move Up and Move Down
    ShownAgain,          // nothing changed, but the lines were shown anew (a failed Change List)
};

// The Mini-Window's own edits and a list shown anew do not count towards the Change Limit.
inline bool CountsAsChange(ListChange change) {
    return change != ListChange::DeletedByMiniWindow && change != ListChange::MovedByMiniWindow &&
           change != ListChange::ShownAgain;
}

class IListsChanged {
  public:
    virtual ~IListsChanged() = default;
    // The tail of every change: Previous and Next, the counts, and the change counter.
    virtual void ListsChanged(ListChange change) = 0;
};

struct CWindowContext {
    platform::IPlatform& platform;
    platform::IDialogWindow& window;
    CSettings& settings;
    CHistoryLists& lists;
    CIncrementalSearch& search;
    CNavigation& navigation;
    CStatusTexts& status;
    CDataFileStore& store;
    CUserMessages& messages;
    IListsChanged& changes;

    void ListsChanged(ListChange change) const { changes.ListsChanged(change); }
};

} // namespace qv
