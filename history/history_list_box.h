// The History list box: owns the record attached to each of its lines and keeps its horizontal
// scroll extent equal to its widest line.
#pragma once
#include "history/history_entry.h"
#include "history/width_index.h"
#include "platform/controls.h"
#include <memory>
#include <string>

namespace qv {

class CHistoryListBox {
  public:
    static constexpr int kMaxWidth = 32767;

    explicit CHistoryListBox(platform::IListBox& list) : list_(list) {}
    ~CHistoryListBox() { RemoveAllEntries(); }
    CHistoryListBox(const CHistoryListBox&) = delete;
    CHistoryListBox& operator=(const CHistoryListBox&) = delete;

    // Appends a line; the record (a bare one when empty) passes to the list box on success and
    // stays with the caller otherwise. Index of the line, -1 on error, -2 when there is no room.
    int AddEntry(const std::string& text, std::unique_ptr<CHistoryEntry>& record);
    int AddEntry(const std::string& text);
    // As AddEntry at a position (-1 appends).
    int InsertEntry(int position, const std::string& text, std::unique_ptr<CHistoryEntry>& record);
    // Removes a line and deletes its record. Lines left, or -1 on error.
    int RemoveEntry(int index);
    // Removes a line; its record passes to the caller.
    int RemoveEntry(int index, std::unique_ptr<CHistoryEntry>& taken);
    void RemoveAllEntries();
    // The line's record, or none when the platform reports an error for that line.
    CHistoryEntry* GetEntry(int index) const;
    int MeasureText(const std::string& text) const;
    void RemeasureAll();
    void SetBulkRemoval(bool on);
    void SetExtent(int width);
    void RefreshExtent();

    int Extent() const { return extent_; }
    platform::IListBox& List() const { return list_; }
    const CWidthIndex& Index() const { return index_; }

  private:
    static constexpr int kAppend = -2;
    int Place(int position, const std::string& text, std::unique_ptr<CHistoryEntry>& record);
    int Attach(int index, const std::string& text, CHistoryEntry* record, bool reset);
    int Remove(int index, std::unique_ptr<CHistoryEntry>* taken);

    platform::IListBox& list_;
    int extent_ = 0;
    bool bulkRemoval_ = false;
    bool extentStale_ = false;
    CWidthIndex index_;
};

} // namespace qv
