// A DPI change as Windows delivers it to a per-monitor aware window (WM_DPICHANGED with the
// suggested rectangle). Wine 8 never sends it, so the test sends it and stands in for the dialog
// manager's scaling of the dialog's font.
#include "win32/win32_link.h"
#include "win32_fixture.h"
#include <gtest/gtest.h>

namespace qv::win32test {
namespace {

LONG FontHeight(HGDIOBJ font, bool& underlined) {
    LOGFONTA description{};
    GetObjectA(font, sizeof description, &description);
    underlined = description.lfUnderline != 0;
    return description.lfHeight;
}

TEST(DpiChange, TheWindowTakesTheSuggestedRectangleAndTheLinkItsScaledFont) {
    RecordingEvents log;
    RecordingDialogEvents events{log};
    auto about = OpenDialog(events, IDD_ABOUT);
    ASSERT_TRUE(about);
    const HWND window = about->Window();
    const HWND link = GetDlgItem(window, IDC_WEB_LINK);
    ShowWindow(window, SW_SHOWNA);
    UpdateWindow(window); // the first paint makes the underlined font
    Pump(100);

    // Twice the size, as the dialog manager gives each control the font at twice the DPI.
    pw::UniqueGdiObject scaled(CreateFontA(-22, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                           DEFAULT_CHARSET, 0, 0, 0, 0, QV_DIALOG_FONT));
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(scaled.get()), FALSE);
    RECT suggested{40, 30, 40 + 900, 30 + 400};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    Pump(200);
    RedrawWindow(link, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    RECT now{};
    GetWindowRect(window, &now);
    EXPECT_EQ(now.left, suggested.left);
    EXPECT_EQ(now.top, suggested.top);
    EXPECT_EQ(now.right, suggested.right);
    EXPECT_EQ(now.bottom, suggested.bottom);
    bool underlined = false;
    const auto* view = dynamic_cast<pw::LinkView*>(&about->Link(IDC_WEB_LINK));
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->LinkFont(), nullptr);
    EXPECT_EQ(FontHeight(view->LinkFont(), underlined), -22);
    EXPECT_TRUE(underlined);
    // The control draws with the new underlined font, never with a deleted one.
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), view->LinkFont());
    about.reset(); // before the scaled font the controls hold
}

TEST(DpiChange, TheMainWindowMeasuresItsListAgain) {
    RecordingEvents log;
    auto main = OpenDialog(log, IDD_MAIN);
    ASSERT_TRUE(main);
    log.Take();
    RECT suggested{0, 0, 800, 600};
    SendMessageA(main->Window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    Pump(200, [&] { return log.Saw("fontchange"); });
    EXPECT_TRUE(log.Saw("fontchange"));
}

} // namespace
} // namespace qv::win32test
