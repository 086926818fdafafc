#include "clipboard/clipboard_watcher.h"

namespace qv {

CClipboardWatcher::CClipboardWatcher(platform::IClipboard& clipboard)
    : clipboard_(clipboard), own_(clipboard.SequenceNumber()), taken_(own_) {}

bool CClipboardWatcher::Join(platform::WindowRef self) {
    platform::WindowRef next = 0;
    if (!clipboard_.SetViewer(self, next))
        return false;
    self_ = self;
    next_ = next;
    joined_ = true;
    inChain_ = true;
    return true;
}

void CClipboardWatcher::Leave() {
    if (inChain_ && next_)
        clipboard_.ChangeChain(self_, next_);
    inChain_ = false;
}

bool CClipboardWatcher::IsNewChange(std::uint32_t sequence) {
    return sequence != own_ && sequence != taken_ && !clipboard_.IsOwnedByProgram();
}

bool CClipboardWatcher::OnChange(const platform::ClipboardNotice& notice) {
    const std::uint32_t sequence = clipboard_.SequenceNumber();
    if (next_)
        clipboard_.ForwardDrawClipboard(next_, notice);
    if (paused_) {
        if (!noticedInPause_) {
            noticedInPause_ = true;
            pauseNotice_ = sequence;
        } else if (sequence != pauseNotice_) {
            missedInPause_ = true;
        }
        return false;
    }
    return !IsForeground() && watching_ && IsNewChange(sequence);
}

bool CClipboardWatcher::HasChangeToTake() {
    return !paused_ && !IsForeground() && watching_ && IsNewChange(clipboard_.SequenceNumber());
}

void CClipboardWatcher::OnChainChange(platform::WindowRef removed, platform::WindowRef after) {
    if (removed == next_)
        next_ = after;
    else if (next_)
        clipboard_.ForwardChangeChain(next_, removed, after);
}

CClipboardWatcher::OwnWrite::OwnWrite(CClipboardWatcher& watcher)
    : watcher_(watcher), before_(watcher.clipboard_.SequenceNumber()), wasPaused_(watcher.paused_) {
    if (!wasPaused_) {
        watcher_.paused_ = true;
        watcher_.noticedInPause_ = false;
        watcher_.missedInPause_ = false;
    }
}

bool CClipboardWatcher::OwnWrite::Changed() const {
    return watcher_.clipboard_.SequenceNumber() != before_;
}

CClipboardWatcher::OwnWrite::~OwnWrite() {
    if (wasPaused_)
        return;
    CClipboardWatcher& w = watcher_;
    w.paused_ = false;
    const std::uint32_t now = w.clipboard_.SequenceNumber();
    // The write's own notice names its contents; without one, what changed since the write
    // began is the write's. A copy that changed nothing leaves another program's contents
    // theirs.
    if (w.noticedInPause_)
        w.own_ = w.pauseNotice_;
    else if (now != before_)
        w.own_ = now;
    const bool missed = w.missedInPause_ || (w.noticedInPause_ && now != w.pauseNotice_);
    if (missed && w.onMissed_ && w.HasChangeToTake())
        w.onMissed_();
}

} // namespace qv
