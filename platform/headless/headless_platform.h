// The headless platform: every service in memory or in a temporary folder, dialogs driven by the
// test's scripts.
#pragma once
#include "headless_clipboard.h"
#include "headless_dialog.h"
#include "headless_services.h"
#include "headless_sheet.h"
#include "headless_threads.h"
#include "platform/platform.h"
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace qv::platform::headless {

class HeadlessPlatform : public IPlatform {
  public:
    using Script = std::function<void(HeadlessDialog&)>;
    using SheetScript = std::function<void(HeadlessSheet&)>;

    HeadlessPlatform() = default;
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    IClipboard& Clipboard() override { return clipboard; }
    ISettingsStore& Settings() override { return settings; }
    IFileSystem& Files() override { return files; }
    IShellFolders& ShellFolders() override { return shellFolders; }
    IClock& Clock() override { return clock; }
    IStringResources& Strings() override { return strings; }
    ICodePage& CodePage() override { return codePage; }
    IShell& Shell() override { return shell; }
    ISingleInstance& SingleInstance() override { return singleInstance; }
    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override {
        return messages.Show(text, caption, buttons, icon);
    }
    // Opens the dialog and runs the next script given for its template id while it is open
    // (unless its initialisation ended it or asked to quit), then destroys it. Returns the
    // EndDialog result; -1 when a quit request ended it or the script left it open, as the
    // real platform's loop would only end by a quit then.
    int RunModal(const DialogTemplate& dialog, IDialogEvents& events, WindowRef owner) override;
    std::unique_ptr<IModelessWindow> OpenModeless(const DialogTemplate& dialog,
                                                  IDialogEvents& events, WindowRef owner) override;
    SheetResult RunPropertySheet(const SheetContents& sheet) override;
    bool ChooseFont(FontChoice& choice, WindowRef owner) override;
    bool ChooseColour(ColourChoice& choice, WindowRef owner) override;
    int ScreenPixelsPerInch() override {
        ++pixelsPerInchReads;
        return pixelsPerInch;
    }
    // Thread-safe; the message waits until DeliverPosted.
    void SendToWindow(WindowRef window, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    bool PostToWindow(WindowRef window, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    std::unique_ptr<IWorkerThread> StartThread(std::function<int()> procedure) override {
        return threads.Start(std::move(procedure));
    }
    int QuitCode() const override { return quitCode; }

    // The test's side. Scripts run in the order given, each for one run of its template.
    void OnDialog(int templateId, Script script) {
        scripts_[templateId].push_back(std::move(script));
    }
    // Scripts for the property sheets, in order, each run while its sheet shows the start page;
    // a sheet that none (or its script) ended counts as unfinished and ends without OK.
    void OnSheet(SheetScript script) { sheetScripts_.push_back(std::move(script)); }
    // Opens a dialog and calls its initialisation; the caller drives it and then closes it.
    std::unique_ptr<HeadlessDialog> OpenDialog(const DialogTemplate& dialog, IDialogEvents& events,
                                               WindowRef owner = 0);
    void CloseDialog(std::unique_ptr<HeadlessDialog> dialog);
    // The open dialog of a template id (the innermost when several), or null.
    HeadlessDialog* FindOpen(int templateId) const;
    // Hands the posted messages to their windows, in order; returns how many arrived.
    int DeliverPosted();
    WindowRef NewWindowRef() { return ++lastWindow_; }
    // While a modal window with an owner is open, the other open windows take no input, as on
    // Windows: a guard for the time it is open.
    class OthersBlocked {
      public:
        OthersBlocked(HeadlessPlatform& platform, WindowRef owner);
        ~OthersBlocked();
        OthersBlocked(const OthersBlocked&) = delete;
        OthersBlocked& operator=(const OthersBlocked&) = delete;

      private:
        std::vector<HeadlessDialog*> blocked_;
        HeadlessPlatform& platform_;
    };

    HeadlessClipboard clipboard;
    HeadlessSettings settings;
    HeadlessFileSystem files;
    HeadlessShellFolders shellFolders;
    HeadlessClock clock;
    HeadlessStrings strings;
    HeadlessCodePage codePage;
    HeadlessShell shell;
    HeadlessSingleInstance singleInstance;
    MessageBoxScript messages;
    HeadlessThreads threads;
    // Answers of the choosers, in order; none (or an empty answer) is Cancel.
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<std::optional<ColourChoice>> colourAnswers;
    std::vector<FontChoice> fontsAsked;
    std::vector<ColourChoice> coloursAsked;
    // Runs when a window that was never shown is first shown, before it shows.
    std::function<void(HeadlessDialog&)> onFirstShow;
    int pixelsPerInch = 96;
    int pixelsPerInchReads = 0;
    int quitCode = 0;
    bool quitRequested = false;
    // Modal runs and property sheets whose script left them open.
    int unfinishedRuns = 0;

  private:
    std::map<int, std::deque<Script>> scripts_;
    std::deque<SheetScript> sheetScripts_;
    std::vector<HeadlessDialog*> open_;
    struct Posted {
        WindowRef window;
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::mutex postedLock_;
    std::deque<Posted> posted_;
    WindowRef lastWindow_ = 0x100;
};

} // namespace qv::platform::headless
