// The "Start Up" page: window placement, starting minimised, the Tip of the Day.
#pragma once
#include "options/options_context.h"
#include "options/options_page.h"

namespace qv {

class CStartUpPage : public COptionsPage {
  public:
    explicit CStartUpPage(OptionsContext& context) : values_(context.values) {}

  private:
    void Init() override;
    void Read() override;
    CSettings& values_;
};

} // namespace qv
