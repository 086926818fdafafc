// The About box on the real platform: its texts, the copy of the support address, and the link
// that the shell opens.
#include "driver/recorder.h"
#include "e2e_fixture.h"
#include <string>

namespace qv::e2e {
namespace {

constexpr char kAddress[] = "support@harrowmere.example";
constexpr char kWebPage[] = "https://harrowmere.example/quorvane/";

class AboutBox : public EndToEnd {
  protected:
    HWND Open() {
        program_.SysCommand(IDM_ABOUT);
        const HWND about = program_.WaitForWindow("About Quorvane", 5000);
        EXPECT_NE(about, nullptr) << program_.Describe("no About box");
        return about;
    }
    void CloseBox(HWND about) {
        PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(program_.WaitUntil([&] { return !IsWindow(about); }, 5000));
    }
};

TEST_F(AboutBox, ShowsTheVersionTheAddressAndTheLink) {
    const HWND about = Open();
    ASSERT_NE(about, nullptr);
    std::vector<std::string> texts;
    for (HWND child : ChildrenOf(about))
        texts.push_back(TextOf(child));
    EXPECT_EQ(texts, (std::vector<std::string>{"", "Quorvane Version " QV_VERSION_TEXT, "OK",
                                               "For technical support, send e-mail to:", kAddress,
                                               "&Copy", kWebPage}));
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(about, IDC_SUPPORT_EMAIL), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(GetWindow(about, GW_OWNER), program_.MainWindow());
    EXPECT_FALSE(IsWindowEnabled(program_.MainWindow())); // modal over the main window
    CloseBox(about);
    EXPECT_TRUE(IsWindowEnabled(program_.MainWindow()));
}

TEST_F(AboutBox, CopyLeavesExactlyTheAddressOnTheClipboardWithOneMessagePerPress) {
    const HWND about = Open();
    ASSERT_NE(about, nullptr);
    for (int press = 0; press < 2; ++press) {
        SCOPED_TRACE(press);
        PostMessageA(GetDlgItem(about, IDC_COPY_EMAIL), BM_CLICK, 0, 0);
        const auto box = program_.WaitForMessageBox(5000);
        ASSERT_TRUE(box.has_value()) << program_.Describe("no message after Copy");
        EXPECT_EQ(box->text, "This e-mail address has been copied to the Clipboard.");
        EXPECT_EQ(program_.MessageBoxes().size(), 1u);
        ASSERT_TRUE(program_.Answer(*box, IDOK));
        ASSERT_TRUE(program_.WaitUntil([&] { return program_.MessageBoxes().empty(); }, 5000));
        EXPECT_TRUE(WaitForClipboardText(kAddress, 5000))
            << "clipboard holds \"" << clipboardText_ << "\"";
    }
    CloseBox(about);
}

TEST_F(AboutBox, ClickOnTheLinkOpensTheWebPageThroughTheShell) {
    ASSERT_FALSE(RecorderPath().empty()) << "the driver was started without --recorder";
    ASSERT_TRUE(ClearRecord());
    // The stand-in browser, registered for the https scheme where the shell looks it up.
    ASSERT_TRUE(RegisterRecorder("https"));
    const HWND about = Open();
    ASSERT_NE(about, nullptr);
    const HWND link = GetDlgItem(about, IDC_WEB_LINK);
    ASSERT_TRUE(program_.TakeForeground());
    PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(program_.WaitUntil([&] { return !Recorded().empty(); }, 10000))
        << program_.Describe("the shell opened nothing");
    EXPECT_EQ(Recorded(), std::string(kWebPage) + "\n");
    CloseBox(about);
}

} // namespace
} // namespace qv::e2e
