#include "headless_platform.h"
#include <algorithm>

namespace qv::platform::headless {

namespace {

class HeadlessModeless : public IModelessWindow {
  public:
    HeadlessModeless(HeadlessPlatform& platform, std::unique_ptr<HeadlessDialog> dialog)
        : platform_(platform), dialog_(std::move(dialog)) {}
    ~HeadlessModeless() override { platform_.CloseDialog(std::move(dialog_)); }
    HeadlessModeless(const HeadlessModeless&) = delete;
    HeadlessModeless& operator=(const HeadlessModeless&) = delete;
    IDialogWindow& Window() override { return *dialog_; }

  private:
    HeadlessPlatform& platform_;
    std::unique_ptr<HeadlessDialog> dialog_;
};

} // namespace

std::unique_ptr<HeadlessDialog>
HeadlessPlatform::OpenDialog(const DialogTemplate& dialog, IDialogEvents& events, WindowRef owner) {
    auto made = std::make_unique<HeadlessDialog>(*this, dialog, NewWindowRef(), events, owner);
    open_.push_back(made.get());
    events.OnInitDialog(*made);
    return made;
}

void HeadlessPlatform::CloseDialog(std::unique_ptr<HeadlessDialog> dialog) {
    if (!dialog)
        return;
    open_.erase(std::remove(open_.begin(), open_.end(), dialog.get()), open_.end());
    if (!dialog->destroyed) {
        dialog->Events().OnDestroy();
        dialog->destroyed = true;
    }
}

HeadlessDialog* HeadlessPlatform::FindOpen(int templateId) const {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        if ((*it)->Template().id == templateId)
            return *it;
    return nullptr;
}

HeadlessPlatform::OthersBlocked::OthersBlocked(HeadlessPlatform& platform, WindowRef owner)
    : platform_(platform) {
    if (!owner)
        return;
    for (HeadlessDialog* open : platform_.open_) {
        if (open->Handle() != owner && open->inputEnabled) {
            open->inputEnabled = false;
            blocked_.push_back(open);
        }
    }
}

HeadlessPlatform::OthersBlocked::~OthersBlocked() {
    for (HeadlessDialog* dialog : blocked_)
        if (std::find(platform_.open_.begin(), platform_.open_.end(), dialog) !=
            platform_.open_.end())
            dialog->inputEnabled = true;
}

int HeadlessPlatform::RunModal(const DialogTemplate& dialog, IDialogEvents& events,
                               WindowRef owner) {
    const OthersBlocked others(*this, owner);
    auto made = OpenDialog(dialog, events, owner);
    if (!quitRequested && !made->ended) {
        auto& queue = scripts_[dialog.id];
        if (!queue.empty()) {
            Script script = std::move(queue.front());
            queue.pop_front();
            script(*made);
        }
    }
    int result = -1;
    if (made->ended && !quitRequested)
        result = made->endResult;
    else if (!made->ended && !quitRequested)
        ++unfinishedRuns;
    CloseDialog(std::move(made));
    return result;
}

std::unique_ptr<IModelessWindow> HeadlessPlatform::OpenModeless(const DialogTemplate& dialog,
                                                                IDialogEvents& events,
                                                                WindowRef owner) {
    auto made = OpenDialog(dialog, events, owner);
    return std::make_unique<HeadlessModeless>(*this, std::move(made));
}

SheetResult HeadlessPlatform::RunPropertySheet(const SheetContents& contents) {
    SheetResult result;
    const bool incomplete = std::any_of(contents.pages.begin(), contents.pages.end(),
                                        [](const SheetPage& p) { return !p.page || !p.events; });
    if (contents.pages.empty() || incomplete) {
        result.failed = true;
        return result;
    }
    const int start =
        contents.startPage >= 0 && std::size_t(contents.startPage) < contents.pages.size()
            ? contents.startPage
            : 0;
    const OthersBlocked others(*this, contents.owner);
    HeadlessSheet sheet(*this, contents);
    sheet.ShowPage(start);
    if (!sheetScripts_.empty() && !quitRequested) {
        SheetScript script = std::move(sheetScripts_.front());
        sheetScripts_.pop_front();
        script(sheet);
    }
    // A sheet that the script left open ends as a quit would end it: not with OK.
    if (!sheet.Ended() && !quitRequested)
        ++unfinishedRuns;
    result.ok = sheet.Ended() && sheet.EndedWithOk() && !quitRequested;
    result.activePage = sheet.ActivePage();
    return result;
}

namespace {

// The next scripted answer of a chooser; none, or an empty one, is Cancel.
template <class Choice>
bool TakeAnswer(std::deque<std::optional<Choice>>& answers, Choice& choice) {
    if (answers.empty())
        return false;
    std::optional<Choice> answer = std::move(answers.front());
    answers.pop_front();
    if (!answer)
        return false;
    choice = *answer;
    return true;
}

} // namespace

bool HeadlessPlatform::ChooseFont(FontChoice& choice, WindowRef) {
    fontsAsked.push_back(choice);
    return TakeAnswer(fontAnswers, choice);
}

bool HeadlessPlatform::ChooseColour(ColourChoice& choice, WindowRef) {
    coloursAsked.push_back(choice);
    return TakeAnswer(colourAnswers, choice);
}

void HeadlessPlatform::SendToWindow(WindowRef window, unsigned message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    for (HeadlessDialog* dialog : open_)
        if (dialog->Handle() == window && !dialog->destroyed) {
            dialog->Events().OnPosted(message, wParam, lParam);
            return;
        }
}

bool HeadlessPlatform::PostToWindow(WindowRef window, unsigned message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    std::lock_guard<std::mutex> guard(postedLock_);
    posted_.push_back(Posted{window, message, wParam, lParam});
    return true;
}

int HeadlessPlatform::DeliverPosted() {
    int delivered = 0;
    for (;;) {
        Posted next{};
        {
            std::lock_guard<std::mutex> guard(postedLock_);
            if (posted_.empty())
                return delivered;
            next = posted_.front();
            posted_.pop_front();
        }
        for (HeadlessDialog* dialog : open_)
            if (dialog->Handle() == next.window && !dialog->destroyed) {
                dialog->Events().OnPosted(next.message, next.wParam, next.lParam);
                ++delivered;
                break;
            }
    }
}

} // namespace qv::platform::headless
