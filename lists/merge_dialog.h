// The Merge Items dialog: asks what goes between the merged items. Made afresh for each merge, so
// it always opens with both boxes unchecked and the characters field empty.
#pragma once
#include "platform/platform.h"
#include <string>

namespace qv {

class CMergeDialog : public platform::IDialogEvents {
  public:
    // The characters field takes at most this many.
    static constexpr int kSeparatorLimit = 100;

    explicit CMergeDialog(platform::IPlatform& platform) : platform_(platform) {}
    // Runs the dialog over owner; true on OK, with the separator the answers make.
    bool Run(platform::WindowRef owner, std::string& separator);

    bool OnInitDialog(platform::IDialogWindow& window) override;
    void OnCommand(int id, int notifyCode) override;
    void OnClose() override;
    void OnDestroy() override { window_ = nullptr; }

  private:
    platform::IPlatform& platform_;
    platform::IDialogWindow* window_ = nullptr;
    std::string separator_;
};

} // namespace qv
