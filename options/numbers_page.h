// The "Numbers" page: whether and with which character the counts group their digits. Apply
// hands the choice to the main window at once.
#pragma once
#include "options/options_context.h"
#include "options/options_page.h"

namespace qv {

class CNumbersPage : public COptionsPage {
  public:
    explicit CNumbersPage(OptionsContext& context) : context_(context) {}
    void OnCommand(int id, int notifyCode) override;
    bool OnApply() override;

  private:
    void Init() override;
    void Read() override;
    // The separators are offered while separators are on; the Other field while Other is chosen
    // too. Marks the page changed.
    void EnableChoices();
    void EnableOtherField();

    OptionsContext& context_;
};

} // namespace qv
