// Worker threads and the shell's "open" verb on the real platform: a thread's end is waited for
// without blocking messages that other threads send to the waiting thread's windows, and the
// shell's reasons for a refusal come back.
#include "win32/win32_com.h"
#include "win32/win32_text.h"
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

// The shell's verb may need COM components: a worker runs its procedure in a single-threaded
// apartment, which is gone again once the procedure has returned.
TEST(WorkerThread, RunsItsProcedureInASingleThreadedApartment) {
    std::atomic<HRESULT> asked{E_FAIL};
    std::atomic<int> type{-1};
    auto thread = TestPlatform().StartThread([&] {
        APTTYPE apartment = APTTYPE_CURRENT;
        APTTYPEQUALIFIER qualifier = APTTYPEQUALIFIER_NONE;
        asked = CoGetApartmentType(&apartment, &qualifier);
        type = apartment;
        return 0;
    });
    ASSERT_TRUE(thread);
    thread->Wait();
    EXPECT_EQ(asked.load(), S_OK) << "no COM on the worker";
    EXPECT_EQ(type.load(), APTTYPE_STA);
}

TEST(ScopedComApartment, BalancesItsInitialisationAndLeavesAnotherApartmentAlone) {
    std::thread([] {
        { const platform::win32::ScopedComApartment com; }
        // Uninitialised again: a new initialisation is the first one.
        const HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        EXPECT_EQ(again, S_OK);
        if (SUCCEEDED(again))
            CoUninitialize();
    }).join();
    std::thread([] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        { const platform::win32::ScopedComApartment com; }
        APTTYPE apartment = APTTYPE_CURRENT;
        APTTYPEQUALIFIER qualifier = APTTYPEQUALIFIER_NONE;
        EXPECT_EQ(CoGetApartmentType(&apartment, &qualifier), S_OK);
        EXPECT_EQ(apartment, APTTYPE_MTA);
        CoUninitialize();
    }).join();
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

// A name beyond any ANSI code page reaches the shell whole: found, it has no association.
TEST(Shell, ATargetOfCyrillicLettersIsFound) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring path = std::wstring(temp) + std::wstring(100, L'\x0416') + L".qvnoassoc";
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    const std::string target = platform::win32::FromWide(path.c_str(), path.size());
    EXPECT_EQ(TestPlatform().Shell().Execute(target, std::string()),
              platform::ShellOpenResult::NoAssociation);
    DeleteFileW(path.c_str());
}

} // namespace
} // namespace qv::win32test
