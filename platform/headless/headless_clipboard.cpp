#include "headless_clipboard.h"

namespace qv::platform::headless {

bool HeadlessClipboard::SetViewer(WindowRef owner, WindowRef& next) {
    if (failSetViewer)
        return false;
    next = firstViewer;
    firstViewer = owner;
    // The platform notifies a new viewer at once.
    auto it = windows_.find(owner);
    if (it != windows_.end() && it->second.drawClipboard)
        it->second.drawClipboard(notice);
    return true;
}

bool HeadlessClipboard::ChangeChain(WindowRef owner, WindowRef next) {
    if (firstViewer == owner) {
        firstViewer = next;
        return true;
    }
    auto it = windows_.find(firstViewer);
    if (it != windows_.end() && it->second.changeChain)
        it->second.changeChain(owner, next);
    return true;
}

void HeadlessClipboard::ForwardDrawClipboard(WindowRef next, const ClipboardNotice& passed) {
    auto it = windows_.find(next);
    if (it != windows_.end() && it->second.drawClipboard)
        it->second.drawClipboard(passed);
}

void HeadlessClipboard::ForwardChangeChain(WindowRef next, WindowRef removed, WindowRef after) {
    auto it = windows_.find(next);
    if (it != windows_.end() && it->second.changeChain)
        it->second.changeChain(removed, after);
}

bool HeadlessClipboard::Open(WindowRef owner) {
    if (heldByOther_ || isOpen_)
        return false;
    isOpen_ = true;
    openBy_ = owner;
    changedWhileOpen_ = false;
    return true;
}

bool HeadlessClipboard::Empty() {
    if (!isOpen_)
        return false;
    formats_.clear();
    changedWhileOpen_ = true;
    ++sequence_;
    ownedByProgram_ = true;
    return true;
}

void HeadlessClipboard::Close() {
    if (!isOpen_)
        return;
    isOpen_ = false;
    openBy_ = 0;
    if (changedWhileOpen_)
        Notify();
}

int HeadlessClipboard::CountFormats() {
    return int(formats_.size());
}

bool HeadlessClipboard::IsFormatAvailable(ClipFormat format) {
    switch (format) {
    case ClipFormat::Text:
        return formats_.count("text") != 0;
    case ClipFormat::Bitmap:
        return formats_.count("bitmap") != 0;
    case ClipFormat::FileList:
        return formats_.count("files") != 0;
    case ClipFormat::Private: {
        const auto history = formats_.find(kCanIncludeInHistory);
        return formats_.count(kExcludeFromMonitors) != 0 || formats_.count(kViewerIgnore) != 0 ||
               (history != formats_.end() && history->second == std::string(4, '\0'));
    }
    }
    return false;
}

void HeadlessClipboard::PutFromOtherApp(const std::string& text, const std::string& rtf) {
    formats_.clear();
    SetText(text, rtf);
    ownedByProgram_ = false;
    Notify();
}

void HeadlessClipboard::PutTextWithFormat(const std::string& text, const std::string& format,
                                          const std::string& data) {
    formats_.clear();
    SetText(text, std::string());
    formats_[format] = data;
    ownedByProgram_ = false;
    Notify();
}

void HeadlessClipboard::PutOtherFormat(const std::string& name) {
    formats_.clear();
    formats_[name] = std::string();
    ++sequence_;
    ownedByProgram_ = false;
    Notify();
}

void HeadlessClipboard::EmptyFromOtherApp() {
    formats_.clear();
    ++sequence_;
    ownedByProgram_ = false;
    Notify();
}

void HeadlessClipboard::SetText(const std::string& text, const std::string& rtf) {
    formats_.erase("rtf");
    formats_["text"] = text;
    if (!rtf.empty())
        formats_["rtf"] = rtf;
    changedWhileOpen_ = true;
    ++sequence_;
}

std::string HeadlessClipboard::Text() const {
    auto it = formats_.find("text");
    return it == formats_.end() ? std::string() : it->second;
}

std::string HeadlessClipboard::Rtf() const {
    auto it = formats_.find("rtf");
    return it == formats_.end() ? std::string() : it->second;
}

void HeadlessClipboard::Notify() {
    ++notificationsSent;
    ForwardDrawClipboard(firstViewer, notice);
}

} // namespace qv::platform::headless
