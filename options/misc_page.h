// The "Miscellaneous" page: the font chooser's two options, the History Limit and the exit
// question.
#pragma once
#include "options/options_context.h"
#include "options/options_page.h"

namespace qv {

class CMiscPage : public COptionsPage {
  public:
    // The History Limit list: 50 to 950 in steps of 50.
    static constexpr int kLimitStep = 50;
    static constexpr int kLimitEntries = 19;

    explicit CMiscPage(OptionsContext& context) : values_(context.values) {}
    void OnCommand(int id, int notifyCode) override;

  private:
    void Init() override;
    void Read() override;
    // The limit list is offered while the limit is on.
    void EnableLimit();
    // Applying colours needs the chooser's Effects section, where the colour is picked.
    void TieEffectsToColours();

    CSettings& values_;
};

} // namespace qv
