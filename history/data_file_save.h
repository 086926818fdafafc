// Replaces a file with new contents so that a failed save never damages the old file.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qv {

namespace platform {
class IFileSystem;
}

// The new contents go to this file beside the target first.
constexpr const char kSaveTempSuffix[] = ".tmp";

// Writes bytes to path + kSaveTempSuffix (flushed), then puts that file in place of path in one
// step. On any failure the temporary file is deleted, the file at path is left as it was, and
// the result is false.
bool SaveFileSafely(platform::IFileSystem& fs, const std::string& path, const std::string& bytes);
// The same for contents given as pieces, which must stay valid during the call.
bool SaveFileSafely(platform::IFileSystem& fs, const std::string& path,
                    const std::vector<std::string_view>& pieces);

} // namespace qv
