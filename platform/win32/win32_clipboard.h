// The clipboard and the clipboard viewer chain.
#pragma once
#include "platform/clipboard.h"
#include "win32_api.h"
#include <cstddef>

namespace qv::platform::win32 {

// Adds bytes to the clipboard that the caller holds open, as format; the clipboard owns the
// memory once it took it. False when the memory could not be had or the clipboard refused it.
bool SetClipboardBytes(UINT format, const void* bytes, std::size_t size);

class Win32Clipboard : public IClipboard {
  public:
    // Finding no other viewer in the chain is no error: only a reported error fails.
    bool SetViewer(WindowRef owner, WindowRef& next) override;
    // True unless the platform reported an error.
    bool ChangeChain(WindowRef owner, WindowRef next) override;
    void ForwardDrawClipboard(WindowRef next, const ClipboardNotice& notice) override;
    void ForwardChangeChain(WindowRef next, WindowRef removed, WindowRef after) override;
    bool Open(WindowRef owner) override;
    bool Empty() override;
    void Close() override;
    int CountFormats() override;
    // Text is CF_UNICODETEXT or CF_TEXT, a bitmap CF_DIB, a file list CF_HDROP. Private data
    // carries "ExcludeClipboardContentFromMonitorProcessing" or "Clipboard Viewer Ignore", or
    // "CanIncludeInClipboardHistory" holding 0 (or unreadable).
    bool IsFormatAvailable(ClipFormat format) override;
    std::uint32_t SequenceNumber() override;
    // The owner window belongs to this process (a window that has gone leaves no owner).
    bool IsOwnedByProgram() override;
};

} // namespace qv::platform::win32
