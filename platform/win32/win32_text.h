// String resources of the program and conversions from UTF-16 to the ANSI code page.
#pragma once
#include "platform/services.h"
#include "win32_api.h"

namespace qv::platform::win32 {

class Win32Strings : public IStringResources {
  public:
    explicit Win32Strings(HINSTANCE instance) : instance_(instance) {}
    std::string Load(int id) const override;

  private:
    HINSTANCE instance_;
};

class Win32CodePage : public ICodePage {
  public:
    std::string WideToAnsi(const std::u16string& text) const override;
    // As the list box's exact-string lookup compares: the user's locale, case ignored.
    bool EqualIgnoringCase(const std::string& a, const std::string& b) const override;
};

// The text of any window (caption, control text).
std::string WindowText(HWND window);

} // namespace qv::platform::win32
