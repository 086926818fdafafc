// Running out of memory in the middle of an operation: it is reported, and the window stays as it
// was or as far as the operation got.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

class OutOfMemoryTest : public MainWindowTest {
  protected:
    void SetUp() override {
        Open();
        for (const char* t : {"alpha", "beta", "gamma"})
            CopyElsewhere(t);
        platform.messages.shown.clear();
        // Whatever the message needs was loaded at start-up; the string table may not be
        // reachable now.
        platform.strings.table.clear();
    }
    void ExpectOutOfMemoryMessage() {
        ASSERT_EQ(platform.messages.shown.size(), 1u);
        EXPECT_EQ(platform.messages.shown[0].text,
                  "Out of memory.  Please close another program and try again.");
        EXPECT_EQ(platform.messages.shown[0].caption, "Quorvane");
        EXPECT_EQ(platform.messages.shown[0].icon, platform::MsgIcon::Stop);
    }
};

TEST_F(OutOfMemoryTest, RecallReportsAndRedrawsThePane) {
    Pane().outOfMemoryOnImport = true;
    SelectByUser({0}, 0);
    ExpectOutOfMemoryMessage();
    EXPECT_TRUE(Pane().redrawOn);
    EXPECT_EQ(Pane().GetPlainText(), "gamma"); // what it held stays
    EXPECT_EQ(platform.clipboard.Text(), "gamma");
}

TEST_F(OutOfMemoryTest, SearchKeepsWhatItDidShowsTheListAndEndsStepping) {
    window->Type(IDC_SEARCH, "a"); // all three, stepping from the last
    ASSERT_TRUE(window->Btn(IDC_BACK).IsEnabled());
    List().outOfMemoryOnText = true;
    window->Type(IDC_SEARCH, "b");
    ExpectOutOfMemoryMessage();
    List().outOfMemoryOnText = false;
    EXPECT_TRUE(List().visible);
    EXPECT_EQ(List().GetSelItems(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(List().GetCaretIndex(), 2); // not moved
    EXPECT_FALSE(window->Btn(IDC_BACK).IsEnabled());
    // No longer stepping: Recall wants a single selected line again.
    platform.messages.shown.clear();
    window->Click(IDC_RECALL);
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].icon, platform::MsgIcon::Information);
}

} // namespace
} // namespace qv::test
