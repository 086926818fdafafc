#include "win32_platform.h"
#include "win32_dialog.h"
#include "win32_message_box.h"
#include <commctrl.h>
#include <ole2.h>

namespace qv::platform::win32 {

OleSession::OleSession() : joined_(SUCCEEDED(OleInitialize(nullptr))) {}

OleSession::~OleSession() {
    if (joined_)
        OleUninitialize();
}

namespace {

void InitCommonControlClasses() {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&classes);
}

} // namespace

Win32Platform::Win32Platform()
    : instance_(GetModuleHandleA(nullptr)), strings_(instance_), loop_(instance_) {
    InitCommonControlClasses();
    richEdit_.reset(LoadLibraryA("riched32.dll"));
}

MsgResult Win32Platform::MessageBox(const std::string& text, const std::string& caption,
                                    MsgButtons buttons, MsgIcon icon) {
    return ShowMessageBox(nullptr, text, caption, buttons, icon);
}

int Win32Platform::RunModal(const DialogTemplate& dialog, IDialogEvents& events, WindowRef owner) {
    return loop_.Run(dialog, events, reinterpret_cast<HWND>(owner));
}

namespace {

// A modeless dialog in the loop's key handling for as long as it lives.
class Win32Modeless : public IModelessWindow {
  public:
    Win32Modeless(std::unique_ptr<Win32Dialog> dialog, ModalLoop& loop)
        : dialog_(std::move(dialog)), loop_(loop) {
        loop_.AddModeless(dialog_.get());
    }
    ~Win32Modeless() override { loop_.RemoveModeless(dialog_.get()); }
    Win32Modeless(const Win32Modeless&) = delete;
    Win32Modeless& operator=(const Win32Modeless&) = delete;
    IDialogWindow& Window() override { return *dialog_; }

  private:
    std::unique_ptr<Win32Dialog> dialog_;
    ModalLoop& loop_;
};

} // namespace

std::unique_ptr<IModelessWindow>
Win32Platform::OpenModeless(const DialogTemplate& dialog, IDialogEvents& events, WindowRef owner) {
    std::unique_ptr<Win32Dialog> made =
        Win32Dialog::Create(instance_, dialog, reinterpret_cast<HWND>(owner), events, loop_);
    if (!made)
        return nullptr;
    return std::make_unique<Win32Modeless>(std::move(made), loop_);
}

void Win32Platform::SendToWindow(WindowRef window, unsigned message, std::uintptr_t wParam,
                                 std::intptr_t lParam) {
    SendMessageA(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

bool Win32Platform::PostToWindow(WindowRef window, unsigned message, std::uintptr_t wParam,
                                 std::intptr_t lParam) {
    return PostMessageA(reinterpret_cast<HWND>(window), message, wParam, lParam) != FALSE;
}

} // namespace qv::platform::win32
