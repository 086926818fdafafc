// Byte layout of the data file that keeps both History lists between runs.
//
// All integers are little-endian. The file is: version (int32), then for the Main List and the
// Retain List in turn a count (int32) and that many entries; an entry is three strings (RTF text,
// list text, overflow text). A string is a length prefix followed by that many 8-bit characters.
#pragma once
#include <cstddef>
#include <cstdint>

namespace qv {

constexpr std::int32_t kDataFileVersion = 1;
constexpr int kDataFileListCount = 2; // the Main List, then the Retain List

// Length prefixes: one byte up to kMaxByteLength; else kLongPrefix and a 16-bit length up to
// kMaxWordLength; else kLongPrefix, k32BitLengthFollows and a 32-bit length.
constexpr std::uint8_t kLongPrefix = 0xFF;
constexpr std::size_t kMaxByteLength = 254;
constexpr std::size_t kMaxWordLength = 65533;
constexpr std::uint16_t k32BitLengthFollows = 0xFFFF;
constexpr std::uint64_t kMaxStringLength = 0xFFFFFFFFu;

// In place of a 16-bit length: a second prefix follows that counts UTF-16LE code units. Written
// for strings that are not ASCII.
constexpr std::uint16_t kWideTextMarker = 0xFFFE;

} // namespace qv
