#include "mainwindow/placement_keeper.h"
#include "settings/settings_names.h"

namespace qv {

namespace {
constexpr const char* kSection = kSectionPlacement;
constexpr const char* kKeys[] = {kKeyPlacementFlags, kKeyPlacementShowCmd, kKeyPlacementLeft,
                                 kKeyPlacementTop,   kKeyPlacementRight,   kKeyPlacementBottom};
} // namespace

void CPlacementKeeper::SavePlacement(platform::IDialogWindow& window) {
    platform::Placement p;
    if (!window.GetPlacement(p))
        return;
    const int values[] = {p.flags,      p.showCmd,      p.normal.left,
                          p.normal.top, p.normal.right, p.normal.bottom};
    for (int i = 0; i < 6; ++i)
        store_.WriteInt(kSection, kKeys[i], values[i]);
}

bool CPlacementKeeper::RestorePlacement(platform::IDialogWindow& window, bool startMinimized) {
    platform::Placement current;
    window.GetPlacement(current);
    int values[6];
    for (int i = 0; i < 6; ++i) {
        values[i] = store_.GetInt(kSection, kKeys[i], -1);
        if (values[i] == -1)
            return false;
    }
    platform::Placement p;
    p.flags = values[0];
    p.showCmd = values[1];
    p.normal = platform::Rect{values[2], values[3], values[4], values[5]};
    // Keep the window on the primary screen: a left or top edge beyond the far edge moves in to
    // one icon's size from it, keeping the window's size.
    platform::ScreenMetrics m;
    if (window.GetScreenMetrics(m)) {
        const long long maxLeft = static_cast<long long>(m.screenWidth) - m.iconWidth;
        if (p.normal.left >= maxLeft) {
            const long long shift = p.normal.left - maxLeft;
            p.normal.left = static_cast<int>(maxLeft);
            p.normal.right = static_cast<int>(p.normal.right - shift);
        }
        const long long maxTop = static_cast<long long>(m.screenHeight) - m.iconHeight;
        if (p.normal.top >= maxTop) {
            const long long shift = p.normal.top - maxTop;
            p.normal.top = static_cast<int>(maxTop);
            p.normal.bottom = static_cast<int>(p.normal.bottom - shift);
        }
    }
    if (startMinimized)
        p.showCmd = platform::kShowMinimize;
    window.SetPlacement(p);
    return true;
}

} // namespace qv
