#include "history/data_file_save.h"
#include "platform/services.h"
#include <new>

namespace qv {

namespace {

// write(temp) puts the new contents into the temporary file.
template <class Write>
bool SaveThroughTemporary(platform::IFileSystem& fs, const std::string& path, Write&& write) {
    std::string temp;
    try {
        temp = path + kSaveTempSuffix;
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (write(temp) && fs.ReplaceFile(temp, path))
        return true;
    // A failed write may have left part of the contents behind.
    fs.DeleteFile(temp);
    return false;
}

} // namespace

bool SaveFileSafely(platform::IFileSystem& fs, const std::string& path, const std::string& bytes) {
    return SaveThroughTemporary(fs, path,
                                [&](const std::string& temp) { return fs.WriteFile(temp, bytes); });
}

bool SaveFileSafely(platform::IFileSystem& fs, const std::string& path,
                    const std::vector<std::string_view>& pieces) {
    return SaveThroughTemporary(
        fs, path, [&](const std::string& temp) { return fs.WriteFileGather(temp, pieces); });
}

} // namespace qv
