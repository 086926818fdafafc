#include "headless_sheet.h"
#include "headless_platform.h"

namespace qv::platform::headless {

HeadlessSheet::HeadlessSheet(HeadlessPlatform& platform, const SheetContents& contents)
    : platform_(platform), contents_(contents), pages_(contents.pages.size()) {}

HeadlessSheet::~HeadlessSheet() {
    for (auto& page : pages_)
        if (page)
            platform_.CloseDialog(std::move(page));
}

HeadlessDialog& HeadlessSheet::Page(int index) {
    std::unique_ptr<HeadlessDialog>& page = pages_.at(std::size_t(index));
    if (!page) {
        const SheetPage& entry = contents_.pages[std::size_t(index)];
        page = platform_.OpenDialog(*entry.page, *entry.events, contents_.owner);
    }
    return *page;
}

void HeadlessSheet::ShowPage(int index) {
    Page(index);
    active_ = index;
    contents_.pages[std::size_t(index)].events->OnSetActive();
}

bool HeadlessSheet::PressApply() {
    if (!ApplyAvailable())
        return false;
    if (!ApplyPages())
        return false;
    contents_.pages[std::size_t(active_)].events->OnSetActive();
    return true;
}

bool HeadlessSheet::ApplyPages() {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i] && !contents_.pages[i].events->OnApply()) {
            if (active_ != int(i))
                ShowPage(int(i));
            return false;
        }
    }
    for (auto& page : pages_)
        if (page)
            page->modified = false;
    return true;
}

void HeadlessSheet::PressOk() {
    if (!ApplyPages())
        return;
    ended_ = true;
    ok_ = true;
}

void HeadlessSheet::PressCancel() {
    ended_ = true;
    ok_ = false;
}

bool HeadlessSheet::Modified() const {
    for (const auto& page : pages_)
        if (page && page->modified)
            return true;
    return false;
}

bool HeadlessSheet::CancelIsClose() const {
    for (const auto& page : pages_)
        if (page && page->cancelIsClose)
            return true;
    return false;
}

} // namespace qv::platform::headless
