// The About box and the Tip of the Day, opened from the main window.
#pragma once
#include "window/window_context.h"

namespace qv {

class CHelpCommands {
  public:
    explicit CHelpCommands(const CWindowContext& context) : context_(context) {}

    void ShowAbout();
    // Shows the tip that is due and writes the settings: whether tips show at start-up, and the
    // next tip.
    void ShowTip();

  private:
    const CWindowContext& context_;
};

} // namespace qv
