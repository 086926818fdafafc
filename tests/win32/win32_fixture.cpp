#include "win32_fixture.h"
#include "resources/resource_tables.h"
#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace qv::win32test {

pw::Win32Platform& TestPlatform() {
    static pw::Win32Platform platform;
    return platform;
}

bool RecordingEvents::OnInitDialog(platform::IDialogWindow& w) {
    window = &w;
    log.push_back("init");
    if (onInit)
        onInit(w);
    return initResult;
}

void RecordingEvents::OnCommand(int id, int notifyCode) {
    log.push_back("command " + std::to_string(id) + " " + std::to_string(notifyCode));
    if (throwOnCommand)
        throw std::runtime_error("handler failure");
    if (onCommand)
        onCommand(id, notifyCode);
}

bool RecordingEvents::OnSysCommand(unsigned command) {
    log.push_back("sys " + std::to_string(command));
    return onSysCommand ? onSysCommand(command) : false;
}

void RecordingEvents::OnClose() {
    log.push_back("close");
    if (onClose)
        onClose();
}

void RecordingEvents::OnCancel() {
    log.push_back("cancel");
}

void RecordingEvents::OnDestroy() {
    log.push_back("destroy");
    if (window) {
        visibleAtDestroy = IsWindowVisible(reinterpret_cast<HWND>(window->Handle())) != FALSE;
        window = nullptr;
    }
}

void RecordingEvents::OnDrawClipboard(const platform::ClipboardNotice& notice) {
    log.push_back("drawclipboard");
    if (onDrawClipboard)
        onDrawClipboard(notice);
}

void RecordingEvents::OnNotify(const platform::NotifyEvent& event) {
    log.push_back("notify " + std::to_string(event.controlId) + " " +
                  std::to_string(static_cast<int>(event.kind)) + " " + std::to_string(event.item) +
                  " " + std::to_string(event.column));
}

void RecordingEvents::OnPosted(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    log.push_back("posted " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                  std::to_string(lParam));
}

void RecordingEvents::OnTimer(unsigned timerId) {
    log.push_back("timer " + std::to_string(timerId));
}

void RecordingEvents::OnChangeCbChain(platform::WindowRef removed, platform::WindowRef after) {
    log.push_back("changecbchain " + std::to_string(removed) + " " + std::to_string(after));
}

void RecordingEvents::OnActivate(bool active) {
    log.push_back(active ? "activate 1" : "activate 0");
}

void RecordingEvents::OnSize(platform::SizeKind kind) {
    switch (kind) {
    case platform::SizeKind::Minimized:
        log.push_back("size minimized");
        break;
    case platform::SizeKind::Restored:
        log.push_back("size restored");
        break;
    case platform::SizeKind::Other:
        log.push_back("size other");
        break;
    }
}

bool RecordingEvents::OnQueryEndSession() {
    log.push_back("queryendsession");
    return endSessionAnswer;
}

void RecordingEvents::OnEndSession(bool ending) {
    log.push_back(ending ? "endsession 1" : "endsession 0");
}

void RecordingEvents::OnFontChange() {
    log.push_back("fontchange");
}

int RecordingEvents::OnGetDefaultButton() {
    log.push_back("getdefid");
    return defaultButton;
}

std::vector<std::string> RecordingEvents::Take() {
    std::vector<std::string> taken;
    taken.swap(log);
    return taken;
}

bool RecordingEvents::Saw(const std::string& event) const {
    return std::find(log.begin(), log.end(), event) != log.end();
}

std::unique_ptr<pw::Win32Dialog> OpenDialog(platform::IDialogEvents& events, int templateId,
                                            HWND owner) {
    pw::Win32Platform& platform = TestPlatform();
    return pw::Win32Dialog::Create(platform.Instance(), ProgramDialog(templateId), owner, events,
                                   platform.Loop());
}

void Pump(unsigned milliseconds, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done && done())
            return;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(milliseconds - elapsed, 20),
                                  QS_ALLINPUT);
    }
}

bool PutClipboardData(HWND owner, UINT format, const void* bytes, std::size_t size) {
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    bool ok = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size)) {
        if (void* target = GlobalLock(memory)) {
            std::memcpy(target, bytes, size);
            GlobalUnlock(memory);
            ok = SetClipboardData(format, memory) != nullptr;
        }
        if (!ok)
            GlobalFree(memory);
    }
    CloseClipboard();
    return ok;
}

bool PutClipboardText(HWND owner, const std::string& text) {
    return PutClipboardData(owner, CF_TEXT, text.c_str(), text.size() + 1);
}

bool PutClipboardUnicode(HWND owner, const std::wstring& text) {
    return PutClipboardData(owner, CF_UNICODETEXT, text.c_str(),
                            (text.size() + 1) * sizeof(wchar_t));
}

std::string ClipboardText() {
    // The Unicode form: the system makes CF_TEXT in the clipboard locale's code page.
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return std::string();
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return pw::FromWide(text);
}

} // namespace qv::win32test
