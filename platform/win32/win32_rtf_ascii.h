// RTF the rich edit writes in a UTF-8 process, made into RTF that every reader takes.
#pragma once
#include <string>

namespace qv::platform::win32 {

// The control writes "{\urtf" and raw UTF-8 when the process's code page is UTF-8; no reader of
// RTF (the control itself included) takes that. Makes the header "{\rtf1\ansi" and every raw
// UTF-8 character \uN? (two for a character beyond the 16-bit range); a byte that starts no
// valid sequence becomes \'hh. ASCII RTF comes back unchanged.
std::string AsciiRtf(const std::string& rtf);

} // namespace qv::platform::win32
