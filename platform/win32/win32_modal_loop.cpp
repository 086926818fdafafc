#include "win32_modal_loop.h"
#include "resource.h"
#include "win32_dialog.h"

namespace qv::platform::win32 {

namespace {

bool IsDialogWindow(HWND window) {
    char className[16] = {};
    return GetClassNameA(window, className, sizeof className) > 0 &&
           lstrcmpA(className, "#32770") == 0;
}

HACCEL AcceleratorsFor(HINSTANCE instance, int templateId) {
    // Resource tables are freed with the program; they need no DestroyAcceleratorTable.
    return templateId == IDD_MAIN ? LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS))
                                  : nullptr;
}

} // namespace

int ModalLoop::Run(int templateId, IDialogEvents& events) {
    const HWND owner = running_.empty() ? nullptr : running_.back();
    running_.reserve(running_.size() + 1); // the push below cannot throw then
    // Like a modal dialog, the owner takes no input from the start of the initialisation on.
    // EnableWindow answers whether the window was disabled before.
    const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
    std::unique_ptr<Win32Dialog> dialog =
        Win32Dialog::Create(instance_, templateId, owner, events, *this);
    if (!dialog) {
        if (ownerWasEnabled)
            EnableWindow(owner, TRUE);
        return -1;
    }
    const HWND window = dialog->Window();
    running_.push_back(window);

    if (!dialog->Ended() && !quitPending_ && !IsWindowVisible(window))
        ShowWindow(window, SW_SHOWNORMAL);

    const HACCEL accelerators = AcceleratorsFor(instance_, templateId);
    bool quit = false;
    MSG message{};
    // A window destroyed by other means ends the loop as well.
    while (!dialog->Ended() && dialog->Window()) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            quit = true;
            quitCode_ = static_cast<int>(message.wParam);
            quitPending_ = false;
            break;
        }
        if (!PreTranslate(window, accelerators, message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    // The owner takes the activation back before this window goes.
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    const int result = dialog->Ended() ? dialog->Result() : -1;
    dialog.reset();
    running_.pop_back();
    if (quit && !running_.empty())
        RequestQuit(quitCode_); // the outer loops end too
    return result;
}

void ModalLoop::RequestQuit(int exitCode) {
    quitCode_ = exitCode;
    quitPending_ = true;
    PostQuitMessage(exitCode);
}

bool ModalLoop::PreTranslate(HWND dialog, HACCEL accelerators, MSG& message) {
    if (!message.hwnd)
        return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!root)
        return false;
    if (root == dialog && accelerators && TranslateAcceleratorA(dialog, accelerators, &message))
        return true;
    return IsDialogWindow(root) && IsDialogMessageA(root, &message);
}

} // namespace qv::platform::win32
