#include "installation.h"
#include "driver/program.h"
#include "driver/remote.h"
#include "win32/win32_handles.h"
#include <shlobj.h>
#include <vector>

namespace qv::e2e {

namespace {

constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvane";

std::string ShellFolder(int folderId) {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, folderId, nullptr, 0, path)))
        return std::string();
    return path;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

std::string& SetupPath() {
    static std::string path;
    return path;
}

std::string InstallFolder() {
    return ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Quorvane";
}

std::string InstalledProgram() {
    return InstallFolder() + "\\Quorvane.exe";
}

std::string StartMenuLink() {
    return ShellFolder(CSIDL_PROGRAMS) + "\\Quorvane.lnk";
}

std::string StartupLink() {
    return ShellFolder(CSIDL_STARTUP) + "\\Quorvane.lnk";
}

bool UninstallKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::optional<std::string> UninstallString(const std::string& name) {
    char value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kUninstallKey, name.c_str(), RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(value);
}

std::optional<DWORD> UninstallDword(const std::string& name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kUninstallKey, name.c_str(), RRF_RT_REG_DWORD, nullptr,
                     &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

std::string FileVersionText(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0)
        return std::string();
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data()))
        return std::string();
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\FileVersion", &text, &length) ||
        length == 0)
        return std::string();
    return std::string(static_cast<const char*>(text));
}

long RunAndWait(const std::string& commandLine, unsigned timeoutMs) {
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return -1;
    const platform::win32::UniqueKernelHandle process(info.hProcess);
    const platform::win32::UniqueKernelHandle thread(info.hThread);
    const auto ended = [&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; };
    if (!WaitUntil(ended, timeoutMs, process.get()) && !ended())
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return static_cast<long>(code);
}

long RunSetup(const std::string& switches) {
    return RunAndWait("\"" + WindowsPath(SetupPath()) + "\" " + switches, 120000);
}

bool RunQuietUninstall(const std::string& extraSwitches) {
    const std::optional<std::string> command = UninstallString("QuietUninstallString");
    if (!command || RunAndWait(*command + " " + extraSwitches, 60000) != 0)
        return false;
    return WaitUntil([] { return !UninstallKeyExists() && !FileExists(InstallFolder()); }, 60000);
}

} // namespace qv::e2e
