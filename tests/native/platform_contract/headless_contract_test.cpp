// The dialog contract on the headless back end.
#include "contract/dialog_contract.h"
#include "headless_platform.h"
#include "support/program_platform.h"
#include <memory>

namespace qv::contract {
namespace {

class HeadlessBackEnd : public DialogBackEnd {
  public:
    ~HeadlessBackEnd() override {
        if (main_)
            platform_.CloseDialog(std::move(main_));
    }
    platform::IPlatform& Platform() override { return platform_; }
    platform::IDialogWindow& OpenMain() override {
        if (!main_)
            main_ = platform_.OpenDialog(ProgramDialog(IDD_MAIN), events_);
        return *main_;
    }
    bool Drawing(int controlId) override {
        return main_->Get<platform::headless::HeadlessListBox>(controlId).redrawOn;
    }

  private:
    test::ProgramPlatform platform_;
    QuitAtStart events_; // its initialisation is not run here
    std::unique_ptr<platform::headless::HeadlessDialog> main_;
};

TEST(DialogContract, HeadlessBackEnd) {
    for (const ContractCase& c : DialogContract()) {
        SCOPED_TRACE(c.name);
        HeadlessBackEnd backEnd;
        c.run(backEnd);
    }
}

} // namespace
} // namespace qv::contract
