// An in-memory clipboard with formats and a viewer chain whose members are headless windows.
#pragma once
#include "platform/clipboard.h"
#include <functional>
#include <map>
#include <string>

namespace qv::platform::headless {

class HeadlessClipboard : public IClipboard {
  public:
    // A window that takes part in the viewer chain.
    struct Viewer {
        std::function<void(const ClipboardNotice&)> drawClipboard;
        std::function<void(WindowRef removed, WindowRef after)> changeChain;
    };
    void RegisterWindow(WindowRef window, Viewer viewer) { windows_[window] = std::move(viewer); }
    void UnregisterWindow(WindowRef window) { windows_.erase(window); }

    bool SetViewer(WindowRef owner, WindowRef& next) override;
    bool ChangeChain(WindowRef owner, WindowRef next) override;
    void ForwardDrawClipboard(WindowRef next, const ClipboardNotice& notice) override;
    void ForwardChangeChain(WindowRef next, WindowRef removed, WindowRef after) override;
    bool Open(WindowRef owner) override;
    bool Empty() override;
    void Close() override;
    int CountFormats() override;
    bool IsFormatAvailable(ClipFormat format) override;
    std::uint32_t SequenceNumber() override { return sequence_; }
    bool IsOwnedByProgram() override { return ownedByProgram_; }

    // What another application does: replaces the contents and notifies the first viewer.
    void PutFromOtherApp(const std::string& text, const std::string& rtf = std::string());
    void PutOtherFormat(const std::string& name); // "bitmap", "files" or any other
    // Text together with one more format by its registered name, holding data.
    void PutTextWithFormat(const std::string& text, const std::string& format,
                           const std::string& data);
    // The formats that mark data private, by the names Windows registers; the last holds a
    // 32-bit little-endian value, of which 0 marks the data private.
    static constexpr const char* kExcludeFromMonitors =
        "ExcludeClipboardContentFromMonitorProcessing";
    static constexpr const char* kViewerIgnore = "Clipboard Viewer Ignore";
    static constexpr const char* kCanIncludeInHistory = "CanIncludeInClipboardHistory";
    void EmptyFromOtherApp();
    // Another application keeps the clipboard open until Release.
    void HoldOpen() { heldByOther_ = true; }
    void Release() { heldByOther_ = false; }

    // Writers used by the headless controls while the clipboard is open.
    void SetText(const std::string& text, const std::string& rtf);
    bool HasText() const { return formats_.count("text") != 0; }
    std::string Text() const;
    std::string Rtf() const;

    // Runs when a control is about to read the contents: another program may write just then.
    std::function<void()> beforeRead;
    WindowRef firstViewer = 0;
    bool failSetViewer = false;
    int notificationsSent = 0;
    // The parameters of the notices this clipboard sends for changes.
    ClipboardNotice notice{0x5EED, 0x1234};

  private:
    void Notify();
    std::map<std::string, std::string> formats_;
    std::map<WindowRef, Viewer> windows_;
    WindowRef openBy_ = 0;
    bool isOpen_ = false;
    bool heldByOther_ = false;
    bool changedWhileOpen_ = false;
    // Every change counts, as on Windows; writes through Open are the program's own.
    std::uint32_t sequence_ = 1;
    bool ownedByProgram_ = false;
};

} // namespace qv::platform::headless
