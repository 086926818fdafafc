// The driver as another application on the same desktop: a small visible window of its own that
// can take the foreground and own the clipboard.
#pragma once
#include "win32/win32_handles.h"
#include <string>

namespace qv::e2e {

class OtherApplication {
  public:
    OtherApplication();
    HWND Window() const { return window_.get(); }
    // Makes the driver's window the foreground window, so that the program is in the background.
    bool TakeForeground();
    // Replaces the clipboard contents with text (CF_TEXT) and, when rtf is not empty, the same
    // text as "Rich Text Format", as a word processor would. Takes the foreground first. False
    // when the clipboard could not be opened within the time bound.
    bool CopyText(const std::string& text, const std::string& rtf = std::string(),
                  bool takeForeground = true);
    // Replaces the clipboard contents with Unicode text alone (CF_UNICODETEXT) and, when marker
    // is given, that registered format holding data, as a password manager marks its clips.
    bool CopyUnicodeText(const std::wstring& text, const char* marker = nullptr,
                         const std::string& data = std::string());
    bool EmptyClipboard();
    // Puts an empty piece of data of the format (CF_DIB, CF_HDROP, ...) on the clipboard.
    bool CopyFormat(UINT format);
    // What the clipboard holds now: its plain text (the Unicode form, in UTF-8) and its RTF
    // ("" when absent).
    std::string ClipboardText();
    std::string ClipboardRtf();

  private:
    bool OpenClipboardBounded();
    platform::win32::UniqueWindow window_;
};

} // namespace qv::e2e
