// Saves the main window's placement at exit and restores it at start-up.
#pragma once
#include "platform/platform.h"

namespace qv {

class CPlacementKeeper {
  public:
    explicit CPlacementKeeper(platform::ISettingsStore& store) : store_(store) {}
    virtual ~CPlacementKeeper() = default;

    void SavePlacement(platform::IDialogWindow& window);
    // True when a complete placement was stored and applied.
    bool RestorePlacement(platform::IDialogWindow& window, bool startMinimized);

  private:
    platform::ISettingsStore& store_;
};

} // namespace qv
