// The program's options with their defaults, as held in memory for the main window's lifetime.
#pragma once
#include "platform/services.h"
#include "text/format_count.h"

namespace qv {

// Every option of the settings store except the search terms and the window placement. Flags are
// integers (0 off, anything else on). Values are kept exactly as read, even outside what the
// Options pages offer, until the user confirms the page that edits them; only a History Limit
// below 1, which would empty the Main List, reads as the default.
struct CSettings {
    // "Saving"
    int changeLimit = 10;
    // "Searching"
    int useFirstFound = 0;
    int allowTypos = 0;
    int separation = 2;
    // "Start Up"
    int restoreWndPlacement = 1;
    int startMinimized = 0;
    int showDayTip = 1;
    int dayTipIndex = 0;
    // "Numbers"
    CNumberFormat numbers;
    // "Misc"
    int applyColors = 0;
    int showEffects = 0;
    int useLimit = 1;
    int historyLimit = 250;
    int confirmExit = 1;

    // Reads every key; a missing key or section, or a value of another type, gives the default.
    // False only when memory ran out: the keys read so far keep their values, the rest their
    // defaults.
    bool Read(platform::ISettingsStore& store);
    // Writes every key, changed or not; the separator as a one-character string. Keeps going
    // after a failed write. False when any write failed or memory ran out.
    bool Write(platform::ISettingsStore& store) const;
};

} // namespace qv
