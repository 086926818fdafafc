#include "headless_sheet.h"
#include "headless_platform.h"

namespace qv::platform::headless {

HeadlessSheet::HeadlessSheet(HeadlessPlatform& platform, const SheetSpec& spec)
    : platform_(platform), spec_(spec), pages_(spec.pages.size()) {}

HeadlessSheet::~HeadlessSheet() {
    for (auto& page : pages_)
        if (page)
            platform_.CloseDialog(std::move(page));
}

HeadlessDialog& HeadlessSheet::Page(int index) {
    std::unique_ptr<HeadlessDialog>& page = pages_.at(std::size_t(index));
    if (!page) {
        const SheetPage& spec = spec_.pages[std::size_t(index)];
        page = platform_.OpenDialog(*spec.page, *spec.events, spec_.owner);
    }
    return *page;
}

void HeadlessSheet::ShowPage(int index) {
    Page(index);
    active_ = index;
    spec_.pages[std::size_t(index)].events->OnSetActive();
}

bool HeadlessSheet::PressApply() {
    if (!ApplyAvailable())
        return false;
    if (!ApplyPages())
        return false;
    spec_.pages[std::size_t(active_)].events->OnSetActive();
    return true;
}

bool HeadlessSheet::ApplyPages() {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i] && !spec_.pages[i].events->OnApply()) {
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
