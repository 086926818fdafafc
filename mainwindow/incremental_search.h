// The Search field: a search run on every edit that selects the matching lines, Back and Forward
// among the found lines, and the remembered search terms.
#pragma once
#include "lists/history_lists.h"
#include "search/search_terms.h"
#include "window/window_context.h"

namespace qv {

class CIncrementalSearch {
  public:
    explicit CIncrementalSearch(const CWindowContext& context)
        : window_(context.window), lists_(context.lists), navigation_(context.navigation),
          settings_(context.settings), codePage_(context.platform.CodePage()),
          messages_(context.messages) {}

    // A notice of the Search field: an edit runs the search and makes Recall available, opening
    // the drop-down commits the term, picking an entry runs the search for it.
    void OnField(int notifyCode);
    // Remembers the field's text as a term (trimmed, once); the field keeps what it shows.
    void Commit();
    // Selects exactly the lines that match the field and puts the caret on the first or last.
    void Run();

    // Back (-1) and Forward (+1): puts the caret on the nearest found line that way. The line,
    // or -1 with nothing changed when the caret line is not found or has no such neighbour.
    int MoveToFound(int direction);
    // Back and Forward as the found lines around position allow; stepping among found lines
    // lasts while either is available.
    void ShowBackAndForward(int position);
    // A selection made otherwise ends stepping.
    void EndStepping();
    // Another list shown: stepping ends and the Search field is emptied.
    void Reset();
    // While stepping, Recall takes the caret line among the several found ones.
    bool IsStepping() const { return stepping_; }

    int TermCount() const { return static_cast<int>(terms_.Entries().size()); }
    // Empties the remembered terms, in the drop-down and in the store; the field keeps its text.
    void ClearTerms(platform::ISettingsStore& store);

    void LoadTerms(platform::ISettingsStore& store);
    void SaveTerms(platform::ISettingsStore& store) const { terms_.SaveSearchTerms(store); }

  private:
    // Nearest selected line above (direction -1) or below (+1) position; -1 when none.
    int FoundNeighbour(int position, int direction) const;

    platform::IDialogWindow& window_;
    CHistoryLists& lists_;
    CNavigation& navigation_;
    const CSettings& settings_;
    const platform::ICodePage& codePage_;
    CUserMessages& messages_;
    SearchTermList terms_;
    bool stepping_ = false;
};

} // namespace qv
