#include "miniwindow/mini_window_keeper.h"
#include "miniwindow/mini_window_messages.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include "window/user_messages.h"
#include <algorithm>
#include <new>

namespace qv {

namespace {
constexpr int kHide = 0;
// Room reserved per row ahead of filling a full list.
constexpr std::size_t kBytesPerRow = 64;
} // namespace

CMiniWindowKeeper::CMiniWindowKeeper(const CWindowContext& context)
    : context_(context), platform_(context.platform), main_(context.window), lists_(context.lists) {
    lists_.Followers().Add(this);
}

CMiniWindowKeeper::~CMiniWindowKeeper() {
    lists_.Followers().Remove(this);
}

void CMiniWindowKeeper::Show() {
    if (!open_) {
        Create();
        return;
    }
    open_->events.SetMarkLabel(lists_.MarkSet());
    open_->window->Window().Show(platform::kShowRestore);
    open_->window->Window().Activate();
    SelectCaretRow();
}

bool CMiniWindowKeeper::Create(const platform::Placement* placement) {
    try {
        closed_.reserve(closed_.size() + 1); // closing it later cannot fail then
        auto made = std::make_unique<Open>(platform_, main_.Handle());
        // Unowned: an owned window would vanish with the main window when that is minimized,
        // which is when the Mini-Window is wanted most.
        made->window = platform_.OpenModeless(ProgramDialog(IDD_MINI_WINDOW), made->events, 0);
        if (!made->window)
            return false;
        platform::IDialogWindow& window = made->window->Window();
        window.SetTopmost();
        auto& rows = made->events.List();
        {
            const platform::RedrawPause frozen(rows);
            const int count = lists_.List().GetCount();
            rows.InitStorage(count, std::size_t(count) * kBytesPerRow);
            for (int i = 0; i < count; ++i)
                made->events.AddRow(lists_.LineText(i));
        }
        made->events.SetExtent(lists_.Box().Extent());
        made->events.SetMarkLabel(lists_.MarkSet());
        open_ = std::move(made);
        SelectCaretRow();
        // Shown only now, filled and in its place, so that it never flashes elsewhere empty.
        if (!placement || !window.SetPlacement(*placement)) {
            window.CenterOnScreen();
            window.Show(platform::kShowNormal);
        }
        return true;
    } catch (const std::bad_alloc&) {
        context_.messages.ShowOutOfMemory();
        return false;
    }
}

void CMiniWindowKeeper::SelectCaretRow() {
    if (!open_)
        return;
    auto& list = lists_.List();
    const int caret = list.GetCaretIndex();
    open_->events.SelectRow(list.IsSelected(caret) ? caret : open_->events.List().GetCount() - 1);
}

void CMiniWindowKeeper::ShowRestored() {
    if (open_)
        open_->window->Window().Show(platform::kShowRestore);
}

void CMiniWindowKeeper::OnClosed() {
    if (!open_)
        return;
    // Its own handler may still be running: it goes out of sight now and is destroyed later.
    open_->window->Window().Show(kHide);
    open_->events.MarkClosed();
    closed_.push_back(std::move(open_)); // room was reserved when it was made
    platform_.PostToWindow(main_.Handle(), WM_MINIWND_DISPOSE, 0, 0);
}

void CMiniWindowKeeper::DisposeClosed() {
    // One whose handler still runs (in a message box's loop) asks again when it returns.
    closed_.erase(std::remove_if(closed_.begin(), closed_.end(),
                                 [](const std::unique_ptr<Open>& closed) {
                                     return !closed->events.IsHandling();
                                 }),
                  closed_.end());
}

void CMiniWindowKeeper::LineAppended(const std::string& listText, int extent) {
    if (!open_)
        return;
    open_->events.AddRow(listText);
    open_->events.SetExtent(extent);
}

void CMiniWindowKeeper::LineRemoved(int line) {
    if (open_)
        open_->events.DeleteRow(line);
}

void CMiniWindowKeeper::AllRemoved() {
    if (open_)
        open_->events.RemoveAllRows();
}

void CMiniWindowKeeper::CaretLineChanged(int line) {
    if (open_)
        open_->events.SelectRow(line);
}

void CMiniWindowKeeper::ListReplaced() {
    if (!open_)
        return;
    platform::Placement placement{};
    const bool placed = open_->window->Window().GetPlacement(placement);
    OnClosed();
    if (!Create(placed ? &placement : nullptr))
        return;
    main_.Activate();
}

void CMiniWindowKeeper::ExtentChanged() {
    if (open_)
        open_->events.SetExtent(lists_.Box().Extent());
}

void CMiniWindowKeeper::MarkChanged(bool set) {
    if (open_)
        open_->events.SetMarkLabel(set);
}

} // namespace qv
