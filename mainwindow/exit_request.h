// The message another process posts to the main window to make it exit: the installer sends it
// before it replaces or removes the program. Its number is written in installer/Quorvane.nsi too.
#pragma once

namespace qv {

// Ends the program as the close box does, saving the lists and settings, but without the Confirm
// Exit question: during a silent install nobody is there to answer it.
constexpr unsigned WM_EXIT_REQUEST = 0x8051;

} // namespace qv
