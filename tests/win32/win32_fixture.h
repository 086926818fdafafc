// Shared pieces of the Win32 tier: the one platform of the test process, dialogs made from the
// real templates, events that record what the dialog procedure delivered, and a message pump.
#pragma once
#include "platform/forwarded_events.h"
#include "resource.h"
#include "resources/resource_tables.h"
#include "win32/win32_dialog.h"
#include "win32/win32_platform.h"
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qv::win32test {

namespace pw = platform::win32;

// Created on first use and kept for the whole run: it joins OLE and loads the rich edit library.
pw::Win32Platform& TestPlatform();

// Records every event as a short line ("command 1004 0", "sys 64", "close", "cancel", ...). As a
// main window's events it also receives the clipboard-chain and session events.
class RecordingEvents : public platform::IMainWindowEvents {
  public:
    bool OnInitDialog(platform::IDialogWindow& window) override;
    void OnCommand(int id, int notifyCode) override;
    void OnNotify(const platform::NotifyEvent& event) override;
    void OnPosted(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void OnTimer(unsigned timerId) override;
    bool OnSysCommand(unsigned command) override;
    void OnClose() override;
    void OnCancel() override;
    void OnDestroy() override;
    void OnDrawClipboard(const platform::ClipboardNotice& notice) override;
    void OnChangeCbChain(platform::WindowRef removed, platform::WindowRef after) override;
    void OnActivate(bool active) override;
    void OnSize(platform::SizeKind kind) override;
    bool OnQueryEndSession() override;
    void OnEndSession(bool ending) override;
    void OnFontChange() override;
    int OnGetDefaultButton() override;

    // The events that arrived since the last call, oldest first.
    std::vector<std::string> Take();
    bool Saw(const std::string& event) const;

    std::vector<std::string> log;
    // Called at the end of OnInitDialog, and for each command, system command and close.
    std::function<void(platform::IDialogWindow&)> onInit;
    std::function<void(int id, int code)> onCommand;
    std::function<bool(unsigned command)> onSysCommand; // default: not handled
    std::function<void()> onClose;
    std::function<void(const platform::ClipboardNotice&)> onDrawClipboard;
    bool initResult = true; // false: the initialisation placed the focus itself
    bool endSessionAnswer = true;
    int defaultButton = 0;
    bool throwOnCommand = false;
    // The window while it exists; null again once it is destroyed.
    platform::IDialogWindow* window = nullptr;
    bool visibleAtDestroy = false;
};

// The events of a dialog other than the main window: the dialog events alone.
class RecordingDialogEvents : public platform::ForwardedEvents<platform::IDialogEvents> {
  public:
    explicit RecordingDialogEvents(RecordingEvents& log) : ForwardedEvents(log) {}
};

// Creates a dialog from its template, hidden, without running a loop.
std::unique_ptr<pw::Win32Dialog> OpenDialog(platform::IDialogEvents& events,
                                            int templateId = IDD_MAIN, HWND owner = nullptr);

// Dispatches the thread's messages for the given time (or until done() is true).
void Pump(unsigned milliseconds, const std::function<bool()>& done = nullptr);

// Text on the clipboard as another application would put it.
// Replaces the clipboard contents with one format's bytes, or with ANSI text.
bool PutClipboardData(HWND owner, UINT format, const void* bytes, std::size_t size);
bool PutClipboardText(HWND owner, const std::string& text);
// Unicode text only, as a program that copies CF_UNICODETEXT alone.
bool PutClipboardUnicode(HWND owner, const std::wstring& text);
// The clipboard's Unicode text in the program's code page, empty when it has none.
std::string ClipboardText();

} // namespace qv::win32test
