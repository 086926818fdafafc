#include "win32_message_box.h"
#include "win32_thread_modal.h"

namespace qv::platform::win32 {

namespace {

UINT IconFlag(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return MB_ICONINFORMATION;
    case MsgIcon::Exclamation:
        return MB_ICONEXCLAMATION;
    case MsgIcon::Stop:
        return MB_ICONSTOP;
    case MsgIcon::Question:
        return MB_ICONQUESTION;
    case MsgIcon::None:
        break;
    }
    return 0;
}

} // namespace

MsgResult ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                         MsgButtons buttons, MsgIcon icon) {
    const UINT flags = (buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK) | IconFlag(icon);
    const ThreadWindowsDisabled others(owner);
    switch (MessageBoxA(owner, text.c_str(), caption.c_str(), flags)) {
    case IDOK:
        return MsgResult::Ok;
    case IDYES:
        return MsgResult::Yes;
    case IDNO:
        return MsgResult::No;
    default:
        return MsgResult::Cancel; // closed otherwise, or the box could not be shown
    }
}

} // namespace qv::platform::win32
