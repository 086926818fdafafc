// What the pages of one Options sheet share: the settings they edit (a copy that OK hands back),
// the main window's side, the string table and the caption of their message boxes.
#pragma once
#include "options/options_host.h"
#include "platform/services.h"
#include "settings/settings.h"
#include <string>

namespace qv {

struct OptionsContext {
    CSettings& values;
    IOptionsHost& host;
    const platform::IStringResources& strings;
    const std::string& programName;
};

// A flag as a check box shows it: any value but 0 is on.
inline bool IsOn(int flag) {
    return flag != 0;
}

} // namespace qv
