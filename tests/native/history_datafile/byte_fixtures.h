// Raw byte strings for data-file tests.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

namespace qv::test {

inline std::string Bytes(std::initializer_list<unsigned> values) {
    std::string out;
    for (unsigned v : values)
        out += char(v);
    return out;
}

inline std::string Le32(std::uint32_t v) {
    return Bytes({v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, v >> 24});
}

} // namespace qv::test
