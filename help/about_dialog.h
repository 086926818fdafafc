// The About box: the program's name and version, the support e-mail address with a button that
// copies it, and the product web page as a link.
#pragma once
#include "help/static_link.h"
#include "platform/platform.h"

namespace qv {

class CAboutDialog : public platform::IDialogEvents {
  public:
    explicit CAboutDialog(platform::IPlatform& platform) : platform_(platform) {}
    // Runs the box modally over owner; returns how it ended.
    int Run(platform::WindowRef owner);

    bool OnInitDialog(platform::IDialogWindow& window) override;
    void OnCommand(int id, int notifyCode) override;
    void OnClose() override;
    void OnDestroy() override { window_ = nullptr; }

  private:
    void CopyAddress();

    platform::IPlatform& platform_;
    platform::IDialogWindow* window_ = nullptr;
    CStaticLink link_;
};

} // namespace qv
