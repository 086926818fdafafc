#include "app/application.h"
#include "app/data_folder.h"
#include "mainwindow/exit_codes.h"
#include "mainwindow/main_dialog.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include "settings/settings_names.h"
#include "window/user_messages.h"
#include <memory>
#include <new>

namespace qv {

int RunApplication(platform::IPlatform& platform) {
    // Loaded first: showing the out-of-memory message must not need memory that has run out.
    const ProgramTexts texts = ProgramTexts::Load(platform.Strings());
    // A second start hands over to the copy that runs, before it reads or writes anything: two
    // copies would both capture, and the later save would drop the other's items.
    platform::ISingleInstance& instance = platform.SingleInstance();
    if (instance.ClaimFirst(texts.name) == platform::InstanceClaim::OtherRunning) {
        instance.ActivateFirst();
        return kExitAlreadyRunning;
    }
    std::string folder;
    if (!GetDataFolder(platform, texts, folder))
        return 0;
    platform.Settings().SetRoot(kSettingsCompany, texts.name);
    std::unique_ptr<CMainDialog> dialog;
    try {
        dialog = std::make_unique<CMainDialog>(platform, folder);
    } catch (const std::bad_alloc&) {
        platform.MessageBox(texts.outOfMemory, texts.name, platform::MsgButtons::Ok,
                            platform::MsgIcon::Stop);
        return kExitOutOfMemory;
    }
    platform.RunModal(ProgramDialog(IDD_MAIN), *dialog, 0);
    return platform.QuitCode();
}

} // namespace qv

int qv::platform::RunProgram(IPlatform& platform) {
    return RunApplication(platform);
}
