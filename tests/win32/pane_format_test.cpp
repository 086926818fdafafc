// Font and Color on the real contents pane with the real choosers, answered as a user would: the
// selection's format or the default one read back from the control.
#include "chooser_answerer.h"
#include "mainwindow/pane_format.h"
#include "win32/win32_handles.h"
#include "win32_fixture.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <richedit.h>
#include <string>
#include <vector>

namespace qv::win32test {
namespace {

class PaneFormat : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_ = OpenDialog(events_);
        ASSERT_TRUE(dialog_);
        format_ = std::make_unique<CPaneFormat>(TestPlatform(), *dialog_, settings_);
        Pane().SetText("hello world");
    }
    platform::IRichEdit& Pane() { return dialog_->RichEdit(IDC_CONTENTS); }
    platform::CharFormat FormatOf(long start, long end) {
        Pane().SetSel(start, end);
        return Pane().GetSelectionCharFormat();
    }
    // Chooses Bold in the font chooser; whether it showed its Effects section.
    bool ChooseBold() {
        bool effectsShown = false;
        Answerer ok("Font", IDOK, [&](HWND chooser) {
            const HWND underline = GetDlgItem(chooser, kUnderline);
            effectsShown = underline && IsWindowVisible(underline);
            Pick(chooser, kStyleList, Find(chooser, kStyleList, "Bold"));
        });
        format_->ChooseFont();
        return effectsShown;
    }
    RecordingEvents events_;
    std::unique_ptr<pw::Win32Dialog> dialog_;
    CSettings settings_;
    std::unique_ptr<CPaneFormat> format_;
};

TEST_F(PaneFormat, AFontForASelectionChangesOnlyTheSelection) {
    const platform::CharFormat before = Pane().GetDefaultCharFormat();
    Pane().SetSel(0, 5);
    ChooseBold();
    EXPECT_TRUE(FormatOf(0, 5).effects & CFE_BOLD);
    EXPECT_FALSE(FormatOf(6, 11).effects & CFE_BOLD);
    const platform::CharFormat after = Pane().GetDefaultCharFormat();
    EXPECT_FALSE(after.effects & CFE_BOLD);
    EXPECT_EQ(after.face, before.face);
    EXPECT_EQ(after.heightTwips, before.heightTwips);
}

TEST_F(PaneFormat, AFontWithoutASelectionChangesTheDefaultFormat) {
    Pane().SetSel(3, 3);
    ChooseBold();
    EXPECT_TRUE(Pane().GetDefaultCharFormat().effects & CFE_BOLD);
}

// Bold on a selection of three colours: without Apply Colors every word keeps its own colour,
// not the first one's.
TEST_F(PaneFormat, AFontForASelectionOfSeveralColoursKeepsEachColour) {
    Pane().SetText("red green blue");
    const struct {
        long start, end;
        COLORREF colour;
    } words[] = {{0, 3, RGB(200, 0, 0)}, {4, 9, RGB(0, 150, 0)}, {10, 14, RGB(0, 0, 220)}};
    for (const auto& w : words) {
        platform::CharFormat format = FormatOf(w.start, w.end);
        format.mask = CFM_COLOR;
        format.effects = 0;
        format.color = w.colour;
        Pane().SetSelectionCharFormat(format);
    }
    settings_.applyColors = 0;
    Pane().SetSel(0, 14);
    ChooseBold();
    for (const auto& w : words) {
        SCOPED_TRACE(w.start);
        const platform::CharFormat after = FormatOf(w.start, w.end);
        EXPECT_TRUE(after.effects & CFE_BOLD);
        EXPECT_FALSE(after.effects & CFE_AUTOCOLOR);
        EXPECT_EQ(after.color, platform::Color(w.colour));
    }
}

TEST_F(PaneFormat, ShowEffectsDecidesWhetherTheChooserHasItsEffectsSection) {
    for (int showEffects : {0, 1}) {
        SCOPED_TRACE(showEffects);
        settings_.showEffects = showEffects;
        Pane().SetSel(0, 5);
        EXPECT_EQ(ChooseBold(), showEffects != 0);
    }
}

TEST_F(PaneFormat, AColourPickedReachesTheTextAndTurnsAutomaticColourOff) {
    ASSERT_TRUE(FormatOf(0, 5).effects & CFE_AUTOCOLOR) << "the pane starts in automatic colour";
    Pane().SetSel(0, 5);
    {
        Answerer ok("Color", IDOK,
                    [](HWND chooser) { SetDlgItemTextA(chooser, kRedField, "100"); });
        format_->ChooseColour();
    }
    const platform::CharFormat picked = FormatOf(0, 5);
    EXPECT_FALSE(picked.effects & CFE_AUTOCOLOR);
    EXPECT_EQ(GetRValue(picked.color), 100);
    EXPECT_TRUE(FormatOf(6, 11).effects & CFE_AUTOCOLOR);
    {
        Answerer cancel("Color", IDCANCEL);
        Pane().SetSel(6, 11);
        format_->ChooseColour();
    }
    EXPECT_TRUE(FormatOf(6, 11).effects & CFE_AUTOCOLOR);
}

// OK in the real font chooser ten times with nothing changed: it shows the same size each time,
// and the pane keeps the size it got at the first OK. Runs at the screen's resolution; the table
// below runs it again in processes of their own at the higher ones.
TEST_F(PaneFormat, TenOksInTheFontChooserKeepTheSize) {
    if (const char* wanted = std::getenv("QV_PIXELS_PER_INCH")) {
        ASSERT_EQ(TestPlatform().ScreenPixelsPerInch(), std::atoi(wanted));
    }
    platform::CharFormat start = Pane().GetDefaultCharFormat();
    start.mask = CFM_SIZE | CFM_FACE;
    start.face = "Tahoma";
    start.heightTwips = 200;
    Pane().SetDefaultCharFormat(start);
    Pane().SetSel(0, 0);
    std::vector<std::string> shown;
    std::vector<int> twips;
    for (int ok = 0; ok < 11; ++ok) {
        {
            Answerer answer("Font", IDOK, [&](HWND chooser) {
                char size[16] = {};
                GetDlgItemTextA(chooser, kSizeList, size, sizeof size);
                shown.push_back(size);
            });
            format_->ChooseFont();
        }
        twips.push_back(Pane().GetDefaultCharFormat().heightTwips);
    }
    ASSERT_EQ(shown.size(), 11u);
    for (int ok = 1; ok < 11; ++ok) {
        SCOPED_TRACE("after " + std::to_string(ok) + " OKs");
        EXPECT_EQ(shown[std::size_t(ok)], shown[0]);
        EXPECT_EQ(twips[std::size_t(ok)], twips[0]);
    }
}

// A process takes the screen's resolution from the settings when it starts: each resolution
// runs the case above in a child process of this program.
class ScreenResolution {
  public:
    explicit ScreenResolution(DWORD pixelsPerInch) {
        Set(HKEY_CURRENT_USER, "Control Panel\\Desktop", pixelsPerInch);
        Set(HKEY_CURRENT_CONFIG, "Software\\Fonts", pixelsPerInch);
    }
    ~ScreenResolution() {
        Set(HKEY_CURRENT_USER, "Control Panel\\Desktop", 96);
        Set(HKEY_CURRENT_CONFIG, "Software\\Fonts", 96);
    }
    ScreenResolution(const ScreenResolution&) = delete;
    ScreenResolution& operator=(const ScreenResolution&) = delete;

  private:
    static void Set(HKEY root, const char* path, DWORD value) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return;
        const pw::UniqueKey owned(key);
        RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                       sizeof value);
    }
};

// The case's exit code in a child process at the resolution.
DWORD RunAtResolution(DWORD pixelsPerInch) {
    const ScreenResolution resolution(pixelsPerInch);
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string command = std::string("\"") + program +
                          "\" --gtest_filter=PaneFormat.TenOksInTheFontChooserKeepTheSize";
    SetEnvironmentVariableA("QV_PIXELS_PER_INCH", std::to_string(pixelsPerInch).c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    SetEnvironmentVariableA("QV_PIXELS_PER_INCH", nullptr);
    if (!started)
        return DWORD(-1);
    const pw::UniqueKernelHandle thread(process.hThread), child(process.hProcess);
    DWORD exitCode = DWORD(-1);
    if (WaitForSingleObject(child.get(), 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(child.get(), &exitCode);
    return exitCode;
}

TEST(PaneFormatAtResolutions, TenOksInTheFontChooserKeepTheSizeAtEveryResolution) {
    if (std::getenv("QV_PIXELS_PER_INCH"))
        GTEST_SKIP() << "a child run";
    for (DWORD pixelsPerInch : {96, 120, 144, 168, 192, 216, 240, 288})
        EXPECT_EQ(RunAtResolution(pixelsPerInch), 0u) << pixelsPerInch << " pixels per inch";
}

} // namespace
} // namespace qv::win32test
