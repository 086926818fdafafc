// Keys typed as the user types them, into whatever window has the keyboard focus.
#pragma once
#include "win32/win32_api.h"
#include <string>

namespace qv::e2e {

// Presses and releases key while modifier (0 for none, e.g. VK_CONTROL, VK_MENU) is held.
bool PressKey(WORD key, WORD modifier = 0);
// Types printable ASCII text character by character.
bool TypeText(const std::string& text);
// Types characters that no key of the layout gives, as an input method delivers them.
bool TypeUnicode(const std::wstring& text);

} // namespace qv::e2e
