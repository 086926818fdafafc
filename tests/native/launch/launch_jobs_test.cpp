// Launch jobs on real worker threads: one job's work at a time in the order the threads take the
// job lock, reuse of a job once its work (message included) is done, and deletion that waits.
// These cases also run under ThreadSanitizer.
#include "headless_platform.h"
#include "launch/launch_jobs.h"
#include "launch/launch_text.h"
#include "support/thread_gate.h"
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace qv::test {
namespace {

using platform::MsgIcon;
using platform::ShellOpenResult;
using platform::headless::RecordedMessage;

constexpr platform::WindowRef kOwner = 0x1234;

LaunchTexts TestTexts() {
    LaunchTexts texts;
    texts.caption = "Caption";
    texts.cannotOpen = "Could not open \"%s\".";
    texts.fileNotFound = "Could not open \"%s\".  Not found.";
    texts.accessDenied = "Could not open \"%s\".  Denied.";
    texts.outOfMemory = "Could not open \"%s\".  No memory.";
    texts.noAssociation = "Could not open \"%s\".  No association.";
    return texts;
}

class LaunchJobsTest : public ::testing::Test {
  protected:
    // A failed case lets its held workers go before they are waited for.
    ~LaunchJobsTest() override {
        held.Open();
        jobs.reset();
    }
    platform::headless::HeadlessPlatform platform;
    // Holds workers where a slow program or a user who has not answered would.
    ThreadGate held;
    std::unique_ptr<CLaunchJobs> jobs = std::make_unique<CLaunchJobs>(platform, TestTexts());

    // The targets the shell was asked for; read only while no job runs.
    std::vector<std::string> Asked() { return platform.shell.asked; }
    // Launches a file the shell cannot find; returns while its message is on screen, which
    // stays until held.Open().
    void LaunchAMissingFile() {
        platform.shell.refusals["missing.txt"] = ShellOpenResult::FileNotFound;
        platform.messages.whileShown = [this](const RecordedMessage&) { held.Pass(); };
        ASSERT_TRUE(jobs->Launch("missing.txt", kOwner));
        ASSERT_TRUE(held.WaitForArrivals(1));
    }
    bool Idle(std::size_t job) {
        return Eventually([&] { return jobs->Job(job).IsIdle(); });
    }
};

TEST_F(LaunchJobsTest, ASecondLaunchWhileTheFirstIsBusyGetsANewJobAndRunsAfterIt) {
    EventLog log;
    platform.shell.whileOpening = [&](const std::string& target) {
        log.Add("open " + target);
        if (target == "first")
            held.Pass();
        log.Add("opened " + target);
    };
    ASSERT_TRUE(jobs->Launch("first", kOwner));
    ASSERT_TRUE(held.WaitForArrivals(1));
    ASSERT_TRUE(jobs->Launch("second", kOwner));
    EXPECT_EQ(jobs->Count(), 2u);
    EXPECT_FALSE(jobs->Job(0).IsIdle());
    EXPECT_FALSE(jobs->Job(1).IsIdle());
    // The second worker waits on the job lock: nothing of its work may show meanwhile.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(log.Events(), std::vector<std::string>{"open first"});
    held.Open();
    ASSERT_TRUE(Idle(0) && Idle(1));
    EXPECT_EQ(log.Events(), (std::vector<std::string>{"open first", "opened first", "open second",
                                                      "opened second"}));
    EXPECT_EQ(platform.shell.opened, (std::vector<std::string>{"first", "second"}));
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_EQ(platform.threads.started, 2);
}

TEST_F(LaunchJobsTest, AJobIsReusedOnlyOnceItsMessageWasDismissed) {
    ASSERT_NO_FATAL_FAILURE(LaunchAMissingFile());
    EXPECT_FALSE(jobs->Job(0).IsIdle()) << "busy while its message is on screen";

    // Launched while the message is open: a second job, whose work waits for the first's.
    ASSERT_TRUE(jobs->Launch("www.example.test", kOwner));
    EXPECT_EQ(jobs->Count(), 2u);
    held.Open();
    ASSERT_TRUE(Idle(0) && Idle(1));
    EXPECT_EQ(Asked(), (std::vector<std::string>{"missing.txt", "http://www.example.test"}));
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text, "Could not open \"missing.txt\".  Not found.");

    // Both are free: the first from the head is taken again, and no job is added.
    ASSERT_TRUE(jobs->Launch("again.txt", kOwner));
    ASSERT_TRUE(Idle(0));
    EXPECT_EQ(jobs->Count(), 2u);
    EXPECT_EQ(jobs->Job(0).Target(), "again.txt");
    EXPECT_EQ(jobs->Job(1).Target(), "http://www.example.test");
    EXPECT_EQ(platform.shell.opened.back(), "again.txt");
}

TEST_F(LaunchJobsTest, RefusalsShowTheTargetAndTheReasonFromTheWorker) {
    const std::string longTarget = "http://www." + std::string(255, 'x'); // 266 characters
    std::string cyrillic;
    for (int i = 0; i < 200; ++i)
        cyrillic += "\xD0\x96"; // two bytes, one character
    const struct {
        ShellOpenResult result;
        std::string text;
        std::string message;
    } cases[] = {
        {ShellOpenResult::FileNotFound, "C:\\no.txt", "Could not open \"C:\\no.txt\".  Not found."},
        {ShellOpenResult::AccessDenied, "C:\\x", "Could not open \"C:\\x\".  Denied."},
        {ShellOpenResult::OutOfMemory, "C:\\x", "Could not open \"C:\\x\".  No memory."},
        {ShellOpenResult::NoAssociation, "a.qq", "Could not open \"a.qq\".  No association."},
        {ShellOpenResult::Refused, "a.qq", "Could not open \"a.qq\"."},
        // The target as opened, cut to the limit of a path, in characters and whole ones.
        {ShellOpenResult::Refused, longTarget.substr(7),
         "Could not open \"" + longTarget.substr(0, 259) + "\"."},
        {ShellOpenResult::Refused, "C:\\" + cyrillic, "Could not open \"C:\\" + cyrillic + "\"."},
        {ShellOpenResult::Refused, "C:\\" + cyrillic + cyrillic,
         "Could not open \"C:\\" + cyrillic + cyrillic.substr(0, 2 * 56) + "\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        platform.shell.refusals.clear();
        platform.shell.refusals[LaunchTarget(c.text)] = c.result;
        platform.messages.shown.clear();
        ASSERT_TRUE(jobs->Launch(c.text, kOwner));
        ASSERT_TRUE(Idle(0));
        ASSERT_EQ(platform.messages.shown.size(), 1u);
        EXPECT_EQ(platform.messages.shown[0].text, c.message);
        EXPECT_EQ(platform.messages.shown[0].caption, "Caption");
        EXPECT_EQ(platform.messages.shown[0].icon, MsgIcon::Exclamation);
    }
    EXPECT_EQ(jobs->Count(), 1u);
    // A launch gives the shell no command-line parameters.
    EXPECT_EQ(platform.shell.parameters, std::vector<std::string>(std::size(cases)));
}

// Deleting the list (the main window going) waits for every job: the one whose message is open
// and the one whose thread is still waiting for the job lock.
TEST_F(LaunchJobsTest, DeletionWaitsForTheMessageAndForAJobNotYetRunning) {
    ASSERT_NO_FATAL_FAILURE(LaunchAMissingFile());
    ASSERT_TRUE(jobs->Launch("waiting.txt", kOwner));

    std::atomic<bool> deleted{false};
    std::thread windowGoing([&] {
        jobs.reset();
        deleted = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(deleted) << "deleted while its message was still open";
    held.Open();
    windowGoing.join();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(platform.shell.asked, (std::vector<std::string>{"missing.txt", "waiting.txt"}));
}

TEST_F(LaunchJobsTest, AJobWithoutAThreadIsFreeAgainAndNothingIsShown) {
    platform.threads.failStarts = true;
    EXPECT_FALSE(jobs->Launch("a.txt", kOwner));
    ASSERT_EQ(jobs->Count(), 1u);
    EXPECT_TRUE(jobs->Job(0).IsIdle());
    platform.threads.outOfMemory = true;
    EXPECT_THROW(jobs->Launch("a.txt", kOwner), std::bad_alloc);
    EXPECT_TRUE(jobs->Job(0).IsIdle());

    platform.threads.failStarts = platform.threads.outOfMemory = false;
    ASSERT_TRUE(jobs->Launch("a.txt", kOwner));
    ASSERT_TRUE(Idle(0));
    EXPECT_EQ(jobs->Count(), 1u);
    EXPECT_EQ(platform.shell.asked, std::vector<std::string>{"a.txt"});
    EXPECT_TRUE(platform.messages.shown.empty());
}

// A job that is given no target (the main window never does this) asks the shell nothing and is
// free again afterwards.
TEST(LaunchJob, AnEmptyTargetEndsWithOneAndLeavesTheJobFree) {
    platform::headless::HeadlessPlatform platform;
    const LaunchTexts texts = TestTexts();
    CLaunchJob job(platform, texts);
    job.MarkBusy();
    job.SetTarget(" \t ");
    ASSERT_TRUE(job.Start(kOwner, 0));
    job.WaitUntilDone();
    EXPECT_EQ(job.Result(), CLaunchJob::kNoTarget);
    EXPECT_TRUE(job.IsIdle());
    EXPECT_TRUE(platform.shell.asked.empty());
}

} // namespace
} // namespace qv::test
