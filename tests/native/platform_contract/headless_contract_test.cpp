// The dialog contract on the headless back end.
#include "contract/dialog_contract.h"
#include "headless_platform.h"
#include "support/program_platform.h"
#include <memory>
#include <thread>
#include <tuple>
#include <vector>

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

namespace qv::contract {
namespace {

// Posted messages wait for the window's thread; the test plays that thread.
TEST(HeadlessPosting, AWorkerThreadPostsAndDeliveryHappensOnTheWindowsTurn) {
    struct Events : QuitAtStart {
        bool OnInitDialog(platform::IDialogWindow&) override { return true; }
        void OnPosted(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
            seen.push_back({message, wParam, lParam});
        }
        std::vector<std::tuple<unsigned, std::uintptr_t, std::intptr_t>> seen;
    } events;
    test::ProgramPlatform platform;
    auto window = platform.OpenDialog(ProgramDialog(IDD_ABOUT), events);
    std::thread worker([&] { platform.PostToWindow(window->Handle(), 0x8001, 42, -7); });
    worker.join();
    EXPECT_TRUE(events.seen.empty());
    EXPECT_EQ(platform.DeliverPosted(), 1);
    ASSERT_EQ(events.seen.size(), 1u);
    EXPECT_EQ(events.seen[0], std::make_tuple(0x8001u, std::uintptr_t(42), std::intptr_t(-7)));
    platform.CloseDialog(std::move(window));
    platform.PostToWindow(0x4242, 1, 0, 0); // a window that is gone gets nothing
    EXPECT_EQ(platform.DeliverPosted(), 0);
}

} // namespace
} // namespace qv::contract
