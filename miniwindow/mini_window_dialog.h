// The Mini-Window: a small always-on-top companion showing the History list's texts, for stepping
// through items while working elsewhere. It holds no items: each of its commands changes its own
// list first and then tells the main window, which does the work and keeps it in step.
#pragma once
#include "platform/platform.h"
#include <string>

namespace qv {

class CMiniWindowDialog : public platform::IDialogEvents {
  public:
    // Tells the main window through the platform's synchronous send.
    CMiniWindowDialog(platform::IPlatform& platform, platform::WindowRef mainWindow)
        : platform_(platform), main_(mainWindow) {}

    // What the main window does to it.
    void AddRow(const std::string& text);
    void SetExtent(int width);
    // Clears the selection (disabling the four moving buttons) and removes the row.
    void DeleteRow(int row);
    // Selects the row; -1 only disables the four moving buttons and keeps the selection.
    void SelectRow(int row);
    void RemoveAllRows();
    void SetMarkLabel(bool markSet);
    platform::IListBox& List();
    // Closed by the main window: once no handler of its own runs any more, it asks the main
    // window to dispose of it.
    void MarkClosed() { closed_ = true; }
    bool IsHandling() const { return handling_ > 0; }

    bool OnInitDialog(platform::IDialogWindow& window) override;
    void OnCommand(int id, int notifyCode) override;
    void OnClose() override;
    void OnDestroy() override { window_ = nullptr; }

  private:
    int SelectedRow();
    // Previous and Move Up from row > 0, Next and Move Down from a row above the last.
    void UpdateButtons(int row);
    void Step(int delta);
    void MoveRow(int delta);
    void DeleteSelected();
    void Tell(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    // Counts a running handler; a handler may run a message box, whose loop can close this window.
    class Handling {
      public:
        explicit Handling(CMiniWindowDialog& dialog);
        ~Handling();
        Handling(const Handling&) = delete;
        Handling& operator=(const Handling&) = delete;

      private:
        CMiniWindowDialog& dialog_;
    };

    platform::IPlatform& platform_;
    platform::WindowRef main_;
    platform::IDialogWindow* window_ = nullptr;
    int handling_ = 0;
    bool closed_ = false;
};

} // namespace qv
