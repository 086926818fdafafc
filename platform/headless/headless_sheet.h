// A property sheet of the headless back end, driven by the test's script: pages are made when
// first shown, as the real sheet makes them.
#pragma once
#include "headless_dialog.h"
#include "platform/common_dialogs.h"
#include <memory>
#include <vector>

namespace qv::platform::headless {

class HeadlessPlatform;

class HeadlessSheet {
  public:
    HeadlessSheet(HeadlessPlatform& platform, const SheetContents& contents);
    ~HeadlessSheet(); // destroys the pages that were made
    HeadlessSheet(const HeadlessSheet&) = delete;
    HeadlessSheet& operator=(const HeadlessSheet&) = delete;

    // Shows a page (made and initialised on its first showing).
    void ShowPage(int index);
    int ActivePage() const { return active_; }
    // The page's window; made and initialised if it was not yet.
    HeadlessDialog& Page(int index);
    bool IsMade(int index) const { return pages_[std::size_t(index)] != nullptr; }
    // The Apply button, available only while a page is marked changed (nothing happens
    // otherwise): Apply on every page made so far; a page that refuses is shown and stops it.
    // When all accept, the pages are unchanged again and the shown page hears it is shown
    // again, as on the real sheet. True when all accepted.
    bool PressApply();
    // OK (labelled Close once a page called CancelToClose): Apply on every page made so far,
    // then the end with OK when all accepted.
    void PressOk();
    // Cancel, Esc or the close box: the end without OK, also once Cancel was turned into Close.
    void PressCancel();
    bool ApplyAvailable() const { return Modified(); }
    bool Ended() const { return ended_; }
    bool EndedWithOk() const { return ok_; }
    bool Modified() const;
    bool CancelIsClose() const;

  private:
    bool ApplyPages();

    HeadlessPlatform& platform_;
    const SheetContents& contents_;
    std::vector<std::unique_ptr<HeadlessDialog>> pages_;
    int active_ = 0;
    bool ended_ = false;
    bool ok_ = false;
};

} // namespace qv::platform::headless
