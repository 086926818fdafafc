// Launch: the one selected item opened through the shell on a worker thread, the checks of its
// text first; the shell's refusal shown from the worker while the window goes on.
#include "main_window_fixture.h"
#include "support/thread_gate.h"
#include <algorithm>
#include <atomic>
#include <thread>

namespace qv::test {
namespace {

using platform::MsgIcon;
using platform::ShellOpenResult;
using platform::headless::RecordedMessage;

class LaunchTest : public MainWindowTest {
  protected:
    // A failed case lets its held workers go before the window waits for them.
    ~LaunchTest() override {
        held.Open();
        Close();
    }
    void SetUp() override {
        platform.files.CreateFolder("C:\\Data"); // the data file is written at the end
        Open();
        platform.messages.shown.clear();
    }
    // Items with these texts, in order, none selected.
    void Items(std::initializer_list<std::string> texts) {
        for (const std::string& t : texts)
            CopyElsewhere(t);
        Select({}, 0);
        platform.messages.shown.clear();
    }
    // Launches a file the shell cannot find; returns while its message is on screen, which
    // stays until held.Open().
    void LaunchAMissingFile() {
        Items({"C:\\missing.txt"});
        platform.shell.refusals["C:\\missing.txt"] = ShellOpenResult::FileNotFound;
        platform.messages.whileShown = [this](const RecordedMessage&) { held.Pass(); };
        SelectByUser({0}, 0);
        window->Click(IDC_LAUNCH);
        ASSERT_TRUE(held.WaitForArrivals(1));
    }
    // Holds workers where a slow program or a user who has not answered would.
    ThreadGate held;
    // The window goes, and with it the launch jobs, each once its work is done. A launch never
    // gives the shell parameters.
    std::vector<std::string> AskedAfterClosing() {
        Close();
        EXPECT_EQ(platform.shell.parameters, std::vector<std::string>(platform.shell.asked.size()));
        return platform.shell.asked;
    }
    std::string Text(int id) { return platform.strings.Load(id); }
};

TEST_F(LaunchTest, TextsThatCannotBeLaunchedAreRefusedWithTheirMessage) {
    const std::string tooLong = "C:\\" + std::string(257, 'x'); // 260 characters
    // Its list text, trimmed, is a short link and the marker; the item is far longer.
    const std::string overflowing = std::string(600, ' ') + "http://www.example.com/a/link";
    std::string cyrillic = "C:\\"; // 260 characters, 517 bytes
    for (int i = 0; i < 257; ++i)
        cyrillic += "\xD0\x96";
    Items({"a.txt", " \t ", "  " + tooLong + "  ", "first line\r\nsecond line", "b.txt",
           overflowing, cyrillic});
    const struct {
        std::initializer_list<int> selected;
        int message;
        MsgIcon icon;
    } cases[] = {
        {{}, IDS_SELECT_SINGLE_TO_LAUNCH, MsgIcon::Information},
        {{0, 4}, IDS_SELECT_SINGLE_TO_LAUNCH, MsgIcon::Information},
        {{1}, IDS_SELECT_NON_EMPTY_TO_LAUNCH, MsgIcon::Exclamation},
        {{2}, IDS_LAUNCH_TOO_LONG, MsgIcon::Exclamation},
        {{3}, IDS_LAUNCH_MULTIPLE_LINES, MsgIcon::Exclamation},
        {{5}, IDS_LAUNCH_TOO_LONG, MsgIcon::Exclamation},
        {{6}, IDS_LAUNCH_TOO_LONG, MsgIcon::Exclamation},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Text(c.message));
        Select(c.selected, c.selected.size() ? *c.selected.begin() : 0);
        window->Click(IDC_LAUNCH);
        ASSERT_EQ(platform.messages.shown.size(), 1u);
        EXPECT_EQ(platform.messages.shown[0].text, Text(c.message));
        EXPECT_EQ(platform.messages.shown[0].caption, Text(IDS_APP_TITLE));
        EXPECT_EQ(platform.messages.shown[0].icon, c.icon);
        platform.messages.shown.clear();
    }
    EXPECT_EQ(platform.threads.started, 0);
    EXPECT_TRUE(AskedAfterClosing().empty());
}

TEST_F(LaunchTest, ButtonAndMenuEntryOpenTheTrimmedTextAfterCommittingTheSearchTerm) {
    const std::string longest = "C:\\" + std::string(256, 'y'); // 259 characters
    std::string cyrillic = "C:\\";                              // 203 characters, 403 bytes
    for (int i = 0; i < 200; ++i)
        cyrillic += "\xD0\x96";
    Items({"  www.example.test  ", longest, "C:\\Docs\\notes.txt", cyrillic});
    // Typing selects the one matching line; the command commits the term.
    window->Type(IDC_SEARCH, "example");
    ASSERT_EQ(List().GetSelItems(), std::vector<int>{0});
    window->Click(IDC_LAUNCH);
    auto& terms = window->Combo(IDC_SEARCH);
    ASSERT_GE(terms.GetCount(), 1);
    std::string last;
    terms.GetLBText(terms.GetCount() - 1, last);
    EXPECT_EQ(last, "example");

    SelectByUser({1}, 1);
    EXPECT_TRUE(window->ChooseMenuEntry(IDM_LAUNCH));
    SelectByUser({2}, 2);
    window->Click(IDC_LAUNCH);
    SelectByUser({3}, 3);
    window->Click(IDC_LAUNCH);
    // The workers run one after another in the order they take the job lock, whichever it is.
    std::vector<std::string> asked = AskedAfterClosing();
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (std::vector<std::string>{"C:\\Docs\\notes.txt", longest, cyrillic,
                                               "http://www.example.test"}));
    EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(LaunchTest, TheShellsRefusalIsShownFromTheWorkerWhileTheWindowTakesCaptures) {
    ASSERT_NO_FATAL_FAILURE(LaunchAMissingFile());
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text,
              "Could not open \"C:\\missing.txt\".  This file was not found.");
    EXPECT_EQ(platform.messages.shown[0].caption, Text(IDS_APP_TITLE));
    EXPECT_EQ(platform.messages.shown[0].icon, MsgIcon::Exclamation);

    // The window is not held by the message.
    CopyElsewhere("copied meanwhile");
    EXPECT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "copied meanwhile");
    held.Open();
    Close();
    EXPECT_EQ(platform.messages.shown.size(), 1u);
}

TEST_F(LaunchTest, ClosingWaitsForALaunchWhoseMessageIsOpen) {
    ASSERT_NO_FATAL_FAILURE(LaunchAMissingFile());
    std::atomic<bool> closed{false};
    std::thread closing([&] {
        Close();
        closed = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(closed);
    held.Open();
    closing.join();
    EXPECT_TRUE(closed);
}

TEST_F(LaunchTest, OutOfMemoryWhilePreparingIsReportedAndTheNextLaunchWorks) {
    Items({"a.txt"});
    SelectByUser({0}, 0);
    platform.threads.outOfMemory = true;
    window->Click(IDC_LAUNCH);
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text, Text(IDS_CANNOT_LAUNCH));
    EXPECT_EQ(platform.messages.shown[0].icon, MsgIcon::Exclamation);
    // A thread that cannot be made is not reported.
    platform.threads.outOfMemory = false;
    platform.threads.failStarts = true;
    window->Click(IDC_LAUNCH);
    EXPECT_EQ(platform.messages.shown.size(), 1u);
    platform.threads.failStarts = false;
    window->Click(IDC_LAUNCH);
    EXPECT_EQ(AskedAfterClosing(), std::vector<std::string>{"a.txt"});
}

} // namespace
} // namespace qv::test
