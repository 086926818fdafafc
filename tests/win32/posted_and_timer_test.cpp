// Messages from other threads, the program's own messages, and timers reach a dialog's events on
// the window's thread.
#include "win32_fixture.h"
#include <gtest/gtest.h>
#include <thread>

namespace qv::win32test {
namespace {

class PostedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_ = OpenDialog(events_, IDD_ABOUT);
        ASSERT_TRUE(dialog_);
        log_.Take();
    }
    RecordingEvents log_;
    RecordingDialogEvents events_{log_};
    std::unique_ptr<pw::Win32Dialog> dialog_;
};

TEST_F(PostedTest, AWorkerThreadPostsAndTheWindowThreadReceives) {
    const platform::WindowRef window = dialog_->Handle();
    std::thread worker([window] {
        TestPlatform().PostToWindow(window, 0x8001, 42, -7); // a result handed over
    });
    worker.join();
    EXPECT_TRUE(log_.Take().empty()) << "nothing arrives before the window's thread dispatches";
    Pump(2000, [&] { return log_.Saw("posted 32769 42 -7"); });
    EXPECT_TRUE(log_.Saw("posted 32769 42 -7"));
}

TEST_F(PostedTest, TheProgramsOwnMessagesArriveAndTheDialogManagersDoNot) {
    const HWND window = dialog_->Window();
    // Sent synchronously, as the Mini-Window sends its requests; answered with 0.
    EXPECT_EQ(SendMessageA(window, 0x500, 3, 4), 0);
    EXPECT_EQ(log_.Take(), std::vector<std::string>{"posted 1280 3 4"});
    SendMessageA(window, DM_GETDEFID, 0, 0);
    SendMessageA(window, WM_USER + 1, 0, 0); // DM_SETDEFID
    EXPECT_TRUE(log_.Take().empty());
}

TEST_F(PostedTest, TimersFireUntilKilled) {
    ASSERT_TRUE(dialog_->SetTimer(9, 20));
    Pump(2000, [&] { return log_.Saw("timer 9"); });
    EXPECT_TRUE(log_.Saw("timer 9"));
    dialog_->KillTimer(9);
    Pump(100);
    log_.Take();
    Pump(200);
    EXPECT_FALSE(log_.Saw("timer 9"));
}

} // namespace
} // namespace qv::win32test
