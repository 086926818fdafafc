#include "win32_files.h"
#include "win32_handles.h"
#include "win32_text.h"
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace qv::platform::win32 {

// Paths go through the wide calls: the ANSI file calls are not bound to the process's UTF-8.

namespace {

// One ReadFile or WriteFile call moves at most this much; larger contents take several.
constexpr std::size_t kMaxTransfer = 1u << 30;
// Room for gathering small pieces of a file into one write.
constexpr std::size_t kStagingSize = 1u << 20;

HANDLE OpenForReading(const std::string& path) {
    return CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

bool SizeOf(HANDLE file, std::size_t& size) {
    LARGE_INTEGER bytes{};
    if (!GetFileSizeEx(file, &bytes) || bytes.QuadPart < 0 ||
        static_cast<unsigned long long>(bytes.QuadPart) > std::string().max_size())
        return false;
    size = static_cast<std::size_t>(bytes.QuadPart);
    return true;
}

// Reads an open file of the given size from its start.
bool ReadOpened(HANDLE file, std::size_t size, std::string& contents) {
    std::string data(size, '\0');
    std::size_t done = 0;
    while (done < data.size()) {
        const DWORD want = static_cast<DWORD>(std::min(data.size() - done, kMaxTransfer));
        DWORD got = 0;
        if (!::ReadFile(file, &data[done], want, &got, nullptr))
            return false;
        if (got == 0)
            break; // the file shrank while it was read
        done += got;
    }
    data.resize(done);
    contents.swap(data);
    return true;
}

// Writes all of the bytes at the file's current position.
bool WriteAll(HANDLE file, const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD want = static_cast<DWORD>(std::min(size, kMaxTransfer));
        DWORD written = 0;
        if (!::WriteFile(file, data, want, &written, nullptr) || written != want)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Writes the pieces one after the other. Small pieces are gathered in a staging buffer, so that
// a file of many short strings takes few calls; a piece that fills the buffer is written from
// where it lies.
bool WritePieces(HANDLE file, const std::vector<std::string_view>& pieces) {
    std::size_t total = 0;
    for (std::string_view piece : pieces)
        total += piece.size();
    // A smaller file needs no more room than itself; a single piece needs none.
    const std::size_t capacity = std::min(total, kStagingSize);
    std::unique_ptr<char[]> staging;
    std::size_t staged = 0;
    for (std::string_view piece : pieces) {
        if (piece.empty())
            continue;
        const bool direct = piece.size() >= capacity;
        if (direct || staged + piece.size() > capacity) {
            if (!WriteAll(file, staging.get(), staged))
                return false;
            staged = 0;
        }
        if (direct) {
            if (!WriteAll(file, piece.data(), piece.size()))
                return false;
            continue;
        }
        if (!staging) {
            staging.reset(new (std::nothrow) char[capacity]);
            if (!staging)
                return false;
        }
        std::memcpy(staging.get() + staged, piece.data(), piece.size());
        staged += piece.size();
    }
    return WriteAll(file, staging.get(), staged);
}

bool OnFixedDrive(const std::string& path) {
    wchar_t volume[MAX_PATH + 1] = {};
    return GetVolumePathNameW(ToWide(path).c_str(), volume, MAX_PATH + 1) &&
           GetDriveTypeW(volume) == DRIVE_FIXED;
}

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
    const UniqueFile file(OpenForReading(path));
    std::size_t size = 0;
    return file && SizeOf(file.get(), size) && ReadOpened(file.get(), size, contents);
}

bool Win32Files::ViewFile(const std::string& path,
                          const std::function<void(std::string_view)>& use) {
    const UniqueFile file(OpenForReading(path));
    std::size_t size = 0;
    if (!file || !SizeOf(file.get(), size))
        return false;
    // A mapped file that can no longer be read faults in the reader instead of failing a call,
    // so only files on the computer's own disks are mapped. An empty file has no mapping.
    if (size > 0 && OnFixedDrive(path)) {
        const UniqueKernelHandle mapping(
            CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
        const UniqueMappedView view(mapping ? MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0)
                                            : nullptr);
        if (view) {
            use(std::string_view(static_cast<const char*>(view.get()), size));
            return true;
        }
    }
    std::string contents;
    if (!ReadOpened(file.get(), size, contents))
        return false;
    use(contents);
    return true;
}

bool Win32Files::WriteFile(const std::string& path, const std::string& contents) {
    return WriteFileGather(path, {contents});
}

bool Win32Files::WriteFileGather(const std::string& path,
                                 const std::vector<std::string_view>& pieces) {
    UniqueFile file(CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !WritePieces(file.get(), pieces) || !FlushFileBuffers(file.get()))
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
