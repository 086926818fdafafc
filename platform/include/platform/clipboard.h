// The clipboard and the clipboard viewer chain.
#pragma once
#include "platform/types.h"
#include <cstdint>
#include <memory>

namespace qv::platform {

// Private: data whose writer asked clipboard monitors not to keep it (a password, say).
enum class ClipFormat { Text, Bitmap, FileList, Private };

class IClipboard {
  public:
    virtual ~IClipboard() = default;

    // Adds owner to the viewer chain; next receives the following viewer (0 when none).
    // False when the platform reported an error.
    virtual bool SetViewer(WindowRef owner, WindowRef& next) = 0;
    virtual bool ChangeChain(WindowRef owner, WindowRef next) = 0;
    // Passes a change notice, or a chain change, on to the next viewer.
    virtual void ForwardDrawClipboard(WindowRef next, const ClipboardNotice& notice) = 0;
    virtual void ForwardChangeChain(WindowRef next, WindowRef removed, WindowRef after) = 0;

    virtual bool Open(WindowRef owner) = 0;
    virtual bool Empty() = 0;
    virtual void Close() = 0;
    virtual int CountFormats() = 0;
    virtual bool IsFormatAvailable(ClipFormat format) = 0;
    // A number that changes with every change of the contents, the program's own included.
    virtual std::uint32_t SequenceNumber() = 0;
    // Whether a window of this program put the present contents there.
    virtual bool IsOwnedByProgram() = 0;
};

// Keeps the clipboard open for one scope.
class ClipboardSession {
  public:
    ClipboardSession(IClipboard& clipboard, WindowRef owner)
        : clipboard_(clipboard), open_(clipboard.Open(owner)) {}
    ~ClipboardSession() {
        if (open_)
            clipboard_.Close();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    bool IsOpen() const { return open_; }

  private:
    IClipboard& clipboard_;
    bool open_;
};

} // namespace qv::platform
