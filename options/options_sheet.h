// The Options sheet: its pages over a copy of the settings, handed back on OK only.
#pragma once
#include "options/options_host.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include <string>

namespace qv {

class COptionsSheet {
  public:
    // rememberedPage is the page made active last in any sheet, also one still open; a new sheet
    // starts there.
    COptionsSheet(platform::IPlatform& platform, IOptionsHost& host, const std::string& programName,
                  int& rememberedPage)
        : platform_(platform), host_(host), programName_(programName),
          rememberedPage_(rememberedPage) {}

    // Where the page of a template stands in the sheet; -1 for a template that is no page of it.
    static int PageOf(int templateId);
    static int PageCount();

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
