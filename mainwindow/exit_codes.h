// Exit codes of the program's quit requests.
#pragma once

namespace qv {

constexpr int kExitOutOfMemory = 1;
constexpr int kExitNoClipboard = 2;
constexpr int kExitNewerDataFile = 3;
// Another copy runs in this session and was brought to the front instead.
constexpr int kExitAlreadyRunning = 4;

} // namespace qv
