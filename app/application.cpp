#include "app/application.h"
#include "app/data_folder.h"
#include "mainwindow/main_dialog.h"
#include "mainwindow/messages.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include "settings/settings_names.h"
#include <memory>
#include <new>

namespace qv {

int RunApplication(platform::IPlatform& platform) {
    const std::string programName = platform.Strings().Load(IDS_APP_TITLE);
    std::string folder;
    if (!GetDataFolder(platform, programName, folder))
        return 0;
    platform.Settings().SetRoot(kSettingsCompany, programName);
    std::unique_ptr<CMainDialog> dialog;
    try {
        dialog = std::make_unique<CMainDialog>(platform, folder);
    } catch (const std::bad_alloc&) {
        platform.MessageBox(platform.Strings().Load(IDS_OUT_OF_MEMORY), programName,
                            platform::MsgButtons::Ok, platform::MsgIcon::Stop);
        return kExitOutOfMemory;
    }
    platform.RunModal(ProgramDialog(IDD_MAIN), *dialog, 0);
    return platform.QuitCode();
}

} // namespace qv

int qv::platform::RunProgram(IPlatform& platform) {
    return RunApplication(platform);
}
