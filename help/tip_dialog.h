// The Tip of the Day: shows one tip at a time with its topic and number, pages through the tips
// by button, by number or by topic, and keeps whether it shows at start-up.
#pragma once
#include "platform/platform.h"
#include <climits>
#include <string>
#include <vector>

namespace qv {

class CTipDialog : public platform::IDialogEvents {
  public:
    // showAtStartup and tipIndex as the settings hold them; an index beyond the tips (or below
    // them) starts again at the first.
    CTipDialog(platform::IPlatform& platform, int showAtStartup, int tipIndex)
        : platform_(platform), showAtStartup_(showAtStartup), index_(tipIndex) {}
    // Runs the dialog modally over owner; IDOK from the close box, IDCANCEL from Esc or a failure.
    int Run(platform::WindowRef owner);
    // The check box as the close box left it; unchanged after Esc.
    int ShowAtStartup() const { return showAtStartup_; }
    // The index of the last tip shown.
    int TipIndex() const { return index_; }
    // What the settings keep for the next opening: the last index + 1, wrapped only then.
    int NextTipIndex() const { return index_ < INT_MAX ? index_ + 1 : 0; }

    bool OnInitDialog(platform::IDialogWindow& window) override;
    void OnCommand(int id, int notifyCode) override;
    void OnClose() override;
    void OnCancel() override;
    void OnDestroy() override { window_ = nullptr; }

  private:
    bool ReadCountAndFill();
    // Shows the tip of the index; false (and the dialog ended) when it cannot be read.
    bool ShowTip();
    void UpdateTipControls();
    // index and then ShowTip and UpdateTipControls.
    void GoTo(int index);
    void ChooseTopic();
    // Adds the topics not collected yet; false when a tip could not be read.
    bool CollectTopics();
    std::string CentreFirstLine(const std::string& tip) const;
    // Shows the message (exclamation icon) and, when closing, ends the dialog as cancelled.
    void Fail(int messageId, bool close);

    platform::IPlatform& platform_;
    platform::IDialogWindow* window_ = nullptr;
    int showAtStartup_;
    int index_;
    int count_ = 0;
    // Filled on the first use of the Topic button, kept while the dialog lives.
    std::vector<std::string> topics_;
};

} // namespace qv
