#include "mainwindow/help_commands.h"
#include "help/about_dialog.h"
#include "help/tip_dialog.h"
#include "resource.h"
#include "settings/settings.h"

namespace qv {

void CHelpCommands::ShowAbout() {
    CAboutDialog about(context_.platform);
    about.Run(context_.window.Handle());
}

void CHelpCommands::ShowTip() {
    CSettings& settings = context_.settings;
    CTipDialog tip(context_.platform, settings.showDayTip, settings.dayTipIndex);
    tip.Run(context_.window.Handle());
    settings.showDayTip = tip.ShowAtStartup();
    context_.window.ListBox(IDC_HISTORY).SetFocus();
    settings.dayTipIndex = tip.NextTipIndex();
    settings.Write(context_.platform.Settings());
}

} // namespace qv
