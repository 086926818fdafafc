// Runs dialogs modally with the program's own message loop, and keeps the quit requests.
#pragma once
#include "platform/window.h"
#include "win32_api.h"
#include <vector>

namespace qv::platform::win32 {

class ModalLoop {
  public:
    explicit ModalLoop(HINSTANCE instance) : instance_(instance) {}
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    // Creates the dialog, owned by the innermost dialog already running (which takes no input
    // meanwhile), shows it unless start-up ended it or asked to quit, and dispatches messages
    // until EndDialog or a quit request. Returns the EndDialog result; -1 when the dialog could
    // not be created or a quit request ended it.
    int Run(int templateId, IDialogEvents& events);
    // Asks every running loop to end; the process exit code is kept for QuitCode.
    void RequestQuit(int exitCode);
    int QuitCode() const { return quitCode_; }
    HINSTANCE Instance() const { return instance_; }

  private:
    // Accelerators of the dialog first, then the dialog manager's keys (Tab, arrows, mnemonics).
    static bool PreTranslate(HWND dialog, HACCEL accelerators, MSG& message);

    HINSTANCE instance_;
    std::vector<HWND> running_;
    int quitCode_ = 0;
    bool quitPending_ = false;
};

} // namespace qv::platform::win32
