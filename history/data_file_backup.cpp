#include "history/data_file_backup.h"
#include "platform/services.h"
#include <new>

namespace qv {

namespace {

bool SameDate(const platform::LocalTime& a, const platform::LocalTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

} // namespace

void BackUpDataFile(platform::IFileSystem& fs, const platform::IClock& clock,
                    const std::string& path) {
    bool isFolder = false;
    if (!fs.GetAttributes(path, isFolder) || isFolder)
        return;
    platform::FileTime written = 0;
    if (!fs.GetLastWriteTime(path, written))
        return;
    platform::LocalTime writtenLocal;
    if (!clock.FileTimeToLocal(written, writtenLocal))
        return;
    try {
        const std::string backup = path + kBackupSuffix;
        if (!SameDate(writtenLocal, clock.Now())) {
            fs.CopyFile(path, backup, false);
        } else if (!fs.GetAttributes(backup, isFolder)) {
            fs.CopyFile(path, backup, true);
        }
    } catch (const std::bad_alloc&) {
        // A missed backup is not worth failing the save for.
    }
}

} // namespace qv
