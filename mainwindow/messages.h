// Exit codes of the program's quit requests. The texts the program shows live in the string
// table (resources/strings.def).
#pragma once

namespace qv {

constexpr int kExitOutOfMemory = 1;
constexpr int kExitNoClipboard = 2;
constexpr int kExitNewerDataFile = 3;

} // namespace qv
