#include "history/data_file_save.h"
#include "platform/services.h"
#include <new>

namespace qv {

bool SaveFileSafely(platform::IFileSystem& fs, const std::string& path, const std::string& bytes) {
    std::string temp;
    try {
        temp = path + kSaveTempSuffix;
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (fs.WriteFile(temp, bytes) && fs.ReplaceFile(temp, path))
        return true;
    // A failed write may have left part of the buffer behind.
    fs.DeleteFile(temp);
    return false;
}

} // namespace qv
