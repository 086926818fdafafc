// The program's dialogs and strings as data, from the same tables as the resource script: the
// headless back end builds its windows and string resources from these.
#pragma once
#include "platform/dialog_template.h"

namespace qv {

const platform::DialogTable& ProgramDialogs();
// The dialog of a template id; throws std::invalid_argument for an id without a dialog.
const platform::DialogTemplate& ProgramDialog(int templateId);
const platform::StringTable& ProgramStrings();

} // namespace qv
