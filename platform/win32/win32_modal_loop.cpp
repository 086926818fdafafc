#include "win32_modal_loop.h"
#include "win32_dialog.h"
#include "win32_thread_modal.h"
#include <algorithm>

namespace qv::platform::win32 {

namespace {

bool IsDialogWindow(HWND window) {
    char className[16] = {};
    return GetClassNameA(window, className, sizeof className) > 0 &&
           lstrcmpA(className, "#32770") == 0;
}

} // namespace

int ModalLoop::Run(const DialogTemplate& dialogTemplate, IDialogEvents& events, HWND owner) {
    if (!owner && !running_.empty())
        owner = running_.back()->Window();
    running_.reserve(running_.size() + 1); // the push below cannot throw then
    // Like a modal dialog, the owner takes no input from the start of the initialisation on.
    // EnableWindow answers whether the window was disabled before.
    const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
    const ThreadWindowsDisabled others(owner);
    std::unique_ptr<Win32Dialog> dialog =
        Win32Dialog::Create(instance_, dialogTemplate, owner, events, *this);
    if (!dialog) {
        if (ownerWasEnabled)
            EnableWindow(owner, TRUE);
        return -1;
    }
    const HWND window = dialog->Window();
    running_.push_back(dialog.get());

    if (!dialog->Ended() && !quitPending_ && !IsWindowVisible(window))
        ShowWindow(window, SW_SHOWNORMAL);

    bool quit = false;
    MSG message{};
    // A window destroyed by other means ends the loop as well.
    while (!dialog->Ended() && dialog->Window()) {
        // Wide: an ANSI loop turns a typed character beyond the keyboard's code page into "?".
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            quit = true;
            quitCode_ = static_cast<int>(message.wParam);
            quitPending_ = false;
            break;
        }
        if (!PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    // The owner takes the activation back before this window goes.
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    const int result = dialog->Ended() ? dialog->Result() : -1;
    running_.pop_back();
    dialog.reset();
    if (quit && !running_.empty())
        RequestQuit(quitCode_); // the outer loops end too
    return result;
}

void ModalLoop::RequestQuit(int exitCode) {
    quitCode_ = exitCode;
    quitPending_ = true;
    PostQuitMessage(exitCode);
}

void ModalLoop::AddModeless(Win32Dialog* dialog) {
    modeless_.push_back(dialog);
}

void ModalLoop::RemoveModeless(Win32Dialog* dialog) {
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), dialog), modeless_.end());
}

const Win32Dialog* ModalLoop::KeyTaker(HWND root) const {
    // Only the innermost modal dialog and the modeless ones take keys.
    if (!running_.empty() && running_.back()->Window() == root)
        return running_.back();
    const auto it = std::find_if(modeless_.begin(), modeless_.end(),
                                 [root](const Win32Dialog* d) { return d->Window() == root; });
    return it != modeless_.end() ? *it : nullptr;
}

bool ModalLoop::PreTranslate(MSG& message) const {
    if (!message.hwnd)
        return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!root)
        return false;
    if (const Win32Dialog* dialog = KeyTaker(root))
        if (dialog->Accelerators() && TranslateAcceleratorW(root, dialog->Accelerators(), &message))
            return true;
    return IsDialogWindow(root) && IsDialogMessageW(root, &message);
}

} // namespace qv::platform::win32
