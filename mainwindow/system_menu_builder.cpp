#include "mainwindow/system_menu_builder.h"
#include "resource.h"
#include <string>

namespace qv {

namespace {
using platform::MenuState;
constexpr MenuState QVM_ENABLED = MenuState::Enabled;
constexpr MenuState QVM_CHECKED = MenuState::Checked;
constexpr MenuState QVM_GREYED = MenuState::Greyed;
} // namespace

void CSystemMenuBuilder::Build() {
    platform::ISystemMenu* menu = context_.window.SystemMenu();
    if (!menu)
        return;
    menu->EnableByPosition(kRestore, false);
    menu->RemoveByPosition(kSize);
    menu->RemoveByPosition(kMaximizeAfterSize);
    const platform::IStringResources& strings = context_.platform.Strings();
#define QV_MENU_SEPARATOR() menu->AppendSeparator();
#define QV_MENU_ITEM(command, text, state) menu->AppendItem(command, text, state);
#define QV_MENU_STRING(command, stringId, state)                                                   \
    {                                                                                              \
        const std::string text = strings.Load(stringId);                                           \
        if (!text.empty())                                                                         \
            menu->AppendItem(command, text, state);                                                \
    }
#include "system_menu.def"
#undef QV_MENU_SEPARATOR
#undef QV_MENU_ITEM
#undef QV_MENU_STRING
}

void CSystemMenuBuilder::ShowMinimized(bool minimized) {
    if (platform::ISystemMenu* menu = context_.window.SystemMenu()) {
        menu->EnableByPosition(kRestore, minimized);
        menu->EnableByPosition(kMinimize, !minimized);
    }
}

} // namespace qv
