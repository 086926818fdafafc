#include "history/history_list_box.h"
#include <algorithm>
#include <new>

namespace qv {

namespace {
int ClampWidth(int w) {
    return std::clamp(w, 0, CHistoryListBox::kMaxWidth);
}
} // namespace

int CHistoryListBox::AddEntry(const std::string& text) {
    std::unique_ptr<CHistoryEntry> none;
    return AddEntry(text, none);
}

int CHistoryListBox::AddEntry(const std::string& text, std::unique_ptr<CHistoryEntry>& record) {
    return Place(kAppend, text, record);
}

int CHistoryListBox::InsertEntry(int position, const std::string& text,
                                 std::unique_ptr<CHistoryEntry>& record) {
    return Place(position, text, record);
}

int CHistoryListBox::Place(int position, const std::string& text,
                           std::unique_ptr<CHistoryEntry>& record) {
    std::unique_ptr<CHistoryEntry> bare;
    if (!record) {
        try {
            bare = std::make_unique<CHistoryEntry>();
        } catch (const std::bad_alloc&) {
            return -1;
        }
    }
    const int idx =
        position == kAppend ? list_.AddString(text) : list_.InsertString(position, text);
    if (idx < 0)
        return idx;
    std::unique_ptr<CHistoryEntry>& owner = record ? record : bare;
    // A record handed in may still carry links from an earlier place in the index.
    const int result = Attach(idx, text, owner.get(), position != kAppend || record != nullptr);
    if (result >= 0)
        owner.release(); // the line owns it now
    return result;
}

int CHistoryListBox::Attach(int idx, const std::string& text, CHistoryEntry* record, bool reset) {
    const int w = MeasureText(text);
    record->width = ClampWidth(w);
    if (!list_.SetItemData(idx, record)) {
        // A line without its record would lose the item: take the line back.
        list_.DeleteString(idx);
        return -1;
    }
    index_.Insert(record, reset);
    // Only a line that stays may widen the list; a line as narrow costs the control nothing.
    if (w > extent_) {
        extent_ = w;
        list_.SetHorizontalExtent(extent_);
    }
    return idx;
}

int CHistoryListBox::RemoveEntry(int index) {
    return Remove(index, nullptr);
}

int CHistoryListBox::RemoveEntry(int index, std::unique_ptr<CHistoryEntry>& taken) {
    return Remove(index, &taken);
}

int CHistoryListBox::Remove(int index, std::unique_ptr<CHistoryEntry>* taken) {
    CHistoryEntry* record = nullptr;
    int w = 0;
    void* data = nullptr;
    if (list_.GetItemData(index, data))
        record = static_cast<CHistoryEntry*>(data);
    if (record) {
        w = record->width;
        index_.Remove(record);
    } else {
        std::string text;
        w = list_.GetLineText(index, text) ? MeasureText(text) : 0;
    }
    const bool wasWidest = w == extent_;
    const int result = list_.DeleteString(index);
    if (record) {
        if (result < 0) {
            // The line stays, so its record stays in the index.
            index_.Insert(record, true);
            return result;
        }
        if (taken)
            taken->reset(record); // passes to the caller
        else
            delete record;
    }
    if (bulkRemoval_) {
        if (wasWidest)
            extentStale_ = true;
    } else if (wasWidest) {
        RefreshExtent();
    }
    return result;
}

void CHistoryListBox::RemoveAllEntries() {
    index_.Clear();
    const int count = list_.GetCount();
    for (int i = 0; i < count; ++i) {
        void* data = nullptr;
        if (list_.GetItemData(i, data) && data) {
            delete static_cast<CHistoryEntry*>(data);
            list_.SetItemData(i, nullptr);
        }
    }
    list_.ResetContent();
    extent_ = 0;
    list_.SetHorizontalExtent(0);
}

CHistoryEntry* CHistoryListBox::GetEntry(int index) const {
    void* data = nullptr;
    if (!list_.GetItemData(index, data))
        return nullptr;
    return static_cast<CHistoryEntry*>(data);
}

int CHistoryListBox::MeasureText(const std::string& text) const {
    int w = 0;
    if (!list_.MeasureText(text, w))
        return 0;
    const long long total = static_cast<long long>(w) + 6;
    return total < 0 || total > kMaxWidth ? kMaxWidth : static_cast<int>(total);
}

void CHistoryListBox::RemeasureAll() {
    extent_ = 0;
    int probe = 0;
    if (list_.MeasureText(std::string(), probe)) {
        index_.Clear();
        const int count = list_.GetCount();
        std::string text;
        for (int i = 0; i < count; ++i) {
            if (!list_.GetLineText(i, text))
                text.clear();
            const int w = MeasureText(text);
            extent_ = std::max(extent_, w);
            void* data = nullptr;
            if (list_.GetItemData(i, data) && data) {
                auto* record = static_cast<CHistoryEntry*>(data);
                record->width = w;
                index_.Insert(record, true);
            }
        }
    }
    list_.SetHorizontalExtent(extent_);
}

void CHistoryListBox::SetBulkRemoval(bool on) {
    if (on) {
        bulkRemoval_ = true;
        extentStale_ = false;
        return;
    }
    if (extentStale_)
        RefreshExtent();
    bulkRemoval_ = false;
    extentStale_ = false;
}

void CHistoryListBox::SetExtent(int width) {
    extent_ = width > kMaxWidth - 1 ? kMaxWidth : std::max(width, 0);
    list_.SetHorizontalExtent(extent_);
}

void CHistoryListBox::RefreshExtent() {
    SetExtent(index_.Maximum());
}

} // namespace qv
