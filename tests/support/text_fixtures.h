// Deterministic texts for tests and benchmarks.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace qv::test {

// Printable text of n characters with a line break about every 70 characters.
std::string MakeText(std::size_t n, std::uint32_t seed = 1);
// Every byte value from 0x80 to 0xFF once, between ASCII letters.
std::string HighBytesText();
// Latin, CJK, a symbol and an emoji, in UTF-8: "Gr\u00FC\u00DFe \u65E5\u672C\u8A9E \u2713
// \U0001F600".
std::string UnicodeText();

} // namespace qv::test
