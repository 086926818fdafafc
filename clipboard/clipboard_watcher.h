// The main window's place in the clipboard viewer chain and the rule that decides whether a
// clipboard change becomes an item: watching on, the window not in front, and contents that
// neither the program wrote itself nor were taken already. The clipboard's sequence number tells
// those apart, so another program's copy is taken however soon it follows the last one.
#pragma once
#include "platform/clipboard.h"
#include <cstdint>
#include <functional>

namespace qv {

class CClipboardWatcher {
  public:
    // The contents present at construction count as seen, so the notice of joining is not taken.
    explicit CClipboardWatcher(platform::IClipboard& clipboard);

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
    bool IsWatching() const { return watching_ && !paused_; }
    // Whether the clipboard now holds a change to take: watching, in the background, not paused,
    // and contents that are neither the program's own nor taken already.
    bool HasChangeToTake();
    // The contents with this sequence number were read into an item (or deliberately left out):
    // a notice of them that arrives later is not taken again.
    void MarkTaken(std::uint32_t sequence) { taken_ = sequence; }
    // Told when a change of another program arrived while watching was paused for an own write
    // and still stands once the write is over; the window takes it then.
    void SetMissedChangeHandler(std::function<void()> handler) { onMissed_ = std::move(handler); }

    // Every write of the program's own to the clipboard happens inside one of these: watching
    // pauses for the notice that arrives during the write, and the contents the write left are
    // remembered as the program's own, so their notice is never taken, however late it comes.
    class OwnWrite {
      public:
        explicit OwnWrite(CClipboardWatcher& watcher);
        ~OwnWrite();
        OwnWrite(const OwnWrite&) = delete;
        OwnWrite& operator=(const OwnWrite&) = delete;
        // Whether the clipboard changed since the write began: false when the copy did nothing.
        bool Changed() const;

      private:
        CClipboardWatcher& watcher_;
        std::uint32_t before_;
        bool wasPaused_;
    };

  private:
    bool IsNewChange(std::uint32_t sequence);

    platform::IClipboard& clipboard_;
    platform::WindowRef self_ = 0;
    platform::WindowRef next_ = 0;
    bool joined_ = false;
    bool inChain_ = false;
    bool active_ = false;
    bool minimized_ = false;
    bool watching_ = false;
    bool paused_ = false;
    // The sequence number of the first notice during the pause: the write's own, which the
    // platform delivers while the write runs.
    bool noticedInPause_ = false;
    std::uint32_t pauseNotice_ = 0;
    // A notice came in the pause after the own one: another program wrote as well.
    bool missedInPause_ = false;
    std::uint32_t own_;
    std::uint32_t taken_;
    std::function<void()> onMissed_;
};

} // namespace qv
