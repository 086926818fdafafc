#include "program.h"
#include "remote.h"
#include "resource.h"
#include "screenshot.h"
#include "user_data.h"
#include <gtest/gtest.h>

namespace qv::e2e {

namespace {

bool IsMainWindow(HWND window) {
    return IsWindowVisible(window) && ClassOf(window) == "#32770" &&
           GetDlgItem(window, IDC_HISTORY) != nullptr;
}

bool IsMessageBox(HWND window) {
    // The About box has the same shape, but a field of its own.
    return IsWindowVisible(window) && ClassOf(window) == "#32770" &&
           GetDlgItem(window, 0xFFFF) != nullptr && !GetDlgItem(window, IDC_SUPPORT_EMAIL) &&
           (GetDlgItem(window, IDOK) || GetDlgItem(window, IDYES) || GetDlgItem(window, IDNO));
}

int screenshotCount = 0;

} // namespace

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/')
        return path;
    std::string converted = "Z:" + path;
    for (char& c : converted)
        if (c == '/')
            c = '\\';
    return converted;
}

DriverOptions& Options() {
    static DriverOptions options;
    return options;
}

Program::~Program() {
    Kill();
}

bool Program::Start(std::string& error, unsigned timeoutMs) {
    ResetUserData();
    other_.EmptyClipboard();
    return Launch(error, timeoutMs);
}

bool Program::Launch(std::string& error, unsigned timeoutMs, bool waitForWindow) {
    main_ = nullptr;
    const std::string path = WindowsPath(Options().program);
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        error = "cannot start " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;
    if (!waitForWindow)
        return true;

    const bool found = WaitUntil(
        [&] {
            for (HWND window : WindowsOf(processId_))
                // At start-up the title may already show clipboard text before the name.
                if (IsMainWindow(window) && TextOf(window).find("Quorvane") != std::string::npos) {
                    main_ = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    if (!found) {
        error = Describe(Running() ? "no main window within " + std::to_string(timeoutMs) + " ms"
                                   : "the program ended before showing its window");
        return false;
    }
    return true;
}

bool Program::TakeForeground() {
    SetForegroundWindow(main_);
    return WaitUntil([&] { return GetForegroundWindow() == main_; }, 2000);
}

bool Program::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::string Program::Title() const {
    return main_ ? TextOf(main_) : std::string();
}

std::string Program::ControlText(int id) const {
    return TextOf(Control(id));
}

bool Program::IsEnabled(int id) const {
    return IsWindowEnabled(Control(id)) != FALSE;
}

bool Program::IsChecked(int id) const {
    LRESULT state = 0;
    return SendBounded(Control(id), BM_GETCHECK, 0, 0, state) && state == BST_CHECKED;
}

void Program::Click(int id) {
    // A real click activates the window before the button sees it.
    TakeForeground();
    PostMessageA(Control(id), BM_CLICK, 0, 0);
}

void Program::SysCommand(unsigned command) {
    PostMessageA(main_, WM_SYSCOMMAND, command, 0);
}

std::vector<MessageBoxInfo> Program::MessageBoxes() const {
    std::vector<MessageBoxInfo> boxes;
    for (HWND window : WindowsOf(processId_))
        if (window != main_ && IsMessageBox(window))
            boxes.push_back(
                MessageBoxInfo{window, TextOf(window), TextOf(GetDlgItem(window, 0xFFFF))});
    return boxes;
}

HWND Program::WaitForWindow(const std::string& title, unsigned timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : WindowsOf(processId_))
                if (IsWindowVisible(window) && TextOf(window) == title)
                    found = window;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::optional<MessageBoxInfo> Program::WaitForMessageBox(unsigned timeoutMs) {
    std::optional<MessageBoxInfo> found;
    WaitUntil(
        [&] {
            const auto boxes = MessageBoxes();
            if (!boxes.empty())
                found = boxes.front();
            return found.has_value();
        },
        timeoutMs);
    return found;
}

bool Program::Answer(const MessageBoxInfo& box, int button) {
    const HWND control = GetDlgItem(box.window, button);
    if (!control)
        return false;
    // Posted, so that the driver does not wait for what the answer sets off.
    return PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                        reinterpret_cast<LPARAM>(control)) != FALSE;
}

bool Program::WaitUntil(const std::function<bool()>& done, unsigned timeoutMs) {
    return e2e::WaitUntil(done, timeoutMs, process_.get());
}

bool Program::WaitForExit(DWORD& exitCode, unsigned timeoutMs) {
    if (!process_)
        return false;
    if (!e2e::WaitUntil([&] { return !Running(); }, timeoutMs, process_.get()))
        return false;
    GetExitCodeProcess(process_.get(), &exitCode);
    return true;
}

bool Program::Close(DWORD& exitCode, std::string& error, unsigned timeoutMs) {
    SysCommand(SC_CLOSE);
    const DWORD start = GetTickCount();
    HWND answered = nullptr;
    while (GetTickCount() - start < timeoutMs) {
        if (WaitForExit(exitCode, 100))
            return true;
        for (const MessageBoxInfo& box : MessageBoxes()) {
            if (box.window == answered)
                continue; // still going away
            if (box.caption != "Confirm Exit" || answered) {
                error = Describe("unexpected message box while closing");
                return false;
            }
            if (Answer(box, IDYES))
                answered = box.window;
        }
    }
    error = Describe("the program did not exit within " + std::to_string(timeoutMs) + " ms");
    return false;
}

void Program::Kill() {
    if (Running()) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

std::string Program::Describe(const std::string& what) const {
    std::string report = what + "; title: \"" + Title() + "\"";
    for (const MessageBoxInfo& box : MessageBoxes())
        report += "; message box \"" + box.caption + "\": \"" + box.text + "\"";
    if (!Running() && process_) {
        DWORD code = 0;
        GetExitCodeProcess(process_.get(), &code);
        report += "; exited with code " + std::to_string(code);
    }
    if (!Options().artifacts.empty()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string folder = WindowsPath(Options().artifacts);
        CreateDirectoryA(folder.c_str(), nullptr);
        const std::string path = folder + "\\" + (test ? test->name() : "driver") + "-" +
                                 std::to_string(++screenshotCount) + ".bmp";
        report += SaveScreenshot(path) ? "; screenshot: " + Options().artifacts + "/" +
                                             path.substr(folder.size() + 1)
                                       : "; no screenshot";
    }
    return report;
}

} // namespace qv::e2e
