#include "main_window_fixture.h"

namespace qv::test {
namespace {

class OutOfMemoryTest : public MainWindowTest {
  protected:
    void SetUp() override {
        platform.files.CreateFolder("C:\\Data");
        Open();
        for (const char* t : {"alpha", "beta", "gamma"})
            CopyElsewhere(t);
        platform.messages.shown.clear();
    }
    void ExpectOutOfMemoryMessage() {
        ASSERT_EQ(platform.messages.shown.size(), 1u);
        EXPECT_EQ(platform.messages.shown[0].text,
                  "Out of memory.  Please close another program and try again.");
        EXPECT_EQ(platform.messages.shown[0].icon, platform::MsgIcon::Stop);
    }
};

TEST_F(OutOfMemoryTest, RecallReportsAndRedrawsThePane) {
    Select({0}, 0);
    Pane().outOfMemoryOnImport = true;
    EXPECT_FALSE(dialog->Recall(false));
    ExpectOutOfMemoryMessage();
    EXPECT_TRUE(Pane().redrawOn);
    EXPECT_EQ(Pane().GetPlainText(), "gamma"); // what it held stays
}

TEST_F(OutOfMemoryTest, SearchRunKeepsWhatItDidAndShowsTheList) {
    Select({1}, 1);
    List().outOfMemoryOnText = true;
    window->Combo(IDC_SEARCH).SetText("a");
    dialog->SearchRun();
    ExpectOutOfMemoryMessage();
    EXPECT_TRUE(List().visible);
    EXPECT_EQ(List().GetCaretIndex(), 1); // not moved
    EXPECT_FALSE(window->Btn(IDC_BACK).IsEnabled());
    EXPECT_FALSE(dialog->IsSearchStepping());
}

TEST_F(OutOfMemoryTest, SaveReportsItAsAFailedSave) {
    EXPECT_TRUE(dialog->SaveDataFile());
    List().outOfMemoryOnText = true;
    EXPECT_FALSE(dialog->SaveDataFile());
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text,
              "Could not save Clipboard data into \"C:\\Data\\Quorvane.dat\".");
    List().outOfMemoryOnText = false;
}

} // namespace
} // namespace qv::test
