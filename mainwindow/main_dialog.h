// The main window: routes every event of the window to the collaborators that do the work, and
// makes and ends them in order at start-up, exit and log-off.
#pragma once
#include "clipboard/clipboard_watcher.h"
#include "mainwindow/placement_keeper.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "window/user_messages.h"
#include <cstdint>
#include <memory>
#include <string>

namespace qv {

class CMainDialog : public platform::IMainWindowEvents {
  public:
    // Reads the settings; the data file lives in dataFolder (ending in a backslash).
    CMainDialog(platform::IPlatform& platform, const std::string& dataFolder);
    ~CMainDialog() override;
    CMainDialog(const CMainDialog&) = delete;
    CMainDialog& operator=(const CMainDialog&) = delete;

    bool OnInitDialog(platform::IDialogWindow& window) override;
    void OnCommand(int id, int notifyCode) override;
    // The Mini-Window's requests and another process's exit request.
    void OnPosted(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    bool OnSysCommand(unsigned command) override;
    void OnClose() override;
    void OnDestroy() override;
    void OnDrawClipboard(const platform::ClipboardNotice& notice) override;
    void OnChangeCbChain(platform::WindowRef removed, platform::WindowRef after) override;
    void OnActivate(bool active) override;
    void OnSize(platform::SizeKind kind) override;
    bool OnQueryEndSession() override { return true; }
    void OnEndSession(bool ending) override;
    void OnFontChange() override;
    // Enter never presses a button.
    int OnGetDefaultButton() override { return 0; }

  private:
    // The collaborators, made with the window and gone before it.
    struct Parts;

    // Start-up and shutdown.
    bool JoinClipboardChain();
    void ShowAtStart();
    void SaveState();
    // True unless the user answers No to the exit question.
    bool ConfirmExit();
    bool DeclinedDataFile() const;

    // Routes.
    void AskExit();
    // Remembers the Search field's term; see routing.cpp for when.
    void Commit();
    void ToggleMark();
    void SwitchWatching();
    void SwitchFormatting();

    // Results the dialog ends with: Esc after the question, and the Close command.
    static constexpr int kEndOk = 1;
    static constexpr int kEndCancel = 2;

    platform::IPlatform& platform_;
    const ProgramTexts texts_;
    const std::string dataFilePath_;
    CSettings settings_;
    CClipboardWatcher watcher_;
    CPlacementKeeper placement_;
    platform::IDialogWindow* window_ = nullptr;
    std::unique_ptr<Parts> parts_;
};

} // namespace qv
