// Everything the program's logic reaches the platform through.
#pragma once
#include "platform/clipboard.h"
#include "platform/services.h"
#include "platform/window.h"

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
    // A message box without an owner window (before the main window exists).
    virtual MsgResult MessageBox(const std::string& text, const std::string& caption,
                                 MsgButtons buttons, MsgIcon icon) = 0;
    // Creates the dialog from its template, runs it until it ends and returns its result.
    virtual int RunModalDialog(int templateId, IDialogEvents& events) = 0;
    // The exit code of the last quit request, 0 when none was made.
    virtual int QuitCode() const = 0;
};

} // namespace qv::platform
