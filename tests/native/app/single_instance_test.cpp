// A second start of the program hands over to the copy that runs, before it touches any data.
#include "app/application.h"
#include "app/data_folder.h"
#include "headless_platform.h"
#include "mainwindow/exit_codes.h"
#include "resource.h"
#include "support/program_platform.h"
#include <gtest/gtest.h>

namespace qv {
namespace {

class SingleInstanceTest : public ::testing::Test {
  protected:
    SingleInstanceTest() {
        platform.shellFolders.folders[kFolderAppData] = "C:\\Users\\ann\\AppData\\Roaming";
        platform.shellFolders.folders[kFolderPersonal] = "C:\\Users\\ann\\Documents\\";
    }
    test::ProgramPlatform platform;
};

TEST_F(SingleInstanceTest, ASecondStartBringsTheFirstToTheFrontAndEndsAtOnce) {
    platform.singleInstance.otherRunning = true;
    EXPECT_EQ(RunApplication(platform), kExitAlreadyRunning);
    EXPECT_EQ(platform.singleInstance.claimedName, "Quorvane");
    EXPECT_EQ(platform.singleInstance.activations, 1);
    EXPECT_TRUE(platform.files.createdFolders.empty()) << "it read or made no data folder";
    EXPECT_EQ(platform.shellFolders.unloadCount, 0);
    EXPECT_TRUE(platform.settings.keys.empty()) << "it wrote no setting";
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_EQ(platform.singleInstance.published, 0u) << "it showed no window";
}

TEST_F(SingleInstanceTest, TheFirstCopyPublishesItsWindowAndAnUnavailableClaimRunsAsBefore) {
    for (const auto claim :
         {platform::InstanceClaim::First, platform::InstanceClaim::Unavailable}) {
        test::ProgramPlatform p;
        p.shellFolders.folders[kFolderAppData] = "C:\\Users\\ann\\AppData\\Roaming";
        p.singleInstance.claim = claim;
        EXPECT_EQ(RunApplication(p), 0);
        EXPECT_NE(p.singleInstance.published, 0u);
        EXPECT_EQ(p.singleInstance.activations, 0);
    }
}

} // namespace
} // namespace qv
