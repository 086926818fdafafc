// The History lists: the shown one in the History list box, the other parked aside, the mark, the
// undo buffer and the count of changes since the data file was last written.
#pragma once
#include "history/history_entry.h"
#include "history/history_list_box.h"
#include "history/stored_record.h"
#include "platform/controls.h"
#include "settings/settings.h"
#include <memory>
#include <string>
#include <vector>

namespace qv {

class CHistoryLists {
  public:
    // The settings are the window's own, so a changed limit applies at the next change.
    CHistoryLists(platform::IListBox& list, const CSettings& settings)
        : box_(list), settings_(settings) {}
    CHistoryLists(const CHistoryLists&) = delete;
    CHistoryLists& operator=(const CHistoryLists&) = delete;

    platform::IListBox& List() const { return box_.List(); }

    // Appends a line at the end of the shown list, dropping the oldest lines while the list box
    // has no room. The item passes to the line, or is deleted when the line cannot be made.
    // Index of the line, or -1.
    int Append(const std::string& listText, std::unique_ptr<CHistoryItem> item);
    // Drops the oldest lines beyond the History Limit while the Main List is shown.
    void ApplyHistoryLimit();
    // Empties the shown list.
    void RemoveShown() { box_.RemoveAllEntries(); }
    // Empties every list and the undo buffer.
    void RemoveAll();
    void RemeasureAll() { box_.RemeasureAll(); }

    // The item of a line; null when the platform reports an error or the line carries none.
    const CHistoryItem* Item(int line) const;
    // The one selected line, or -1 when not exactly one line is selected.
    int SingleSelection() const;
    // Makes the line the caret line and the only selected one.
    void SelectOnly(int line);

    // The list of the data file that is not shown: the Retain List while the Main List is shown.
    bool MainListShown() const { return mainListShown_; }
    std::vector<CStoredRecord>& Parked() { return parked_; }
    const std::vector<CStoredRecord>& Parked() const { return parked_; }

    // The marked line follows the lines removed above it; negative is no mark.
    int Mark() const { return mark_; }
    void ClearMark() { mark_ = -1; }

    // Counts a change of the lists; true when the Change Limit is reached and the data file is due.
    bool CountChange() { return ++changes_ >= settings_.changeLimit; }
    void ResetChanges() { changes_ = 0; }
    int Changes() const { return changes_; }

  private:
    // Removes the top line, lowering the mark with it.
    void RemoveTop();

    CHistoryListBox box_;
    const CSettings& settings_;
    std::vector<CStoredRecord> parked_;
    std::vector<CStoredRecord> undoBuffer_;
    bool mainListShown_ = true;
    int mark_ = -1;
    int changes_ = 0;
};

} // namespace qv
