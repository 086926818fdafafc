#include "win32_settings.h"
#include "win32_handles.h"
#include <algorithm>
#include <vector>

namespace qv::platform::win32 {

namespace {

UniqueKey OpenForReading(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return UniqueKey();
    return UniqueKey(key);
}

} // namespace

void Win32Settings::SetRoot(const std::string& company, const std::string& application) {
    root_ = "Software\\" + company + "\\" + application;
}

int Win32Settings::GetInt(const std::string& section, const std::string& key, int defaultValue) {
    if (root_.empty())
        return defaultValue;
    const UniqueKey k = OpenForReading(root_ + "\\" + section);
    if (!k)
        return defaultValue;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(k.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return defaultValue;
    return static_cast<int>(value);
}

bool Win32Settings::WriteInt(const std::string& section, const std::string& key, int value) {
    const DWORD data = static_cast<DWORD>(value);
    return Write(section, key, REG_DWORD, &data, sizeof data);
}

std::string Win32Settings::GetString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) {
    if (root_.empty())
        return defaultValue;
    const UniqueKey k = OpenForReading(root_ + "\\" + section);
    if (!k)
        return defaultValue;
    std::vector<char> buffer(256);
    for (;;) {
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(buffer.size());
        const LONG result = RegQueryValueExA(k.get(), key.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (result == ERROR_MORE_DATA) {
            // The value may grow between the calls: ask again with the size just reported.
            buffer.resize(std::size_t(size) + 1);
            continue;
        }
        if (result != ERROR_SUCCESS || type != REG_SZ)
            return defaultValue;
        // A stored string need not carry its terminating zero; it ends at the first one.
        std::string value(buffer.data(), std::min<std::size_t>(size, buffer.size()));
        const std::size_t zero = value.find('\0');
        if (zero != std::string::npos)
            value.resize(zero);
        return value;
    }
}

bool Win32Settings::WriteString(const std::string& section, const std::string& key,
                                const std::string& value) {
    return Write(section, key, REG_SZ, value.c_str(), static_cast<unsigned long>(value.size() + 1));
}

bool Win32Settings::DeleteValue(const std::string& section, const std::string& key) {
    if (root_.empty())
        return false;
    const LSTATUS result =
        RegDeleteKeyValueA(HKEY_CURRENT_USER, (root_ + "\\" + section).c_str(), key.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool Win32Settings::Write(const std::string& section, const std::string& key, unsigned long type,
                          const void* data, unsigned long size) {
    if (root_.empty())
        return false;
    HKEY raw = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (root_ + "\\" + section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &raw,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const UniqueKey k(raw);
    return RegSetValueExA(k.get(), key.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

} // namespace qv::platform::win32
