#include "win32_files.h"
#include "win32_handles.h"
#include "win32_text.h"
#include <algorithm>

namespace qv::platform::win32 {

// Paths go through the wide calls: the ANSI file calls are not bound to the process's UTF-8.

namespace {

// One ReadFile or WriteFile call moves at most this much; larger contents take several.
constexpr std::size_t kMaxTransfer = 1u << 30;

} // namespace

bool Win32Files::GetAttributes(const std::string& path, bool& isFolder) {
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return true;
}

bool Win32Files::FindFirst(const std::string& path) {
    WIN32_FIND_DATAW data{};
    const UniqueFind search(FindFirstFileW(ToWide(path).c_str(), &data));
    return static_cast<bool>(search);
}

bool Win32Files::CreateFolder(const std::string& path) {
    return CreateDirectoryW(ToWide(path).c_str(), nullptr) != FALSE;
}

bool Win32Files::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    return CopyFileW(ToWide(from).c_str(), ToWide(to).c_str(), failIfExists ? TRUE : FALSE) !=
           FALSE;
}

bool Win32Files::ReadFile(const std::string& path, std::string& contents) {
    const UniqueFile file(CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > std::string().max_size())
        return false;
    std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < data.size()) {
        const DWORD want = static_cast<DWORD>(std::min(data.size() - done, kMaxTransfer));
        DWORD got = 0;
        if (!::ReadFile(file.get(), &data[done], want, &got, nullptr))
            return false;
        if (got == 0)
            break; // the file shrank while it was read
        done += got;
    }
    data.resize(done);
    contents.swap(data);
    return true;
}

bool Win32Files::WriteFile(const std::string& path, const std::string& contents) {
    UniqueFile file(CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    std::size_t done = 0;
    while (done < contents.size()) {
        const DWORD want = static_cast<DWORD>(std::min(contents.size() - done, kMaxTransfer));
        DWORD written = 0;
        if (!::WriteFile(file.get(), contents.data() + done, want, &written, nullptr) ||
            written != want)
            return false;
        done += written;
    }
    if (!FlushFileBuffers(file.get()))
        return false;
    // Closing can still report a failed write; it counts.
    return CloseHandle(file.release()) != FALSE;
}

bool Win32Files::ReplaceFile(const std::string& from, const std::string& to) {
    return MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool Win32Files::DeleteFile(const std::string& path) {
    return DeleteFileW(ToWide(path).c_str()) != FALSE;
}

bool Win32Files::GetLastWriteTime(const std::string& path, FileTime& time) {
    // Opened for its attributes only, so a file that another program holds open still answers.
    const UniqueFile file(CreateFileW(ToWide(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file)
        return false;
    FILETIME written{};
    if (!GetFileTime(file.get(), nullptr, nullptr, &written))
        return false;
    time = (FileTime(written.dwHighDateTime) << 32) | written.dwLowDateTime;
    return true;
}

} // namespace qv::platform::win32
