#include "user_data.h"
#include "win32/win32_handles.h"
#include <shlobj.h>

namespace qv::e2e {

namespace {

std::string ShellFolder(int folderId) {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, folderId, nullptr, 0, path)))
        return std::string();
    return path;
}

void DeleteFolderTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    const platform::win32::UniqueFind search(FindFirstFileA((folder + "\\*").c_str(), &found));
    if (search) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteFolderTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search.get(), &found));
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

std::string DataFolder() {
    return ShellFolder(CSIDL_APPDATA) + "\\Harrowmere Software";
}

std::string DataFilePath() {
    return DataFolder() + "\\Quorvane.dat";
}

std::string DocumentsFolder() {
    return ShellFolder(CSIDL_PERSONAL);
}

void ResetUserData() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey);
    DeleteFolderTree(DataFolder());
    DeleteFileA((DocumentsFolder() + "\\Quorvane.dat").c_str());
    // The Tip of the Day would hold every start-up; its own cases turn it on again.
    SetRegistryDword("Start Up", "Show Day Tip", 0);
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    const platform::win32::UniqueFile file(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    contents.clear();
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        contents.append(buffer, got);
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& contents) {
    const platform::win32::UniqueFile file(CreateFileA(
        path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written,
                     nullptr) &&
           written == contents.size();
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<DWORD> RegistryDword(const std::string& section, const std::string& name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, (std::string(kProgramKey) + "\\" + section).c_str(),
                     name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

std::optional<std::string> RegistryString(const std::string& section, const std::string& name) {
    const std::string key = std::string(kProgramKey) + "\\" + section;
    DWORD size = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::string value(size, '\0');
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                     value.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(size > 0 ? size - 1 : 0);
    return value;
}

bool SetRegistryDword(const std::string& section, const std::string& name, DWORD value) {
    const std::string key = std::string(kProgramKey) + "\\" + section;
    return RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), REG_DWORD, &value,
                           sizeof value) == ERROR_SUCCESS;
}

bool SetRegistryString(const std::string& section, const std::string& name,
                       const std::string& value) {
    const std::string key = std::string(kProgramKey) + "\\" + section;
    return RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), REG_SZ, value.c_str(),
                           static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

} // namespace qv::e2e
