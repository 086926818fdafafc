// The main window's system menu: the platform's entries it keeps, and the program's own appended
// from the menu table; Restore and Minimize follow the window's state.
#pragma once
#include "window/window_context.h"

namespace qv {

class CSystemMenuBuilder {
  public:
    explicit CSystemMenuBuilder(const CWindowContext& context) : context_(context) {}

    // Greys Restore, removes Size and Maximize, and appends the program's entries.
    void Build();
    // Restore is available only while minimized, Minimize only while not.
    void ShowMinimized(bool minimized);

    // Positions in the platform's menu as Build leaves it.
    static constexpr int kRestore = 0;
    static constexpr int kMinimize = 2;

  private:
    // Positions in the platform's own menu: Size is removed first, which brings Maximize to
    // where Size was plus one.
    static constexpr int kSize = 2;
    static constexpr int kMaximizeAfterSize = 3;

    const CWindowContext& context_;
};

} // namespace qv
