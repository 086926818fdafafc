// The History lists: the shown one in the History list box, the other parked aside, the mark, the
// undo buffer and the count of changes since the data file was last written.
#pragma once
#include "history/history_entry.h"
#include "history/history_list_box.h"
#include "history/stored_record.h"
#include "platform/controls.h"
#include "settings/settings.h"
#include "window/history_follower.h"
#include "window/scoped_switch.h"
#include <memory>
#include <string>
#include <vector>

namespace qv {

// Keeps the list's width refresh for the end of a run of removals.
using BulkRemoval = ScopedSwitch<CHistoryListBox, &CHistoryListBox::SetBulkRemoval>;

class CHistoryLists {
  public:
    // The settings are the window's own, so a changed limit applies at the next change.
    CHistoryLists(platform::IListBox& list, const CSettings& settings)
        : box_(list), settings_(settings) {}
    CHistoryLists(const CHistoryLists&) = delete;
    CHistoryLists& operator=(const CHistoryLists&) = delete;

    platform::IListBox& List() const { return box_.List(); }
    CHistoryListBox& Box() { return box_; }

    // Appends a line at the end of the shown list, dropping the oldest lines while the list box
    // has no room. The item passes to the line, or is deleted when the line cannot be made.
    // Index of the line, or -1.
    int Append(const std::string& listText, std::unique_ptr<CHistoryItem> item);
    // Puts an item back at a line (-1, or a line past the end, appends). Index, or -1 when the
    // list box refused the line: the item then stays with the caller, never lost.
    int PutBack(int position, const std::string& listText, std::unique_ptr<CHistoryItem>& item);
    // Takes a line out of the list; its item passes to the caller (none for a line without one).
    // False when the line could not be removed.
    bool TakeLine(int line, std::unique_ptr<CHistoryItem>& item);
    // Drops the oldest lines beyond the History Limit while the Main List is shown. Lines dropped.
    int ApplyHistoryLimit();
    // Empties the shown list.
    void RemoveShown() {
        box_.RemoveAllEntries();
        followers_.AllRemoved();
    }
    // Empties every list and the undo buffer.
    void RemoveAll();
    void RemeasureAll() { box_.RemeasureAll(); }

    // The item of a line; null when the platform reports an error or the line carries none.
    const CHistoryItem* Item(int line) const;
    // The list text of a line; empty when it cannot be read.
    std::string LineText(int line) const;
    // The one selected line, or -1 when not exactly one line is selected.
    int SingleSelection() const;
    // Makes the line the caret line and the only selected one.
    void SelectOnly(int line);

    // The list of the data file that is not shown: the Retain List while the Main List is shown.
    bool MainListShown() const { return mainListShown_; }
    std::vector<CStoredRecord>& Parked() { return parked_; }
    const std::vector<CStoredRecord>& Parked() const { return parked_; }
    // Parks every line of the shown list and shows the parked list in its place, each line with
    // its item; copies of the selected lines are kept in the undo buffer to be appended. False,
    // with the shown list as it was and the undo buffer cleared, when memory ran out or a line
    // could not be taken out.
    bool SwapShownAndParked();

    // The undo buffer: the items of the last deletion, in the order they were removed.
    void ClearUndo();
    // Takes a line out into the undo buffer, to be put back at the same position; a line without
    // an item just goes. When memory runs out the item is lost and the buffer will be discarded
    // instead of replayed. The followers are told unless one of them removed the line itself.
    // False when the line could not be removed.
    bool DeleteIntoUndo(int line, bool tellFollowers);
    bool UndoValid() const { return undoValid_; }
    bool UndoEmpty() const { return undoBuffer_.empty(); }
    // Puts the kept items back, each at its position plus the number put back before it (which
    // undoes the shift of the removals), or discards them when the buffer is not valid. Those
    // the list box refused stay in the buffer, each with its item; false then.
    bool ReplayUndo();

    // The mark: a line remembered by its position. It follows the lines removed from the top,
    // set or not; negative is no line.
    bool MarkSet() const { return markSet_; }
    int Mark() const { return mark_; }
    void SetMark(int line);
    // Forgets the mark; the line it had.
    int TakeMark();
    void ClearMark();

    // Every window that follows the shown list; told of the changes made here.
    CHistoryFollowers& Followers() { return followers_; }

    // Counts a change of the lists; true when the Change Limit is reached and the data file is due.
    bool CountChange() { return ++changes_ >= settings_.changeLimit; }
    void ResetChanges() { changes_ = 0; }
    int Changes() const { return changes_; }

    // Makes every stored record after the next `records` fail as if memory ran out.
    void FailRecordsAfterForTesting(int records) { recordBudget_ = records; }

  private:
    // Removes the top line, lowering the mark with it.
    void RemoveTop();
    // Append without telling the followers, for lines that are replaced wholesale afterwards.
    int AppendQuietly(const std::string& listText, std::unique_ptr<CHistoryItem> item);
    // Appends quietly, dropping the oldest lines while the list box has no room; a refused
    // record stays with the caller.
    int AppendMakingRoom(const std::string& listText, std::unique_ptr<CHistoryEntry>& record);
    // Appends a record's line quietly; false with the item left in the record when refused.
    bool AppendRecord(CStoredRecord& record);
    // Appends the records in order; on a refusal the lines appended so far are taken back into
    // their records and false returned, the list as it was.
    bool AppendAll(std::vector<CStoredRecord>& records);
    // Adds a record to a list of records; throws std::bad_alloc when memory runs out.
    void Store(std::vector<CStoredRecord>& records, CStoredRecord record);
    void MarkChanged();
    // Keeps an item in the undo buffer unless the buffer already lost one.
    void RecordDeleted(int position, const std::string& listText,
                       std::unique_ptr<CHistoryItem> item);

    CHistoryListBox box_;
    const CSettings& settings_;
    std::vector<CStoredRecord> parked_;
    std::vector<CStoredRecord> undoBuffer_;
    bool undoValid_ = true;
    bool mainListShown_ = true;
    bool markSet_ = false;
    int mark_ = -1;
    int changes_ = 0;
    int recordBudget_ = -1;
    CHistoryFollowers followers_;
};

} // namespace qv
