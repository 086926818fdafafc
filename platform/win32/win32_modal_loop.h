// Runs dialogs modally with the program's own message loop, keeps the modeless ones in its
// dispatch, and keeps the quit requests.
#pragma once
#include "platform/window.h"
#include "win32_api.h"
#include <vector>

namespace qv::platform::win32 {

class Win32Dialog;

class ModalLoop {
  public:
    explicit ModalLoop(HINSTANCE instance) : instance_(instance) {}
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    // Creates the dialog owned by owner (null: the innermost dialog already running), which
    // takes no input meanwhile; shows it unless start-up ended it or asked to quit, and
    // dispatches messages until EndDialog or a quit request. Returns the EndDialog result; -1
    // when the dialog could not be created or a quit request ended it.
    int Run(const DialogTemplate& dialog, IDialogEvents& events, HWND owner);
    // Asks every running loop to end; the process exit code is kept for QuitCode.
    void RequestQuit(int exitCode);
    int QuitCode() const { return quitCode_; }
    HINSTANCE Instance() const { return instance_; }

    // Modeless dialogs take part in every loop's key handling while they exist.
    void AddModeless(Win32Dialog* dialog);
    void RemoveModeless(Win32Dialog* dialog);

  private:
    // Accelerators of the window the message is for first, then the dialog manager's keys (Tab,
    // arrows, mnemonics).
    bool PreTranslate(MSG& message) const;
    // The dialog that takes the keys of messages for root, or null.
    const Win32Dialog* KeyTaker(HWND root) const;

    HINSTANCE instance_;
    std::vector<Win32Dialog*> running_;
    std::vector<Win32Dialog*> modeless_;
    int quitCode_ = 0;
    bool quitPending_ = false;
};

} // namespace qv::platform::win32
