#include "history/history_entry.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include "text/fill_marker.h"
#include <cstdio>

namespace qv {

std::string CHistoryEntry::ClipTimeText() const {
    if (clipTime.year == 0)
        return std::string();
    const int h = clipTime.hour;
    const int dial = h <= 12 ? h : h - 12;
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d %s", dial, int(clipTime.minute),
                  int(clipTime.second), h >= 12 ? "pm" : "am");
    // The string table compiled in is the one the resource script holds, so the label reads the
    // same whichever back end shows it.
    return FillMarker(ProgramStrings().at(IDS_CLIP_TIME), time);
}

} // namespace qv
