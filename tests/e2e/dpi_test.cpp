// The real program on a desktop of 96, 144 and 192 DPI: every label, button, check box and radio
// button of the main window, the Mini-Window, the Options pages and the Tip of the Day shows its
// whole text in the font the program was given. The font handle of another process cannot be
// used here, so the driver makes the same font from the template's face and size at that DPI and
// first checks that it is the program's (the window's width follows from it).
#include "driver/desktop_dpi.h"
#include "driver/keyboard.h"
#include "driver/program.h"
#include "driver/remote.h"
#include "driver/screenshot.h"
#include "resource.h"
#include "support/text_fit.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <optional>

namespace qv::e2e {
namespace {

namespace pw = platform::win32;

// The dialog font as the dialog manager makes it at the program's DPI.
pw::UniqueGdiObject DialogFont(unsigned dpi) {
    return pw::UniqueGdiObject(CreateFontA(-MulDiv(QV_DIALOG_FONT_SIZE, int(dpi), 72), 0, 0, 0,
                                           FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                                           0, QV_DIALOG_FONT));
}

// A dialog unit across in pixels times four, as the dialog manager measures the font.
int HorizontalBaseUnit(HFONT font) {
    const pw::UniqueCreatedDC dc(CreateCompatibleDC(nullptr));
    const pw::SelectedObject selected(dc.get(), font);
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), kLetters, 52, &size);
    return (size.cx / 26 + 1) / 2;
}

// The width of a dialog template of the driver's copy of the program's resources (an extended
// template puts it after its version, signature, help id and styles).
int TemplateWidth(int templateId) {
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const auto* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    if (!words)
        return 0;
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    return short(words[extended ? 11 : 7]);
}

class AtDpi : public ::testing::TestWithParam<unsigned> {
  protected:
    void SetUp() override {
        dpi_.emplace(GetParam());
        ASSERT_TRUE(dpi_->ok());
        std::string error;
        ASSERT_TRUE(program_.Start(error)) << error;
        font_ = DialogFont(GetParam());
    }
    void TearDown() override {
        program_.Kill();
        dpi_.reset();
    }
    void ExpectTextsFit(HWND dialog, const std::string& name) {
        SCOPED_TRACE(name + " at " + std::to_string(GetParam()) + " dpi");
        const auto font = static_cast<HFONT>(font_.get());
        for (HWND child = GetWindow(dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const auto overflow = testsupport::MeasureTextFit(child, font, GetParam());
            EXPECT_FALSE(overflow) << "\"" << overflow->text << "\" needs " << overflow->needed
                                   << " pixels, has " << overflow->available;
        }
    }
    // Keeps a picture of the window with the run's artifacts (docs/dpi holds chosen ones).
    void Photograph(HWND window, const std::string& name) {
        if (Options().artifacts.empty())
            return;
        const std::string folder = WindowsPath(Options().artifacts) + "\\dpi";
        CreateDirectoryA(WindowsPath(Options().artifacts).c_str(), nullptr);
        CreateDirectoryA(folder.c_str(), nullptr);
        PumpFor(300); // the window paints
        EXPECT_TRUE(SaveWindowShot(folder + "\\" + name + "-" + std::to_string(GetParam()) + ".bmp",
                                   window));
    }
    std::optional<DesktopDpi> dpi_;
    Program program_;
    pw::UniqueGdiObject font_;
};

TEST_P(AtDpi, EveryWindowShowsItsWholeTexts) {
    const HWND main = program_.MainWindow();
    RECT client{};
    GetClientRect(main, &client);
    ASSERT_EQ(client.right,
              MulDiv(TemplateWidth(IDD_MAIN), HorizontalBaseUnit(HFONT(font_.get())), 4))
        << "the program does not show the template in the driver's font at " << GetParam()
        << " dpi";
    ExpectTextsFit(main, "main window");
    Photograph(main, "main");

    // A window that a key of the main window opens: its texts fit, it is photographed, it closes.
    const auto checkOpenedBy = [&](char key, const char* title, const char* photo) {
        ASSERT_TRUE(program_.TakeForeground());
        ASSERT_TRUE(PressKey(key, VK_CONTROL));
        const HWND window = program_.WaitForWindow(title, 5000);
        ASSERT_NE(window, nullptr) << program_.Describe(std::string(title) + " did not open");
        ExpectTextsFit(window, title);
        Photograph(window, photo);
        PostMessageA(window, WM_CLOSE, 0, 0);
        program_.WaitUntil([&] { return !IsWindowVisible(window); }, 5000);
    };
    checkOpenedBy('M', "Quorvane Mini-Window", "mini-window");
    checkOpenedBy('T', "Tip of the Day", "tip-of-the-day");

    program_.Click(IDC_OPTIONS);
    const HWND sheet = program_.WaitForWindow("Options", 5000);
    ASSERT_NE(sheet, nullptr) << program_.Describe("no Options sheet");
    Photograph(sheet, "options");
    for (int index = 0; index < 5; ++index) {
        LRESULT page = 0;
        SendBounded(sheet, PSM_SETCURSEL, WPARAM(index), 0, page);
        SendBounded(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, page);
        ASSERT_NE(page, 0);
        ExpectTextsFit(reinterpret_cast<HWND>(page), "Options page " + std::to_string(index));
    }
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    program_.WaitUntil([&] { return !IsWindow(sheet); }, 5000);
}

INSTANTIATE_TEST_SUITE_P(Desktop, AtDpi, ::testing::Values(96u, 144u, 192u));

} // namespace
} // namespace qv::e2e
