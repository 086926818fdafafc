// Shell folders through SHFolder.dll, loaded at run time as older systems may lack it.
#pragma once
#include "platform/services.h"
#include "win32_handles.h"

namespace qv::platform::win32 {

class Win32ShellFolders : public IShellFolders {
  public:
    bool Load() override;
    bool HasFolderFunction() const override { return getFolderPath_ != nullptr; }
    // folderId is a CSIDL value; the path comes back without a trailing backslash.
    bool GetFolderPath(int folderId, std::string& path) override;
    void Unload() override;

  private:
    using GetFolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    UniqueModule library_;
    GetFolderPathFn getFolderPath_ = nullptr;
};

} // namespace qv::platform::win32
