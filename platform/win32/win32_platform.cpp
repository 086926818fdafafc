#include "win32_platform.h"
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

int Win32Platform::RunModalDialog(int templateId, IDialogEvents& events) {
    return loop_.Run(templateId, events);
}

} // namespace qv::platform::win32
