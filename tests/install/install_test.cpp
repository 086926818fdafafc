// The setup program under Wine as a user runs it: a silent install that registers the program
// and gives a working Quorvane, the sign-in switch, an upgrade over a running program that keeps
// the history and settings, and an uninstall that keeps them unless asked to remove them.
#include "driver/data_file_seed.h"
#include "driver/program.h"
#include "driver/remote.h"
#include "driver/user_data.h"
#include "installation.h"
#include "resource.h"
#include <gtest/gtest.h>

namespace qv::e2e {
namespace {

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every case starts with nothing installed and no user data, and leaves it so.
class Installer : public ::testing::Test {
  protected:
    void SetUp() override { Clean(); }
    void TearDown() override {
        program_.Kill();
        Clean();
    }
    static void Clean() {
        if (UninstallKeyExists())
            RunQuietUninstall("/REMOVEDATA");
        ResetUserData();
    }
    // Copies as another application would and waits until the History list has count lines.
    void CopyAndWait(const std::string& text, int count) {
        PumpFor(700); // a moment after the last action, as a user copies
        ASSERT_TRUE(program_.Other().CopyText(text));
        ASSERT_TRUE(program_.WaitUntil(
            [&] { return ListCount(program_.Control(IDC_HISTORY)) == count; }, 20000))
            << program_.Describe("expected " + std::to_string(count) + " History lines");
    }
    void LaunchAndWaitForLines(int count) {
        std::string error;
        ASSERT_TRUE(program_.Launch(error)) << error;
        ASSERT_TRUE(program_.WaitUntil(
            [&] { return ListCount(program_.Control(IDC_HISTORY)) == count; }, 20000))
            << program_.Describe("expected " + std::to_string(count) + " History lines");
    }
    Program program_;
};

TEST_F(Installer, SilentInstallRegistersTheProgramAndItCaptures) {
    ASSERT_EQ(RunSetup("/S"), 0);
    const std::string program = InstalledProgram();
    ASSERT_TRUE(Exists(program)) << program;
    EXPECT_TRUE(Exists(InstallFolder() + "\\README.txt"));
    EXPECT_TRUE(Exists(InstallFolder() + "\\LICENSE.txt"));
    EXPECT_TRUE(Exists(StartMenuLink())) << StartMenuLink();
    EXPECT_FALSE(Exists(StartupLink())); // off unless chosen

    // The Apps & features entry, with the version that the program's own resource states.
    const std::string uninstaller = "\"" + InstallFolder() + "\\uninstall.exe\"";
    const std::pair<const char*, std::string> strings[] = {
        {"DisplayName", "Quorvane"},          {"DisplayVersion", QV_VERSION_TEXT},
        {"Publisher", "Harrowmere Software"}, {"DisplayIcon", program + ",0"},
        {"UninstallString", uninstaller},     {"QuietUninstallString", uninstaller + " /S"},
    };
    for (const auto& [name, expected] : strings)
        EXPECT_EQ(UninstallString(name).value_or("(missing)"), expected) << name;
    EXPECT_EQ(UninstallDword("NoModify").value_or(0), 1u);
    EXPECT_EQ(UninstallDword("NoRepair").value_or(0), 1u);
    // Kilobytes: the program alone is several hundred.
    EXPECT_GT(UninstallDword("EstimatedSize").value_or(0), 100u);
    EXPECT_EQ(FileVersionText(program), QV_VERSION_TEXT);

    std::string error;
    ASSERT_TRUE(program_.Start(error)) << error;
    ASSERT_NO_FATAL_FAILURE(CopyAndWait("copied after the install", 1));
    DWORD exitCode = 1;
    ASSERT_TRUE(program_.Close(exitCode, error)) << error;
    std::string saved;
    ASSERT_TRUE(ReadWholeFile(DataFilePath(), saved));
    EXPECT_NE(saved.find("copied after the install"), std::string::npos);
}

TEST_F(Installer, SignInSwitchAddsKeepsAndRemovesTheStartupLink) {
    const struct {
        const char* switches;
        bool linked;
    } runs[] = {
        {"/S /STARTUP=1", true},
        {"/S", true}, // an upgrade keeps the earlier choice
        {"/S /STARTUP=0", false},
        {"/S", false},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.switches);
        ASSERT_EQ(RunSetup(run.switches), 0);
        EXPECT_EQ(Exists(StartupLink()), run.linked);
    }
    EXPECT_NE(RunSetup("/S /STARTUP=yes"), 0); // a wrong value is refused, not guessed
}

TEST_F(Installer, UpgradeClosesTheRunningProgramAndKeepsItsHistoryAndSettings) {
    ASSERT_EQ(RunSetup("/S"), 0);
    ASSERT_TRUE(SeedDataFile(MakeDataFile(1, 100)));
    // With Confirm Exit on, a plain close would wait for an answer that a silent run never gives.
    ASSERT_TRUE(SetRegistryDword("Misc", "Confirm Exit", 1));
    ASSERT_TRUE(program_.Other().EmptyClipboard());
    ASSERT_NO_FATAL_FAILURE(LaunchAndWaitForLines(100));
    ASSERT_NO_FATAL_FAILURE(CopyAndWait("copied before the upgrade", 101));

    ASSERT_EQ(RunSetup("/S"), 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program_.WaitForExit(exitCode, 1000)) << "the upgrade left the program running";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(Exists(InstalledProgram()));
    EXPECT_EQ(RegistryDword("Misc", "Confirm Exit"), 1u);

    // The item of the closed run was saved as at any exit, beside the 100 stored before.
    ASSERT_TRUE(program_.Other().EmptyClipboard());
    ASSERT_NO_FATAL_FAILURE(LaunchAndWaitForLines(101));
    std::string line;
    ASSERT_TRUE(ListLine(program_.Control(IDC_HISTORY), 0, line));
    EXPECT_EQ(line, "stored item 0");
    ASSERT_TRUE(ListLine(program_.Control(IDC_HISTORY), 100, line));
    EXPECT_EQ(line, "copied before the upgrade");
}

TEST_F(Installer, UninstallRemovesTheProgramAndKeepsTheDataUnlessAsked) {
    // The program running during the uninstall is closed first and saves what it took.
    const struct {
        const char* switches;
        bool running;
        bool dataKept;
    } cases[] = {{"", true, true}, {"/REMOVEDATA", false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.switches);
        ASSERT_EQ(RunSetup("/S /STARTUP=1"), 0);
        ASSERT_TRUE(SeedDataFile(MakeDataFile(1, 100)));
        ASSERT_TRUE(SetRegistryDword("Misc", "Confirm Exit", 1));
        if (c.running) {
            ASSERT_TRUE(program_.Other().EmptyClipboard());
            ASSERT_NO_FATAL_FAILURE(LaunchAndWaitForLines(100));
            ASSERT_NO_FATAL_FAILURE(CopyAndWait("copied before the uninstall", 101));
        }

        ASSERT_TRUE(RunQuietUninstall(c.switches)) << "the program or its entry is still there";
        EXPECT_FALSE(program_.Running());
        EXPECT_FALSE(Exists(StartMenuLink()));
        EXPECT_FALSE(Exists(StartupLink()));
        std::string saved;
        EXPECT_EQ(ReadWholeFile(DataFilePath(), saved), c.dataKept);
        if (c.running) {
            EXPECT_NE(saved.find("copied before the uninstall"), std::string::npos);
        }
        EXPECT_EQ(RegistryDword("Misc", "Confirm Exit").has_value(), c.dataKept);
        ResetUserData();
    }
}

} // namespace
} // namespace qv::e2e
