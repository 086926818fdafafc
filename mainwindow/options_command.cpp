#include "mainwindow/options_command.h"
#include "mainwindow/exit_codes.h"
#include "options/options_sheet.h"
#include "resource.h"
#include "settings/settings.h"
#include "window/status_texts.h"

namespace qv {

void COptionsCommand::Run() {
    COptionsSheet sheet(platform_, *this, programName_, rememberedPage_);
    if (!sheet.Run(window_.Handle(), settings_))
        return;
    // Changed search options apply to what the field shows at once.
    if (!window_.ComboBox(IDC_SEARCH).GetText().empty())
        search_.Run();
    settings_.Write(platform_.Settings());
}

bool COptionsCommand::LoadDataFile() {
    store_.Load();
    // The lists changed under the counts.
    status_.ShowItemCount();
    status_.ShowSelectedCount();
    // The user chose to leave the newer file to the program that wrote it.
    if (store_.GetState() == CDataFileStore::State::Declined)
        window_.PostQuit(kExitNewerDataFile);
    // A newer file was not read, whatever the answer: the page must not say it was.
    return store_.LastOutcome() == CDataFileStore::Outcome::Read;
}

void COptionsCommand::SetNumberFormat(const CNumberFormat& format) {
    settings_.numbers = format;
    status_.ShowCharCount();
    status_.ShowSelectedCount();
    status_.ShowItemCount();
}

} // namespace qv
