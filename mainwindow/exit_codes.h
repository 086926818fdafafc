// Exit codes of the program's quit requests.
#pragma once

namespace qv {

constexpr int kExitOutOfMemory = 1;
constexpr int kExitNoClipboard = 2;
constexpr int kExitNewerDataFile = 3;

} // namespace qv
