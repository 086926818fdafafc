// Writing a file from pieces with as few system calls as the kernel allows.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv::platform::headless {

// Creates or empties the file at hostPath and writes the first `limit` bytes of the pieces, in
// order, to it. False on any failure, with what was written so far left in the file.
bool WriteGathered(const std::string& hostPath, const std::vector<std::string_view>& pieces,
                   std::size_t limit);

} // namespace qv::platform::headless
