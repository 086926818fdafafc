// RTF from other programs, with its code-page bytes made Unicode escapes.
#pragma once
#include <string>

namespace qv::platform::win32 {

// Rewrites every \'hh escape as \uN (two for a character beyond the 16-bit range), decoded in the
// code page the RTF names: \ansicpgN, overridden by the \fcharsetN (or \cpgN) of the current
// font (\fcharset1, the default set, means the document's). Two escapes of a double-byte code page
// make one character. The rich edit in a UTF-8 process reads \'hh wrongly (the euro sign of 1252
// became U+FFFD), but reads \uN right. Escapes in a symbol font, in an unknown character set, in
// the font table, in the fallback of an existing \uN, or that do not decode (a lone lead byte) stay
// as they are; so does every other byte.
std::string RtfWithUnicodeEscapes(const std::string& rtf);

} // namespace qv::platform::win32
