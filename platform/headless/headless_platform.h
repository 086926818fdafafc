// The headless platform: every service in memory or in a temporary folder, dialogs driven by tests.
#pragma once
#include "headless_clipboard.h"
#include "headless_dialog.h"
#include "headless_services.h"
#include "platform/platform.h"
#include <functional>
#include <memory>

namespace qv::platform::headless {

class HeadlessPlatform : public IPlatform {
  public:
    IClipboard& Clipboard() override { return clipboard; }
    ISettingsStore& Settings() override { return settings; }
    IFileSystem& Files() override { return files; }
    IShellFolders& ShellFolders() override { return shell; }
    IClock& Clock() override { return clock; }
    IStringResources& Strings() override { return strings; }
    ICodePage& CodePage() override { return codePage; }
    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override {
        return messages.Show(text, caption, buttons, icon);
    }
    // Opens the dialog, runs the test's script on it while it is open (unless start-up already
    // asked to quit), then destroys it.
    int RunModalDialog(int templateId, IDialogEvents& events) override;
    int QuitCode() const override { return quitCode; }

    // Opens a dialog and calls its initialisation; the caller drives it and then closes it.
    std::unique_ptr<HeadlessDialog> OpenDialog(int templateId, IDialogEvents& events);
    void CloseDialog(std::unique_ptr<HeadlessDialog> dialog);
    WindowRef NewWindowRef() { return ++lastWindow_; }

    HeadlessClipboard clipboard;
    HeadlessSettings settings;
    HeadlessFileSystem files;
    HeadlessShellFolders shell;
    HeadlessClock clock;
    HeadlessStrings strings;
    HeadlessCodePage codePage;
    MessageBoxScript messages;
    std::function<void(HeadlessDialog&)> script;
    int quitCode = 0;
    bool quitRequested = false;

  private:
    WindowRef lastWindow_ = 0x100;
};

} // namespace qv::platform::headless
