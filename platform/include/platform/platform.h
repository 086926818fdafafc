// Everything the program's logic reaches the platform through.
#pragma once
#include "platform/clipboard.h"
#include "platform/common_dialogs.h"
#include "platform/services.h"
#include "platform/single_instance.h"
#include "platform/threads.h"
#include "platform/window.h"
#include <cstdint>
#include <memory>

namespace qv::platform {

class IPlatform {
  public:
    virtual ~IPlatform() = default;
    virtual IClipboard& Clipboard() = 0;
    virtual ISettingsStore& Settings() = 0;
    virtual IFileSystem& Files() = 0;
    virtual IShellFolders& ShellFolders() = 0;
    virtual IClock& Clock() = 0;
    virtual IStringResources& Strings() = 0;
    virtual ICodePage& CodePage() = 0;
    virtual IShell& Shell() = 0;
    virtual ISingleInstance& SingleInstance() = 0;
    // A message box without an owner window (before the main window exists).
    virtual MsgResult MessageBox(const std::string& text, const std::string& caption,
                                 MsgButtons buttons, MsgIcon icon) = 0;

    // Creates the dialog, runs it until EndDialog and returns that result; the owner (0 for
    // none) takes no input meanwhile. -1 when the dialog could not be made or a quit request
    // ended it. A main window's events are the IMainWindowEvents the dialog gives.
    virtual int RunModal(const DialogTemplate& dialog, IDialogEvents& events, WindowRef owner) = 0;
    // Creates a modeless dialog, owned by owner, hidden (unless its template says visible) so
    // that it shows only once filled and placed; null when it could not be made.
    virtual std::unique_ptr<IModelessWindow>
    OpenModeless(const DialogTemplate& dialog, IDialogEvents& events, WindowRef owner) = 0;
    virtual SheetResult RunPropertySheet(const SheetContents& sheet) = 0;
    // The choosers: true with the choice filled in on OK, false on Cancel.
    virtual bool ChooseFont(FontChoice& choice, WindowRef owner) = 0;
    virtual bool ChooseColour(ColourChoice& choice, WindowRef owner) = 0;
    // Vertical pixels per logical inch of the display, asked of the display each time.
    virtual int ScreenPixelsPerInch() = 0;
    // Hands a message to the window's thread, from any thread; it arrives as OnPosted.
    virtual bool PostToWindow(WindowRef window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    // Starts a worker thread of normal priority and default stack size that runs procedure at
    // once; null when the thread could not be made.
    virtual std::unique_ptr<IWorkerThread> StartThread(std::function<int()> procedure) = 0;

    // Hands a message to a window of this thread and returns when the window has handled it; it
    // arrives as OnPosted. The window's answer is 0.
    virtual void SendToWindow(WindowRef window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;

    // The exit code of the last quit request, 0 when none was made.
    virtual int QuitCode() const = 0;
};

// The program's own entry, called by the platform's entry point; returns the exit code.
int RunProgram(IPlatform& platform);

} // namespace qv::platform
