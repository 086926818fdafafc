#include "lists/history_lists.h"
#include <algorithm>
#include <climits>
#include <new>

namespace qv {

namespace {
std::unique_ptr<CHistoryItem> AsItem(std::unique_ptr<CHistoryEntry> entry) {
    if (auto* item = dynamic_cast<CHistoryItem*>(entry.get())) {
        entry.release();
        return std::unique_ptr<CHistoryItem>(item);
    }
    return nullptr;
}
} // namespace

int CHistoryLists::Append(const std::string& listText, std::unique_ptr<CHistoryItem> item) {
    const int idx = AppendQuietly(listText, std::move(item));
    if (idx >= 0)
        followers_.LineAppended(listText, box_.Extent());
    return idx;
}

int CHistoryLists::AppendQuietly(const std::string& listText, std::unique_ptr<CHistoryItem> item) {
    std::unique_ptr<CHistoryEntry> record(std::move(item));
    // On failure the record is still ours and goes with this scope.
    return AppendMakingRoom(listText, record);
}

int CHistoryLists::AppendMakingRoom(const std::string& listText,
                                    std::unique_ptr<CHistoryEntry>& record) {
    int idx = box_.AddEntry(listText, record);
    if (idx == platform::IListBox::kNoRoom) {
        const BulkRemoval removal(box_, true);
        while (List().GetCount() > 0) {
            RemoveTop();
            idx = box_.AddEntry(listText, record);
            if (idx != platform::IListBox::kNoRoom)
                break;
        }
    }
    return idx < 0 ? -1 : idx;
}

int CHistoryLists::PutBack(int position, const std::string& listText,
                           std::unique_ptr<CHistoryItem>& item) {
    std::unique_ptr<CHistoryEntry> record(std::move(item));
    const bool inside = position >= 0 && position < List().GetCount();
    const int idx =
        inside ? box_.InsertEntry(position, listText, record) : AppendMakingRoom(listText, record);
    if (idx < 0)
        item = AsItem(std::move(record)); // refused: the record is still ours
    return idx < 0 ? -1 : idx;
}

bool CHistoryLists::AppendRecord(CStoredRecord& r) {
    std::unique_ptr<CHistoryEntry> record(std::move(r.item));
    const int idx = box_.AddEntry(r.listText, record);
    if (idx < 0)
        r.item = AsItem(std::move(record));
    return idx >= 0;
}

bool CHistoryLists::AppendAll(std::vector<CStoredRecord>& records) {
    const int start = List().GetCount();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (AppendRecord(records[i]))
            continue;
        // Taken back from the bottom up, each item into the record it came from.
        for (std::size_t j = i; j-- > 0;)
            TakeLine(start + static_cast<int>(j), records[j].item);
        return false;
    }
    return true;
}

bool CHistoryLists::TakeLine(int line, std::unique_ptr<CHistoryItem>& item) {
    std::unique_ptr<CHistoryEntry> taken;
    if (box_.RemoveEntry(line, taken) < 0)
        return false;
    item = AsItem(std::move(taken));
    return true;
}

int CHistoryLists::ApplyHistoryLimit() {
    if (!settings_.useLimit || !mainListShown_)
        return 0;
    const long long excess = static_cast<long long>(List().GetCount()) - settings_.historyLimit;
    if (excess <= 0)
        return 0;
    const BulkRemoval removal(box_, true);
    for (long long i = 0; i < excess; ++i)
        RemoveTop();
    return static_cast<int>(excess);
}

void CHistoryLists::RemoveTop() {
    box_.RemoveEntry(0);
    followers_.LineRemoved(0);
    if (mark_ > INT_MIN)
        --mark_;
}

void CHistoryLists::RemoveAll() {
    box_.RemoveAllEntries();
    undoBuffer_.clear();
    parked_.clear();
}

const CHistoryItem* CHistoryLists::Item(int line) const {
    return dynamic_cast<const CHistoryItem*>(box_.GetEntry(line));
}

std::string CHistoryLists::LineText(int line) const {
    std::string text;
    if (!List().GetLineText(line, text))
        text.clear();
    return text;
}

int CHistoryLists::SingleSelection() const {
    if (List().GetSelCount() != 1)
        return -1;
    const std::vector<int> items = List().GetSelItems();
    return items.empty() ? -1 : items.front();
}

void CHistoryLists::SelectOnly(int line) {
    List().SetCaretIndex(line);
    List().SetSel(-1, false);
    List().SetSel(line, true);
}

void CHistoryLists::Store(std::vector<CStoredRecord>& records, CStoredRecord record) {
    if (recordBudget_ == 0)
        throw std::bad_alloc();
    if (recordBudget_ > 0)
        --recordBudget_;
    records.push_back(std::move(record));
}

void CHistoryLists::ClearUndo() {
    undoBuffer_.clear();
    undoValid_ = true;
}

void CHistoryLists::RecordDeleted(int position, const std::string& listText,
                                  std::unique_ptr<CHistoryItem> item) {
    if (!undoValid_)
        return;
    try {
        Store(undoBuffer_, CStoredRecord{position, listText, std::move(item)});
    } catch (const std::bad_alloc&) {
        undoValid_ = false;
    }
}

bool CHistoryLists::DeleteIntoUndo(int line, bool tellFollowers) {
    std::string text;
    bool readable = true;
    try {
        text = LineText(line);
    } catch (const std::bad_alloc&) {
        readable = false;
    }
    std::unique_ptr<CHistoryItem> item;
    if (!TakeLine(line, item))
        return false;
    if (tellFollowers)
        followers_.LineRemoved(line);
    if (item && readable)
        RecordDeleted(line, text, std::move(item));
    else if (item)
        undoValid_ = false;
    return true;
}

bool CHistoryLists::ReplayUndo() {
    if (!undoValid_) {
        ClearUndo();
        return true;
    }
    int k = 0;
    std::size_t kept = 0;
    for (CStoredRecord& r : undoBuffer_) {
        const int position = r.position < 0 ? -1 : r.position + k;
        if (PutBack(position, r.listText, r.item) >= 0) {
            ++k;
        } else {
            // Refused: it stays, at the place it has among the lines now back.
            r.position = position;
            if (&undoBuffer_[kept] != &r)
                undoBuffer_[kept] = std::move(r);
            ++kept;
        }
    }
    undoBuffer_.resize(kept);
    return kept == 0;
}

bool CHistoryLists::SwapShownAndParked() {
    const BulkRemoval removal(box_, true);
    ClearUndo();
    // Parked from the bottom up: taking the last line moves no other line, so a full list parks
    // in linear time. Both lists are turned round at the end.
    std::vector<CStoredRecord> out;
    bool parked = true;
    for (int line = List().GetCount() - 1; line >= 0; --line) {
        try {
            Store(out, CStoredRecord{0, LineText(line), nullptr});
        } catch (const std::bad_alloc&) {
            parked = false;
            break;
        }
        const bool selected = List().IsSelected(line);
        std::unique_ptr<CHistoryItem> item;
        if (!TakeLine(line, item)) {
            // Whatever stays would be lost with the list: give up as when memory runs out.
            out.pop_back();
            parked = false;
            break;
        }
        if (!item) {
            out.pop_back(); // a line without an item has nothing to keep
            continue;
        }
        if (selected && undoValid_) {
            // Without memory for the copy, only the copy is lost.
            try {
                RecordDeleted(-1, out.back().listText,
                              std::unique_ptr<CHistoryItem>(CHistoryItem::CopyOf(*item)));
            } catch (const std::bad_alloc&) {
                undoValid_ = false;
            }
        }
        out.back().item = std::move(item);
    }
    if (!parked) {
        // The lines parked so far go back below the others, in their order.
        std::reverse(out.begin(), out.end());
        AppendAll(out);
        ClearUndo();
        return false;
    }
    std::reverse(out.begin(), out.end());
    std::reverse(undoBuffer_.begin(), undoBuffer_.end());
    box_.RemoveAllEntries();
    if (!AppendAll(parked_)) {
        // The list that was shown comes back as it was; the parked one stays parked.
        AppendAll(out);
        ClearUndo();
        return false;
    }
    mainListShown_ = !mainListShown_;
    parked_ = std::move(out);
    return true;
}

void CHistoryLists::SetMark(int line) {
    mark_ = line;
    markSet_ = true;
    MarkChanged();
}

int CHistoryLists::TakeMark() {
    const int line = mark_;
    markSet_ = false;
    mark_ = -1;
    MarkChanged();
    return line;
}

void CHistoryLists::ClearMark() {
    if (!markSet_)
        return;
    markSet_ = false;
    mark_ = -1;
    MarkChanged();
}

void CHistoryLists::MarkChanged() {
    followers_.MarkChanged(markSet_);
}

} // namespace qv
