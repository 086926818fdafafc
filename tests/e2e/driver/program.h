// Quorvane.exe as a test sees it: started fresh, found, read and driven through window messages,
// closed, and killed at the end when it did not go by itself. Every wait has a time bound, and
// every failure can be described with the program's title, its open message box and a screenshot.
#pragma once
#include "other_application.h"
#include "win32/win32_handles.h"
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv::e2e {

// Set once by the driver's main from its command line.
struct DriverOptions {
    std::string program;   // path of Quorvane.exe (a Unix path is taken as a Z: path)
    std::string artifacts; // folder for screenshots of failures
    std::string recorder;  // path of the stand-in web browser (a Unix path is taken as a Z: path)
};
DriverOptions& Options();
// A Unix path as Wine's Z: drive shows it; other paths unchanged.
std::string WindowsPath(const std::string& path);

struct MessageBoxInfo {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

class Program {
  public:
    Program() = default;
    ~Program(); // kills the program if it still runs
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Resets the user data and the clipboard, starts the program and waits for its visible main
    // window (title beginning "Quorvane"). On failure, error says why.
    bool Start(std::string& error, unsigned timeoutMs = 20000);
    // Starts the program again as it is, keeping the user data (a restart, or data seeded by the
    // test after ResetUserData).
    // With waitForWindow false it returns once the process runs (its start-up may show a
    // message box before any window).
    bool Launch(std::string& error, unsigned timeoutMs = 20000, bool waitForWindow = true);
    // Makes the main window the foreground window, so that keys reach its accelerators.
    bool TakeForeground();
    bool Running() const;
    DWORD ProcessId() const { return processId_; }
    HANDLE Process() const { return process_.get(); }

    HWND MainWindow() const { return main_; }
    std::string Title() const;
    HWND Control(int id) const { return GetDlgItem(main_, id); }
    std::string ControlText(int id) const;
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;

    // Presses a button as a click would, making the window the foreground window first; returns
    // at once (the program may open a message box).
    void Click(int id);
    // A system-menu command with the program's own id, or a platform one (SC_CLOSE, ...).
    void SysCommand(unsigned command);

    // A visible top-level window of the program with the title, waiting for it to appear.
    HWND WaitForWindow(const std::string& title, unsigned timeoutMs);
    // The program's open message boxes, or the first to appear within the time.
    std::vector<MessageBoxInfo> MessageBoxes() const;
    std::optional<MessageBoxInfo> WaitForMessageBox(unsigned timeoutMs);
    // Presses IDYES, IDNO or IDOK in a message box.
    bool Answer(const MessageBoxInfo& box, int button);

    // Waits (pumping) until done() is true, the program exits or the time is up.
    bool WaitUntil(const std::function<bool()>& done, unsigned timeoutMs);
    // Closes through the system menu, answers "Confirm Exit" with Yes when asked, and waits for
    // the exit; false with error on a timeout or an unexpected message box.
    bool Close(DWORD& exitCode, std::string& error, unsigned timeoutMs = 15000);
    bool WaitForExit(DWORD& exitCode, unsigned timeoutMs);
    void Kill();

    // For failure messages: the title, any open message box and the path of a new screenshot.
    std::string Describe(const std::string& what) const;

    OtherApplication& Other() { return other_; }

  private:
    OtherApplication other_;
    platform::win32::UniqueKernelHandle process_;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
};

} // namespace qv::e2e
