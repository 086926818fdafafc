// What the program leaves behind for the user: its registry branch and its data folder.
#pragma once
#include "win32/win32_api.h"
#include <optional>
#include <string>

namespace qv::e2e {

constexpr char kCompanyKey[] = "Software\\Harrowmere Software";
constexpr char kProgramKey[] = "Software\\Harrowmere Software\\Quorvane";

// %APPDATA%\Harrowmere Software, without a trailing backslash.
std::string DataFolder();
std::string DataFilePath();
// The documents folder, where an old data file may wait to be carried over.
std::string DocumentsFolder();

// Removes the registry branch, the data folder with its files and an old data file in the
// documents folder, so that a test starts as on a first run, except that the Tip of the Day is
// turned off.
void ResetUserData();

bool ReadWholeFile(const std::string& path, std::string& contents);
bool WriteWholeFile(const std::string& path, const std::string& contents);
bool FileExists(const std::string& path);

// Values under HKCU\Software\Harrowmere Software\Quorvane\<section>, when present with their type.
std::optional<DWORD> RegistryDword(const std::string& section, const std::string& name);
std::optional<std::string> RegistryString(const std::string& section, const std::string& name);

// Values the program will read at its next start.
bool SetRegistryDword(const std::string& section, const std::string& name, DWORD value);
bool SetRegistryString(const std::string& section, const std::string& name,
                       const std::string& value);

} // namespace qv::e2e
