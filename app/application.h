// The program's entry point behind the platform's own: finds the data folder, roots the settings
// store and runs the main window. Returns the process exit code.
#pragma once
#include "platform/platform.h"

namespace qv {

int RunApplication(platform::IPlatform& platform);

} // namespace qv
