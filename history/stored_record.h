// A History item kept outside the list box (undo buffer, parked list): it owns its item until the
// item is put back on a line.
#pragma once
#include "history/history_entry.h"
#include <memory>
#include <string>

namespace qv {

struct CStoredRecord {
    int position = -1; // -1 appends
    std::string listText;
    std::unique_ptr<CHistoryItem> item;
};

} // namespace qv
