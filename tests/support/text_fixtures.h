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

} // namespace qv::test
