#include "win32_shell_folders.h"
#include "win32_text.h"
#include <cwchar>

namespace qv::platform::win32 {

bool Win32ShellFolders::Load() {
    Unload();
    library_.reset(LoadLibraryA("SHFolder.dll"));
    if (!library_)
        return false;
    // The cast goes through a plain function pointer type, as GetProcAddress knows no signature.
    getFolderPath_ = reinterpret_cast<GetFolderPathFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(library_.get(), "SHGetFolderPathW")));
    return true;
}

bool Win32ShellFolders::GetFolderPath(int folderId, std::string& path) {
    if (!getFolderPath_)
        return false;
    // Wide, so that a user folder named beyond the legacy code page comes back whole.
    wchar_t buffer[MAX_PATH] = {};
    if (FAILED(getFolderPath_(nullptr, folderId, nullptr, 0, buffer)))
        return false;
    buffer[MAX_PATH - 1] = L'\0';
    path = FromWide(buffer, wcslen(buffer));
    return true;
}

void Win32ShellFolders::Unload() {
    getFolderPath_ = nullptr;
    library_.reset();
}

} // namespace qv::platform::win32
