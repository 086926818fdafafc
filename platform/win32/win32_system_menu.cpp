#include "win32_system_menu.h"

namespace qv::platform::win32 {

namespace {

UINT StateFlags(MenuState state) {
    switch (state) {
    case MenuState::Checked:
        return MF_CHECKED;
    case MenuState::Greyed:
        return MF_GRAYED;
    case MenuState::Enabled:
        break;
    }
    return MF_ENABLED;
}

} // namespace

void SystemMenuView::EnableByPosition(int position, bool enable) {
    EnableMenuItem(menu_, static_cast<UINT>(position),
                   MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
}

void SystemMenuView::RemoveByPosition(int position) {
    RemoveMenu(menu_, static_cast<UINT>(position), MF_BYPOSITION);
}

void SystemMenuView::AppendSeparator() {
    AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
}

void SystemMenuView::AppendItem(unsigned command, const std::string& text, MenuState state) {
    AppendMenuA(menu_, MF_STRING | StateFlags(state), command, text.c_str());
}

void SystemMenuView::Enable(unsigned command, bool enable) {
    EnableMenuItem(menu_, command, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}

void SystemMenuView::Check(unsigned command, bool check) {
    CheckMenuItem(menu_, command, MF_BYCOMMAND | (check ? MF_CHECKED : MF_UNCHECKED));
}

void SystemMenuView::SetItemText(unsigned command, const std::string& text) {
    // ModifyMenu would also reset the state flags; MIIM_STRING touches the label alone.
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    SetMenuItemInfoA(menu_, command, FALSE, &info);
}

} // namespace qv::platform::win32
