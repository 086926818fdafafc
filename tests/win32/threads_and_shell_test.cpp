// Worker threads and the shell's "open" verb on the real platform: a thread's end is waited for
// without blocking messages that other threads send to the waiting thread's windows, and the
// shell's reasons for a refusal come back.
#include "win32_fixture.h"
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace qv::win32test {
namespace {

TEST(WorkerThread, RunsApartAndIsWaitedForWithItsExitCode) {
    const DWORD caller = GetCurrentThreadId();
    std::atomic<DWORD> worker{0};
    std::atomic<bool> finished{false};
    auto thread = TestPlatform().StartThread([&] {
        worker = GetCurrentThreadId();
        Sleep(100);
        finished = true;
        return 7;
    });
    ASSERT_TRUE(thread);
    EXPECT_EQ(thread->Wait(), 7);
    EXPECT_TRUE(finished);
    EXPECT_NE(worker.load(), caller);
    EXPECT_EQ(thread->Wait(), 7) << "waiting again gives the same";

    // Going away waits as well.
    finished = false;
    thread = TestPlatform().StartThread([&] {
        Sleep(100);
        finished = true;
        return 0;
    });
    thread.reset();
    EXPECT_TRUE(finished);
}

// The shell may send to every top-level window before it returns; the window thread waiting for
// a launch at its end must still answer, or both would wait for each other.
TEST(WorkerThread, TheWaitAnswersMessagesSentToTheWaitingThreadsWindows) {
    RecordingEvents log;
    RecordingDialogEvents events(log);
    auto dialog = OpenDialog(events, IDD_ABOUT);
    ASSERT_TRUE(dialog);
    log.Take();
    const HWND window = dialog->Window();
    auto thread = TestPlatform().StartThread([window] {
        DWORD_PTR answer = 1;
        const LRESULT sent =
            SendMessageTimeoutA(window, WM_APP + 1, 5, 6, SMTO_BLOCK, 5000, &answer);
        return sent != 0 ? 0 : 1;
    });
    ASSERT_TRUE(thread);
    EXPECT_EQ(thread->Wait(), 0) << "the sent message was not answered while waiting";
    EXPECT_EQ(log.Take(), std::vector<std::string>{"posted 32769 5 6"});
}

TEST(Shell, RefusalsTellWhy) {
    char temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    const std::string folder = temp;
    const std::string unassociated = folder + "qv_launch_test.qvnoassoc";
    const HANDLE file = CreateFileA(unassociated.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    const struct {
        std::string target;
        platform::ShellOpenResult result;
    } cases[] = {
        {folder + "qv_no_such_file.txt", platform::ShellOpenResult::FileNotFound},
        {unassociated, platform::ShellOpenResult::NoAssociation},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TestPlatform().Shell().Execute(c.target, std::string()), c.result) << c.target;
    DeleteFileA(unassociated.c_str());
}

} // namespace
} // namespace qv::win32test
