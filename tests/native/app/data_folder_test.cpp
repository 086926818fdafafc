#include "app/application.h"
#include "app/data_folder.h"
#include "headless_platform.h"
#include "resource.h"
#include "support/program_platform.h"
#include <gtest/gtest.h>

namespace qv {
namespace {

class DataFolderTest : public ::testing::Test {
  protected:
    test::ProgramPlatform platform;
    const ProgramTexts texts = ProgramTexts::Load(platform.strings);
    DataFolderTest() {
        platform.shellFolders.folders[kFolderAppData] = "C:\\Users\\ann\\AppData\\Roaming";
        platform.shellFolders.folders[kFolderPersonal] = "C:\\Users\\ann\\Documents\\";
    }
    void WriteFile(const std::string& path, const std::string& text) {
        ASSERT_TRUE(EnsureFolderExists(platform.files, path.substr(0, path.rfind('\\') + 1)));
        ASSERT_TRUE(platform.files.WriteFile(path, text));
    }
};

TEST_F(DataFolderTest, CreatesEveryMissingLevelFromTheRootDown) {
    std::string folder;
    ASSERT_TRUE(GetDataFolder(platform, texts, folder));
    EXPECT_EQ(folder, "C:\\Users\\ann\\AppData\\Roaming\\Harrowmere Software\\");
    EXPECT_EQ(platform.files.createdFolders,
              (std::vector<std::string>{"C:\\Users", "C:\\Users\\ann", "C:\\Users\\ann\\AppData",
                                        "C:\\Users\\ann\\AppData\\Roaming",
                                        "C:\\Users\\ann\\AppData\\Roaming\\Harrowmere Software"}));
    EXPECT_TRUE(IsExistingFolder(platform.files, folder.c_str(), true));
    EXPECT_EQ(platform.shellFolders.unloadCount, 1);
}

TEST_F(DataFolderTest, FallsBackWhenTheFolderCallFailsOrIsMissing) {
    for (int variant = 0; variant < 3; ++variant) {
        test::ProgramPlatform p;
        if (variant == 0)
            p.shellFolders.hasFunction = false;
        if (variant == 2)
            p.shellFolders.folders[kFolderAppData] = "";
        std::string folder;
        ASSERT_TRUE(GetDataFolder(p, texts, folder));
        EXPECT_EQ(folder, "C:\\Windows\\Application Data\\Harrowmere Software\\");
    }
}

TEST_F(DataFolderTest, MissingLibraryEndsWithAMessage) {
    platform.shellFolders.loadable = false;
    std::string folder;
    EXPECT_FALSE(GetDataFolder(platform, texts, folder));
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text,
              "This program could not initialize.  Please reinstall it and try again.  This "
              "program will close after you press OK.");
    EXPECT_EQ(platform.messages.shown[0].icon, platform::MsgIcon::Exclamation);
    // The program then ends before any window.
    EXPECT_EQ(RunApplication(platform), 0);
}

TEST_F(DataFolderTest, OldDataFileIsCarriedOverOnce) {
    WriteFile("C:\\Users\\ann\\Documents\\Quorvane.dat", "old");
    std::string folder;
    ASSERT_TRUE(GetDataFolder(platform, texts, folder));
    std::string copied;
    ASSERT_TRUE(platform.files.ReadFile(folder + "Quorvane.dat", copied));
    EXPECT_EQ(copied, "old");
    EXPECT_TRUE(FileExists(platform.files, "C:\\Users\\ann\\Documents\\Quorvane.dat"));
    // Next run: the new file exists, so nothing is copied over it.
    WriteFile("C:\\Users\\ann\\Documents\\Quorvane.dat", "older still");
    ASSERT_TRUE(platform.files.WriteFile(folder + "Quorvane.dat", "current"));
    ASSERT_TRUE(GetDataFolder(platform, texts, folder));
    ASSERT_TRUE(platform.files.ReadFile(folder + "Quorvane.dat", copied));
    EXPECT_EQ(copied, "current");
}

TEST_F(DataFolderTest, EnsureFolderExistsLengthRules) {
    struct Case {
        std::string path;
        bool ok;
    };
    for (const Case& c : {Case{"", false}, Case{"C:", false}, Case{"CC\\x", false},
                          Case{"C:\\", true}, Case{"Q:\\", true}, // a root is not checked
                          Case{"C:\\" + std::string(252, 'a'), true},
                          Case{"C:\\" + std::string(253, 'a'), false}}) {
        EXPECT_EQ(EnsureFolderExists(platform.files, c.path), c.ok) << c.path.size();
    }
    EXPECT_TRUE(platform.files.createdFolders.size() == 1u); // only the 255-character one
}

TEST_F(DataFolderTest, AppDataRedirectedToANetworkShareIsUsed) {
    platform.shellFolders.folders[kFolderAppData] = "\\\\server\\profiles\\ann\\AppData";
    ASSERT_TRUE(platform.files.CreateFolder("\\\\server"));
    ASSERT_TRUE(platform.files.CreateFolder("\\\\server\\profiles"));
    ASSERT_TRUE(platform.files.CreateFolder("\\\\server\\profiles\\ann"));
    ASSERT_TRUE(platform.files.CreateFolder("\\\\server\\profiles\\ann\\AppData"));
    std::string folder;
    ASSERT_TRUE(GetDataFolder(platform, texts, folder)); // first run: its own level is made
    EXPECT_EQ(folder, "\\\\server\\profiles\\ann\\AppData\\Harrowmere Software\\");
    EXPECT_TRUE(IsExistingFolder(platform.files, folder.c_str(), true));
    ASSERT_TRUE(GetDataFolder(platform, texts, folder)); // later runs: it exists
    EXPECT_TRUE(platform.messages.shown.empty());
    // A share that is not there still ends with the message.
    platform.shellFolders.folders[kFolderAppData] = "\\\\gone\\profiles\\ann";
    EXPECT_FALSE(GetDataFolder(platform, texts, folder));
    EXPECT_EQ(platform.messages.shown.size(), 1u);
}

TEST_F(DataFolderTest, IsExistingFolderRules) {
    WriteFile("C:\\dir\\file.txt", "x");
    struct Case {
        const char* path;
        bool missingIsFolder;
        bool expected;
    };
    const std::string tooLong = "C:\\" + std::string(257, 'a');
    for (const Case& c : {Case{nullptr, true, false}, Case{"C:\\", true, true},
                          Case{"C:/", true, false}, Case{"C:\\dir", true, true},
                          Case{"C:\\dir\\", true, true}, Case{"C:\\dir\\file.txt", true, false},
                          Case{"C:\\nope", true, false}, Case{"C:\\nope", false, true},
                          Case{"C:x", false, false}, Case{tooLong.c_str(), false, false}}) {
        EXPECT_EQ(IsExistingFolder(platform.files, c.path, c.missingIsFolder), c.expected)
            << (c.path ? c.path : "null") << " " << c.missingIsFolder;
    }
    EXPECT_TRUE(FileExists(platform.files, "C:\\dir\\file.txt"));
    EXPECT_TRUE(FileExists(platform.files, "C:\\dir"));
    EXPECT_FALSE(FileExists(platform.files, "C:\\dir\\none"));
}

TEST_F(DataFolderTest, ApplicationRunsTheMainWindowAndRootsTheSettings) {
    bool ran = false;
    platform.OnDialog(IDD_MAIN, [&](platform::headless::HeadlessDialog& dialog) {
        ran = true;
        EXPECT_EQ(dialog.GetTitle(), "Quorvane - [empty]");
    });
    EXPECT_EQ(RunApplication(platform), 0);
    EXPECT_TRUE(ran);
    EXPECT_EQ(platform.settings.root, "Software\\Harrowmere Software\\Quorvane");
}

} // namespace
} // namespace qv
