// Files and folders through the platform's ANSI file calls.
#pragma once
#include "platform/services.h"
#include "win32_api.h"

namespace qv::platform::win32 {

class Win32Files : public IFileSystem {
  public:
    bool GetAttributes(const std::string& path, bool& isFolder) override;
    bool FindFirst(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool ReadFile(const std::string& path, std::string& contents) override;
    bool ViewFile(const std::string& path,
                  const std::function<void(std::string_view)>& use) override;
    bool WriteFile(const std::string& path, const std::string& contents) override;
    // Small pieces are coalesced through a staging buffer of about 1 MB; larger ones are written
    // directly.
    bool WriteFileGather(const std::string& path,
                         const std::vector<std::string_view>& pieces) override;
    bool ReplaceFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
    bool GetLastWriteTime(const std::string& path, FileTime& time) override;
};

} // namespace qv::platform::win32
