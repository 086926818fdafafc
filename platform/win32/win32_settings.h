// The settings store in the registry of the current user.
#pragma once
#include "platform/services.h"
#include <string>

namespace qv::platform::win32 {

// Values live under HKEY_CURRENT_USER\Software\<company>\<application>\<section>: integers as
// REG_DWORD, strings as REG_SZ. A value of another type reads as the default.
class Win32Settings : public ISettingsStore {
  public:
    void SetRoot(const std::string& company, const std::string& application) override;
    int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
    bool WriteInt(const std::string& section, const std::string& key, int value) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) override;
    bool DeleteValue(const std::string& section, const std::string& key) override;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

  private:
    bool Write(const std::string& section, const std::string& key, unsigned long type,
               const void* data, unsigned long size);
    std::string root_;
};

} // namespace qv::platform::win32
