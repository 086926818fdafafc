// The topic chooser of the Tip of the Day: every tip's number and topic in a sortable list; OK or
// a double click chooses the selected row's tip.
#pragma once
#include "help/topic_list_ctrl.h"
#include "platform/platform.h"
#include <string>
#include <vector>

namespace qv {

class CTopicDialog : public platform::IDialogEvents {
  public:
    // topics[k] is the topic of tip index k; the list is borrowed for the chooser's lifetime.
    CTopicDialog(platform::IPlatform& platform, const std::vector<std::string>& topics)
        : platform_(platform), topics_(topics) {}
    // Runs the chooser modally over owner; returns how it ended.
    int Run(platform::WindowRef owner);
    // In: the tip index to preselect. Out: the chosen tip index, or -1 for none.
    void SetSelection(int tipIndex) { selection_ = tipIndex; }
    int Selection() const { return selection_; }

    bool OnInitDialog(platform::IDialogWindow& window) override;
    void OnCommand(int id, int notifyCode) override;
    void OnNotify(const platform::NotifyEvent& event) override;
    void OnClose() override { End(false); }
    void OnDestroy() override;

  private:
    void SizeColumns(platform::IListView& view);
    // Both ways out delete the rows before the dialog ends.
    void End(bool ok);

    platform::IPlatform& platform_;
    const std::vector<std::string>& topics_;
    platform::IDialogWindow* window_ = nullptr;
    CTopicListCtrl list_;
    int selection_ = -1;
};

} // namespace qv
