#include "mainwindow/clipboard_watcher.h"

namespace qv {

CClipboardWatcher::CClipboardWatcher(platform::IClipboard& clipboard, const platform::IClock& clock)
    : clipboard_(clipboard), clock_(clock), lastOwnWrite_(clock.MillisecondsSinceStart()) {}

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

bool CClipboardWatcher::OnChange(const platform::ClipboardNotice& notice) {
    const std::uint32_t elapsed = clock_.MillisecondsSinceStart() - lastOwnWrite_;
    if (next_)
        clipboard_.ForwardDrawClipboard(next_, notice);
    return !IsForeground() && watching_ && elapsed > kOwnWriteWindowMs;
}

void CClipboardWatcher::OnChainChange(platform::WindowRef removed, platform::WindowRef after) {
    if (removed == next_)
        next_ = after;
    else if (next_)
        clipboard_.ForwardChangeChain(next_, removed, after);
}

void CClipboardWatcher::StampOwnWrite() {
    lastOwnWrite_ = clock_.MillisecondsSinceStart();
}

} // namespace qv
