// The real platform: Win32 with the ANSI calls.
#pragma once
#include "platform/platform.h"
#include "win32_clipboard.h"
#include "win32_clock.h"
#include "win32_files.h"
#include "win32_handles.h"
#include "win32_modal_loop.h"
#include "win32_settings.h"
#include "win32_shell.h"
#include "win32_shell_folders.h"
#include "win32_single_instance.h"
#include "win32_text.h"
#include "win32_threads.h"

namespace qv::platform::win32 {

// Joins the thread to OLE for as long as it lives: the rich edit control registers for OLE drag
// and drop and copies through the OLE clipboard, which want a thread that joined OLE.
class OleSession {
  public:
    OleSession();
    ~OleSession();
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

  private:
    bool joined_;
};

class Win32Platform : public IPlatform {
  public:
    // Prepares the common controls, OLE and the Rich Edit 1.0 library for the dialogs.
    Win32Platform();
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    IClipboard& Clipboard() override { return clipboard_; }
    ISettingsStore& Settings() override { return settings_; }
    IFileSystem& Files() override { return files_; }
    IShellFolders& ShellFolders() override { return shellFolders_; }
    IClock& Clock() override { return clock_; }
    IStringResources& Strings() override { return strings_; }
    ICodePage& CodePage() override { return codePage_; }
    IShell& Shell() override { return shell_; }
    ISingleInstance& SingleInstance() override { return singleInstance_; }
    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    int RunModal(const DialogTemplate& dialog, IDialogEvents& events, WindowRef owner) override;
    std::unique_ptr<IModelessWindow> OpenModeless(const DialogTemplate& dialog,
                                                  IDialogEvents& events, WindowRef owner) override;
    SheetResult RunPropertySheet(const SheetContents& sheet) override;
    bool ChooseFont(FontChoice& choice, WindowRef owner) override;
    bool ChooseColour(ColourChoice& choice, WindowRef owner) override;
    void SendToWindow(WindowRef window, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    int ScreenPixelsPerInch() override;
    bool PostToWindow(WindowRef window, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    std::unique_ptr<IWorkerThread> StartThread(std::function<int()> procedure) override {
        return Win32WorkerThread::Start(std::move(procedure));
    }
    int QuitCode() const override { return loop_.QuitCode(); }

    HINSTANCE Instance() const { return instance_; }
    ModalLoop& Loop() { return loop_; }
    bool HasRichEdit() const { return static_cast<bool>(richEdit_); }

  private:
    HINSTANCE instance_;
    UniqueModule richEdit_; // kept loaded while any dialog may hold a rich edit control
    // Ends before the rich edit library is freed: leaving OLE renders the pane's copied data
    // still on the clipboard, which takes that library's code.
    OleSession ole_;
    Win32Clipboard clipboard_;
    Win32Settings settings_;
    Win32Files files_;
    Win32ShellFolders shellFolders_;
    Win32Clock clock_;
    Win32Strings strings_;
    Win32CodePage codePage_;
    Win32Shell shell_;
    Win32SingleInstance singleInstance_;
    ModalLoop loop_;
};

} // namespace qv::platform::win32
