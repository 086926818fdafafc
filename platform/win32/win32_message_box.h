// Message boxes: the program's buttons and icons in the platform's terms.
#pragma once
#include "platform/types.h"
#include "win32_api.h"
#include <string>

namespace qv::platform::win32 {

// owner may be null for a box without an owner window.
MsgResult ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                         MsgButtons buttons, MsgIcon icon);

} // namespace qv::platform::win32
