// Both lists survive a restart of the real program, and the data file is written when it must be.
#include "driver/data_file_seed.h"
#include "e2e_fixture.h"
#include <functional>

namespace qv::e2e {
namespace {

// Stops the program and leaves only the given data file of the user data behind.
void SeedDataFile(Program& program, const std::string& bytes) {
    program.Kill();
    ASSERT_TRUE(e2e::SeedDataFile(bytes)); // the driver's, not this one
}

TEST_F(EndToEnd, ItemsOfThePreviousRunAreBackAfterARestart) {
    CopyAndWait("kept across runs", 1);
    CopyAndWait("also kept", 2);
    CloseNormally();
    ASSERT_TRUE(program_.Other().EmptyClipboard()); // else start-up takes it as a third item
    std::string error;
    ASSERT_TRUE(program_.Launch(error)) << error;
    const HWND history = program_.Control(IDC_HISTORY);
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == 2; }, 5000))
        << program_.Describe("the previous run's items are missing");
    std::string line;
    ASSERT_TRUE(ListLine(history, 0, line));
    EXPECT_EQ(line, "kept across runs");
}

TEST_F(EndToEnd, LoadedItemsAreCountedWithSeparators) {
    ASSERT_NO_FATAL_FAILURE(SeedDataFile(program_, MakeDataFile(1, 1234)));
    ASSERT_TRUE(SetRegistryDword("Misc", "Use Limit", 0));
    std::string error;
    ASSERT_TRUE(program_.Launch(error)) << error;
    EXPECT_TRUE(program_.WaitUntil(
        [&] { return program_.ControlText(IDC_ITEM_COUNT) == "1,234 items"; }, 5000))
        << program_.Describe("item count reads " + program_.ControlText(IDC_ITEM_COUNT));
}

// Starts the program on a version-2 data file (after prepare, with the user data reset), runs
// whileAsked while the question about it is open, answers Yes, and checks that the program quits
// with code 3 and leaves the file byte for byte as it was.
class NewerFile : public EndToEnd {
  protected:
    void DeclineWithYes(const std::function<void()>& prepare,
                        const std::function<void(const MessageBoxInfo&)>& whileAsked) {
        const std::string newer = MakeDataFile(2, 3);
        ASSERT_NO_FATAL_FAILURE(SeedDataFile(program_, newer));
        prepare();
        std::string error;
        ASSERT_TRUE(program_.Launch(error, 20000, false)) << error;
        const auto box = program_.WaitForMessageBox(15000);
        ASSERT_TRUE(box.has_value()) << program_.Describe("no question about the newer file");
        EXPECT_EQ(
            box->text.rfind("This program cannot load a data file that has a higher version", 0),
            0u);
        whileAsked(*box);
        ASSERT_TRUE(program_.Answer(*box, IDYES));
        DWORD exitCode = 0;
        ASSERT_TRUE(program_.WaitForExit(exitCode, 10000)) << program_.Describe("did not quit");
        EXPECT_EQ(exitCode, 3u);
        std::string after;
        ASSERT_TRUE(ReadWholeFile(DataFilePath(), after));
        EXPECT_EQ(after, newer);
    }
};

TEST_F(NewerFile, DeclinedWithYesIsLeftUntouched) {
    DeclineWithYes([] {}, [](const MessageBoxInfo&) {});
}

// Everything that could write the data file at once: a save at every change, text waiting on
// the clipboard at start-up, and (when asked) a log-off while the question is open.
class DeclinedNewerFile : public NewerFile, public ::testing::WithParamInterface<bool> {};

TEST_P(DeclinedNewerFile, IsNeverWritten) {
    const bool logOffDuringQuestion = GetParam();
    DeclineWithYes(
        [&] {
            ASSERT_TRUE(SetRegistryDword("Saving", "Change Limit", 0));
            // Nothing watches the clipboard yet, so the copy does not wait for the foreground,
            // which Wine now and then withholds just after the previous program has quit.
            ASSERT_TRUE(
                program_.Other().CopyText("waiting on the clipboard", std::string(), false));
        },
        [&](const MessageBoxInfo& box) {
            if (!logOffDuringQuestion)
                return;
            const HWND main = GetWindow(box.window, GW_OWNER);
            ASSERT_NE(main, nullptr);
            LRESULT answer = 0;
            ASSERT_TRUE(SendBounded(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, answer));
            ASSERT_TRUE(SendBounded(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, answer));
        });
    EXPECT_FALSE(FileExists(DataFilePath() + ".bak"));
    EXPECT_FALSE(FileExists(DataFilePath() + ".tmp"));
}

INSTANTIATE_TEST_SUITE_P(EndToEnd, DeclinedNewerFile, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "LogOff" : "Quit"; });

// The same triggers on a file of this version: the waiting text is taken and written at once,
// so the declined file above stays untouched because it was declined, not because nothing ran.
TEST_F(EndToEnd, TextWaitingAtStartUpIsTakenAndSavedAtOnce) {
    ASSERT_NO_FATAL_FAILURE(SeedDataFile(program_, MakeDataFile(1, 2)));
    ASSERT_TRUE(SetRegistryDword("Saving", "Change Limit", 0));
    ASSERT_TRUE(program_.Other().CopyText("waiting on the clipboard", std::string(), false));
    std::string error;
    ASSERT_TRUE(program_.Launch(error)) << error;
    const HWND history = program_.Control(IDC_HISTORY);
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == 3; }, 5000))
        << program_.Describe("the waiting text was not taken");
    std::string data;
    EXPECT_TRUE(program_.WaitUntil(
        [&] {
            return ReadWholeFile(DataFilePath(), data) &&
                   data.find("waiting on the clipboard") != std::string::npos;
        },
        5000))
        << "the data file was not written";
}

TEST_F(EndToEnd, LogOffWritesTheDataFile) {
    CopyAndWait("saved at log-off", 1);
    LRESULT answer = 0;
    ASSERT_TRUE(
        SendBounded(program_.MainWindow(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, answer));
    ASSERT_TRUE(SendBounded(program_.MainWindow(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, answer));
    std::string data;
    ASSERT_TRUE(ReadWholeFile(DataFilePath(), data));
    EXPECT_NE(data.find("saved at log-off"), std::string::npos);
}

} // namespace
} // namespace qv::e2e
