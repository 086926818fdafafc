// The About box and its link on the headless platform: what the user sees, the copy of the
// address, and the link's fallbacks when the shell cannot open what it is given.
#include "help/about_dialog.h"
#include "help/static_link.h"
#include "resource.h"
#include "support/program_platform.h"
#include <gtest/gtest.h>

namespace qv {
namespace {

using platform::headless::HeadlessDialog;
using platform::headless::HeadlessEdit;
using platform::headless::HeadlessLink;

constexpr char kAddress[] = "support@harrowmere.example";
constexpr char kWebPage[] = "https://harrowmere.example/quorvane/";

class AboutBoxTest : public ::testing::Test {
  protected:
    // Runs the box over an owner window; script acts in it while it is open.
    int Run(std::function<void(HeadlessDialog&)> script) {
        platform.OnDialog(IDD_ABOUT, std::move(script));
        CAboutDialog about(platform);
        return about.Run(0x4242);
    }
    test::ProgramPlatform platform;
};

TEST_F(AboutBoxTest, ShowsTheAddressReadOnlyAndTheLinkUnvisited) {
    const int result = Run([](HeadlessDialog& box) {
        EXPECT_EQ(box.GetTitle(), "About Quorvane");
        EXPECT_EQ(box.Owner(), 0x4242u);
        EXPECT_EQ(box.Edit(IDC_SUPPORT_EMAIL).GetText(), kAddress);
        EXPECT_TRUE(box.Edit(IDC_SUPPORT_EMAIL).IsReadOnly());
        EXPECT_EQ(box.Link(IDC_WEB_LINK).GetText(), kWebPage);
        EXPECT_EQ(box.Link(IDC_WEB_LINK).LinkColour(), CStaticLink::kUnvisited);
        box.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(AboutBoxTest, EscapeOrTheCloseBoxEndsIt) {
    EXPECT_EQ(Run([](HeadlessDialog& box) { box.PressClose(); }), IDCANCEL);
}

TEST_F(AboutBoxTest, CopyLeavesExactlyTheAddressAndOneMessagePerPress) {
    platform.clipboard.PutFromOtherApp("something else");
    Run([&](HeadlessDialog& box) {
        for (int press = 1; press <= 2; ++press) {
            box.Click(IDC_COPY_EMAIL);
            EXPECT_EQ(platform.clipboard.Text(), kAddress);
            ASSERT_EQ(platform.messages.shown.size(), std::size_t(press));
            EXPECT_EQ(platform.messages.shown.back().text,
                      "This e-mail address has been copied to the Clipboard.");
            EXPECT_EQ(platform.messages.shown.back().icon, platform::MsgIcon::Information);
        }
        long start = -1, end = -1;
        box.Edit(IDC_SUPPORT_EMAIL).GetSel(start, end);
        EXPECT_EQ(start, 0); // the selection collapses to the start
        EXPECT_EQ(end, 0);
        box.Click(IDOK);
    });
}

TEST_F(AboutBoxTest, ACopyThatCannotReachTheClipboardIsReportedAsSuch) {
    platform.clipboard.PutFromOtherApp("something else");
    platform.clipboard.HoldOpen();
    Run([&](HeadlessDialog& box) {
        box.Click(IDC_COPY_EMAIL);
        EXPECT_EQ(platform.clipboard.Text(), "something else");
        ASSERT_EQ(platform.messages.shown.size(), 1u);
        EXPECT_EQ(platform.messages.shown[0].text, platform.strings.Load(IDS_EMAIL_NOT_COPIED));
        EXPECT_EQ(platform.messages.shown[0].icon, platform::MsgIcon::Exclamation);
        // Once the other program lets go, the next press copies.
        platform.clipboard.Release();
        box.Click(IDC_COPY_EMAIL);
        EXPECT_EQ(platform.clipboard.Text(), kAddress);
        ASSERT_EQ(platform.messages.shown.size(), 2u);
        EXPECT_EQ(platform.messages.shown[1].text, platform.strings.Load(IDS_EMAIL_COPIED));
        box.Click(IDOK);
    });
}

TEST_F(AboutBoxTest, ClickOnTheLinkOpensItAndTurnsItPurple) {
    Run([&](HeadlessDialog& box) {
        box.Click(IDC_WEB_LINK);
        EXPECT_EQ(platform.shell.opened, std::vector<std::string>{kWebPage});
        EXPECT_EQ(box.Link(IDC_WEB_LINK).LinkColour(), CStaticLink::kVisited);
        box.Click(IDC_WEB_LINK); // later clicks open the kept target directly
        EXPECT_EQ(platform.shell.asked, (std::vector<std::string>{kWebPage, kWebPage}));
        box.Click(IDOK);
    });
    // A new box starts unvisited again.
    Run([](HeadlessDialog& box) {
        EXPECT_EQ(box.Link(IDC_WEB_LINK).LinkColour(), CStaticLink::kUnvisited);
        box.Click(IDOK);
    });
}

// The fallbacks of a link: its target, then its text, then the string numbered like the control,
// then a beep; the first that opens becomes the target.
TEST(StaticLink, FallsBackFromTargetToTextToStringToABeep) {
    struct Case {
        const char* name;
        std::string target;
        std::vector<std::string> failing;
        std::vector<std::string> expectedAsked;
        std::string expectedTarget;
        int beeps;
    };
    const std::string text = "https://shown.example/";
    const std::string resource = "https://resource.example/";
    const Case cases[] = {
        {"target opens",
         "https://target.example/",
         {},
         {"https://target.example/"},
         "https://target.example/",
         0},
        {"empty target: the text", "", {}, {text}, text, 0},
        {"target fails: the text",
         "https://target.example/",
         {"https://target.example/"},
         {"https://target.example/", text},
         text,
         0},
        {"text fails too: the string", "", {text}, {text, resource}, resource, 0},
        {"nothing opens: a beep", "", {text, resource}, {text, resource}, resource, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::headless::HeadlessShell shell;
        shell.failing = c.failing;
        platform::headless::HeadlessStrings strings;
        strings.table[777] = resource;
        HeadlessLink view;
        view.SetText(text);
        CStaticLink link(c.target);
        link.Attach(view, 777);
        link.Follow(shell, strings);
        EXPECT_EQ(shell.asked, c.expectedAsked);
        EXPECT_EQ(link.Target(), c.expectedTarget);
        EXPECT_EQ(shell.beeps, c.beeps);
        EXPECT_EQ(view.LinkColour(), c.beeps ? CStaticLink::kUnvisited : CStaticLink::kVisited);
    }
}

} // namespace
} // namespace qv
