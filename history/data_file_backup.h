// The once-a-day backup copy of the data file.
#pragma once
#include <string>

namespace qv {

namespace platform {
class IClock;
class IFileSystem;
} // namespace platform

constexpr const char kBackupSuffix[] = ".bak";

// Called before each save. Copies the file at path to path + kBackupSuffix when the file was last
// written on another local calendar day than today (replacing an older backup), or when it was
// written today and no backup exists yet. So the backup holds the file as it stood before the
// first save of the day. Every failure is silent and makes no copy.
void BackUpDataFile(platform::IFileSystem& fs, const platform::IClock& clock,
                    const std::string& path);

} // namespace qv
