// The Options sheet: five pages over a copy of the settings, handed back on OK only.
#pragma once
#include "options/options_host.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include <string>

namespace qv {

class COptionsSheet {
  public:
    // The pages in the order the sheet shows them.
    enum Page { kStartUp, kSaving, kSearching, kNumbers, kMisc, kPageCount };

    // rememberedPage is the page shown last by any sheet; a new sheet starts there.
    COptionsSheet(platform::IPlatform& platform, IOptionsHost& host, const std::string& programName,
                  int& rememberedPage)
        : platform_(platform), host_(host), programName_(programName),
          rememberedPage_(rememberedPage) {}

    // Runs the sheet modally over owner, its pages showing settings; true when it ended with
    // OK, and then settings holds what the pages hold.
    bool Run(platform::WindowRef owner, CSettings& settings);

  private:
    platform::IPlatform& platform_;
    IOptionsHost& host_;
    const std::string& programName_;
    int& rememberedPage_;
};

} // namespace qv
