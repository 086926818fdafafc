// Clipboard data that its writer marked private (a password manager's, say) is never kept.
#include "main_window_fixture.h"

namespace qv::test {
namespace {

using platform::headless::HeadlessClipboard;

class PrivateClipTest : public MainWindowTest {
  protected:
    void SetUp() override {
        platform.files.CreateFolder("C:\\Data");
        Open();
    }
    void CopyMarkedElsewhere(const std::string& text, const char* format, const std::string& data) {
        platform.clock.Advance(1000);
        platform.clipboard.PutTextWithFormat(text, format, data);
    }
};

const std::string kZero(4, '\0');
const std::string kOne("\x01\0\0\0", 4);

// The three ways a writer marks a clip private.
const struct {
    const char* format;
    std::string data;
} markers[] = {{HeadlessClipboard::kExcludeFromMonitors, ""},
               {HeadlessClipboard::kCanIncludeInHistory, kZero},
               {HeadlessClipboard::kViewerIgnore, ""}};

TEST_F(PrivateClipTest, MarkedTextLeavesNoTrace) {
    Close();
    SetOption(kSectionSaving, kKeyChangeLimit, 1); // every capture saves the file
    Open();
    for (const auto& m : markers) {
        SCOPED_TRACE(m.format);
        CopyElsewhere("ordinary");
        const int count = List().GetCount();
        CopyMarkedElsewhere("secret password", m.format, m.data);
        EXPECT_EQ(List().GetCount(), count);
        EXPECT_EQ(window->GetTitle(), "Quorvane - [private]");
        EXPECT_EQ(Pane().GetPlainText(), "");
        EXPECT_EQ(List().GetSelCount(), 0);
        EXPECT_FALSE(window->Btn(IDC_RECALL).IsEnabled());
        EXPECT_NE(FileBytes(dataFile).find("ordinary"), std::string::npos);
        EXPECT_EQ(FileBytes(dataFile).find("secret"), std::string::npos);
        // The next ordinary copy is taken as usual.
        CopyElsewhere("after");
        EXPECT_EQ(List().GetCount(), count + 1);
        EXPECT_EQ(LineText(count), "after");
        EXPECT_EQ(window->GetTitle(), "after - Quorvane");
    }
}

TEST_F(PrivateClipTest, ReCopyAndUpdateRightAfterAPrivateClipAddNothing) {
    Close();
    SetOption(kSectionSaving, kKeyChangeLimit, 1); // every item added saves the file
    Open();
    CopyElsewhere("ordinary");
    for (const bool formatting : {true, false}) {
        if (window->Btn(IDC_INCLUDE_FORMATTING).IsChecked() != formatting)
            window->Click(IDC_INCLUDE_FORMATTING);
        for (const auto& m : markers) {
            for (const int button : {IDC_RECOPY, IDC_UPDATE}) {
                SCOPED_TRACE(std::string(m.format) + (formatting ? " formatted " : " plain ") +
                             (button == IDC_RECOPY ? "Re-Copy" : "Update"));
                CopyMarkedElsewhere("secret password", m.format, m.data);
                Activate(true);
                window->Click(button);
                Activate(false);
                EXPECT_EQ(List().GetCount(), 1);
                EXPECT_EQ(window->GetTitle().find("secret"), std::string::npos);
                EXPECT_EQ(platform.clipboard.Text(), "secret password") << "left as it was";
                EXPECT_EQ(FileBytes(dataFile).find("secret"), std::string::npos);
            }
        }
    }
    // Capture still works afterwards.
    CopyElsewhere("after");
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "after");
}

TEST_F(PrivateClipTest, APrivateClipWrittenBetweenTheCheckAndTheReadIsNeverTaken) {
    bool once = true;
    platform.clipboard.beforeRead = [&] {
        if (once) {
            once = false;
            platform.clipboard.PutTextWithFormat("secret", HeadlessClipboard::kViewerIgnore, "");
        }
    };
    CopyElsewhere("ordinary");
    platform.clipboard.beforeRead = nullptr;
    EXPECT_EQ(List().GetCount(), 0);
    EXPECT_EQ(window->GetTitle(), "Quorvane - [private]");
    EXPECT_EQ(Pane().GetPlainText(), "");
    CopyElsewhere("next");
    ASSERT_EQ(List().GetCount(), 1);
    EXPECT_EQ(LineText(0), "next");
}

TEST_F(PrivateClipTest, HistoryAllowedIsCapturedAsUsual) {
    CopyMarkedElsewhere("may be kept", HeadlessClipboard::kCanIncludeInHistory, kOne);
    ASSERT_EQ(List().GetCount(), 1);
    EXPECT_EQ(LineText(0), "may be kept");
    EXPECT_EQ(window->GetTitle(), "may be kept - Quorvane");
}

TEST_F(PrivateClipTest, OtherItemsCanBeRecalledAndReCopiedMeanwhile) {
    CopyElsewhere("older item");
    CopyMarkedElsewhere("secret", HeadlessClipboard::kExcludeFromMonitors, "");
    SelectByUser({0}, 0);
    window->Click(IDC_RECALL);
    EXPECT_EQ(platform.clipboard.Text(), "older item");
    EXPECT_EQ(Pane().GetPlainText(), "older item");
    window->Click(IDC_RECOPY);
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "older item");
}

TEST_F(PrivateClipTest, TheNoticeStillGoesDownTheViewerChain) {
    Close();
    int seen = 0;
    const platform::WindowRef later = 0x4242; // joined before the window, so it comes after it
    platform.clipboard.RegisterWindow(later, {[&seen](const platform::ClipboardNotice&) { ++seen; },
                                              [](platform::WindowRef, platform::WindowRef) {}});
    platform::WindowRef next = 0;
    ASSERT_TRUE(platform.clipboard.SetViewer(later, next));
    Open();
    const int before = seen;
    CopyMarkedElsewhere("secret", HeadlessClipboard::kViewerIgnore, "");
    EXPECT_EQ(seen, before + 1);
    EXPECT_EQ(List().GetCount(), 0);
    Close();
    platform.clipboard.UnregisterWindow(later);
}

} // namespace
} // namespace qv::test
