// String resources of the program and the conversions between the program's code page and UTF-16.
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
    bool AnsiToWide(const std::string& text, std::u16string& wide) const override;
    // From the system locale's default ANSI code page, which a UTF-8 process does not change.
    std::string LegacyToAnsi(const std::string& text) const override;
    // As the list box's exact-string lookup compares: the user's locale, case ignored.
    bool EqualIgnoringCase(const std::string& a, const std::string& b) const override;
};

// The program's text (in the process code page) as UTF-16 for the W calls, and back. Invalid
// sequences become the replacement character.
std::wstring ToWide(const std::string& text);
std::string FromWide(const wchar_t* text, std::size_t length);
inline std::string FromWide(const std::wstring& text) {
    return FromWide(text.data(), text.size());
}

// The system locale's default ANSI code page: the one older files and other programs' 8-bit text
// use, which a UTF-8 process does not change.
UINT LegacyCodePage();

// The text of any window (caption, control text), read as UTF-16 and converted.
std::string WindowText(HWND window);

} // namespace qv::platform::win32
