// The main window's place in the clipboard viewer chain and the rule that decides whether a
// clipboard change becomes an item: watching on, the window not in front, and more than half a
// second since the program's own last paste or clipboard write.
#pragma once
#include "platform/clipboard.h"
#include "platform/services.h"
#include <cstdint>

namespace qv {

class CClipboardWatcher {
  public:
    static constexpr std::uint32_t kOwnWriteWindowMs = 500;

    // The own-write time starts at construction, so the notice of joining is not taken.
    CClipboardWatcher(platform::IClipboard& clipboard, const platform::IClock& clock);

    // Joins the viewer chain; false when the platform reported an error.
    bool Join(platform::WindowRef self);
    // Leaves the chain once, repairing it for the viewer that follows.
    void Leave();
    bool IsJoined() const { return joined_; }
    platform::WindowRef NextViewer() const { return next_; }

    // A clipboard change notice: passes it on unchanged, then says whether to take the change.
    bool OnChange(const platform::ClipboardNotice& notice);
    // A viewer left the chain: follows the repair, or passes the notice on.
    void OnChainChange(platform::WindowRef removed, platform::WindowRef after);

    // The window counts as in front while it is active and not minimized.
    void SetActive(bool active) { active_ = active; }
    void SetMinimized(bool minimized) { minimized_ = minimized; }
    bool IsMinimized() const { return minimized_; }
    bool IsForeground() const { return active_ && !minimized_; }

    void SetWatching(bool on) { watching_ = on; }
    bool IsWatching() const { return watching_; }
    // The program just pasted or wrote the clipboard itself.
    void StampOwnWrite();

    // Every write of the program's own to the clipboard happens inside one of these: watching
    // pauses for the notice that arrives during the write, and the own-write time is stamped
    // after it, so a notice that the platform delivers later falls inside the half second as
    // well, however long the work before the write took.
    class OwnWrite {
      public:
        explicit OwnWrite(CClipboardWatcher& watcher)
            : watcher_(watcher), wasWatching_(watcher.watching_) {
            watcher_.watching_ = false;
        }
        ~OwnWrite() {
            watcher_.watching_ = wasWatching_;
            watcher_.StampOwnWrite();
        }
        OwnWrite(const OwnWrite&) = delete;
        OwnWrite& operator=(const OwnWrite&) = delete;

      private:
        CClipboardWatcher& watcher_;
        bool wasWatching_;
    };

  private:
    platform::IClipboard& clipboard_;
    const platform::IClock& clock_;
    platform::WindowRef self_ = 0;
    platform::WindowRef next_ = 0;
    bool joined_ = false;
    bool inChain_ = false;
    bool active_ = false;
    bool minimized_ = false;
    bool watching_ = false;
    std::uint32_t lastOwnWrite_;
};

} // namespace qv
