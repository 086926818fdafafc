// The per-user data folder and the folder and file checks it needs.
#pragma once
#include "platform/platform.h"
#include "window/user_messages.h"
#include <string>

namespace qv {

constexpr const char kFallbackDataFolder[] = "C:\\Windows\\Application Data\\Harrowmere Software\\";
constexpr int kFolderAppData = 0x1A;
constexpr int kFolderPersonal = 5;

// Finds or creates the data folder (ending in a backslash) and carries an old data file over from
// the documents folder once. False after a message.
bool GetDataFolder(platform::IPlatform& platform, const ProgramTexts& texts, std::string& folder);
bool EnsureFolderExists(platform::IFileSystem& files, std::string path);
bool IsExistingFolder(platform::IFileSystem& files, const char* path, bool missingIsFolder);
bool FileExists(platform::IFileSystem& files, const std::string& path);

} // namespace qv
