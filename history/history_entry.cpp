#include "history/history_entry.h"
#include <cstdio>

namespace qv {

std::string CHistoryEntry::ClipTimeText() const {
    if (clipTime.year == 0)
        return std::string();
    const int h = clipTime.hour;
    const int dial = h <= 12 ? h : h - 12;
    char buf[64];
    std::snprintf(buf, sizeof buf, "Clip time: %02d:%02d:%02d %s", dial, int(clipTime.minute),
                  int(clipTime.second), h >= 12 ? "pm" : "am");
    return buf;
}

} // namespace qv
