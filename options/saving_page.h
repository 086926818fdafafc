// The "Saving" page: after how many changes the data file is written, and writing or reading it
// now (which cannot be undone, so Cancel becomes Close).
#pragma once
#include "options/options_context.h"
#include "options/options_page.h"
#include <string>

namespace qv {

// "1 change", else the count of changes.
std::string ChangeCountText(const platform::IStringResources& strings, int count);

class CSavingPage : public COptionsPage {
  public:
    // The list offers 1 to this many changes.
    static constexpr int kMostChanges = 99;

    explicit CSavingPage(OptionsContext& context) : context_(context) {}
    void OnCommand(int id, int notifyCode) override;

  private:
    void Init() override;
    void Read() override;
    void ShowChangeCount();
    void SaveNow();
    void LoadNow();
    void Done(int messageId);

    OptionsContext& context_;
};

} // namespace qv
