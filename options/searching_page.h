// The "Searching" page: the reference point of Back and Forward, typos and their separation, and
// emptying the remembered search terms at once.
#pragma once
#include "options/options_context.h"
#include "options/options_page.h"

namespace qv {

class CSearchingPage : public COptionsPage {
  public:
    // The track bar's range of typo separations.
    static constexpr int kLowest = 1;
    static constexpr int kHighest = 9;

    explicit CSearchingPage(OptionsContext& context) : context_(context) {}
    void OnCommand(int id, int notifyCode) override;

  private:
    void Init() override;
    void Read() override;
    // The separation and its labels are offered only while typos are allowed.
    void EnableSeparation();

    OptionsContext& context_;
};

} // namespace qv
