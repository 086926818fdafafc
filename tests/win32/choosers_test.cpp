// The font and colour choosers take and give plain structs; a helper thread answers them as a
// user would.
#include "win32_fixture.h"
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace qv::win32test {
namespace {

// Waits for a chooser of the process with the caption, lets check look at it, then presses the
// button.
class Answerer {
  public:
    Answerer(const char* caption, int button, std::function<void(HWND)> check = nullptr)
        : thread_([=] {
              for (int i = 0; i < 250; ++i) {
                  const HWND found = FindWindowA("#32770", caption);
                  if (found && IsWindowVisible(found)) {
                      Sleep(100);
                      if (check)
                          check(found);
                      PostMessageA(found, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                      answered = true;
                      return;
                  }
                  Sleep(20);
              }
          }) {}
    ~Answerer() { thread_.join(); }
    std::atomic<bool> answered{false};

  private:
    std::thread thread_;
};

TEST(Choosers, FontComesBackAsChosenAndCancelLeavesItAsItWas) {
    platform::FontChoice choice;
    choice.font.face = "Tahoma";
    choice.font.height = -16;
    choice.font.weight = FW_BOLD;
    choice.colour = RGB(200, 0, 0);
    bool underlineShown = false;
    {
        Answerer ok("Font", IDOK, [&](HWND chooser) {
            const HWND underline = GetDlgItem(chooser, 0x411); // the standard template's box
            underlineShown = underline && IsWindowVisible(underline);
        });
        ASSERT_TRUE(TestPlatform().ChooseFont(choice, 0));
    }
    EXPECT_TRUE(underlineShown) << "the effects are offered";
    EXPECT_EQ(choice.font.face, "Tahoma");
    EXPECT_EQ(choice.font.height, -16);
    EXPECT_EQ(choice.font.weight, FW_BOLD);
    EXPECT_EQ(choice.font.underline, 0);
    EXPECT_EQ(choice.colour, RGB(200, 0, 0));

    platform::FontChoice before = choice;
    {
        Answerer cancel("Font", IDCANCEL);
        EXPECT_FALSE(TestPlatform().ChooseFont(choice, 0));
    }
    EXPECT_EQ(choice.font.face, before.font.face);
    EXPECT_EQ(choice.font.height, before.font.height);
}

TEST(Choosers, FontWithoutEffectsOffersNoUnderlineOrColour) {
    platform::FontChoice choice;
    choice.font.face = "Tahoma";
    choice.font.height = -13;
    choice.showEffects = false;
    bool underlineShown = true;
    {
        Answerer ok("Font", IDOK, [&](HWND chooser) {
            const HWND underline = GetDlgItem(chooser, 0x411); // the standard template's box
            underlineShown = underline && IsWindowVisible(underline);
        });
        ASSERT_TRUE(TestPlatform().ChooseFont(choice, 0));
    }
    EXPECT_FALSE(underlineShown);
}

// Picks the entry of a chooser's drop-down list as a user would; the entry's item data.
LRESULT Pick(HWND chooser, int comboId, int index) {
    const HWND combo = GetDlgItem(chooser, comboId);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

int Find(HWND chooser, int comboId, const char* text) {
    return static_cast<int>(SendDlgItemMessageA(chooser, comboId, CB_FINDSTRINGEXACT,
                                                static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(text)));
}

// The standard template's controls: style and size lists, underline box, colour list.
constexpr int kStyleList = 0x471, kSizeList = 0x472, kUnderline = 0x411, kColourList = 0x473;

TEST(Choosers, WhatTheUserChoosesInTheFontChooserComesBack) {
    platform::FontChoice choice;
    choice.font.face = "Tahoma";
    choice.font.height = -13; // characters of 13 pixels: 10 points at 96 dots per inch
    choice.font.weight = FW_NORMAL;
    choice.colour = RGB(200, 0, 0);
    std::string sizeShown;
    LRESULT picked = 0;
    {
        Answerer ok("Font", IDOK, [&](HWND chooser) {
            char size[16] = {};
            GetDlgItemTextA(chooser, kSizeList, size, sizeof size);
            sizeShown = size;
            Pick(chooser, kSizeList, Find(chooser, kSizeList, "14"));
            Pick(chooser, kStyleList, Find(chooser, kStyleList, "Bold Italic"));
            SendDlgItemMessageA(chooser, kUnderline, BM_CLICK, 0, 0);
            const int colours =
                static_cast<int>(SendDlgItemMessageA(chooser, kColourList, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < colours && (picked == 0 || picked == RGB(200, 0, 0)); ++i)
                picked = Pick(chooser, kColourList, i);
        });
        ASSERT_TRUE(TestPlatform().ChooseFont(choice, 0));
    }
    EXPECT_EQ(sizeShown, "10");
    EXPECT_EQ(choice.font.face, "Tahoma");
    EXPECT_EQ(choice.font.height, -MulDiv(14, TestPlatform().ScreenPixelsPerInch(), 72));
    EXPECT_GE(choice.font.weight, FW_BOLD);
    EXPECT_EQ(choice.font.italic, 1);
    EXPECT_EQ(choice.font.underline, 1);
    EXPECT_EQ(choice.font.strikeOut, 0);
    EXPECT_NE(picked, 0);
    EXPECT_EQ(choice.colour, platform::Color(picked));
}

TEST(Choosers, FontWithoutEffectsKeepsTheEffectsItDoesNotOffer) {
    platform::FontChoice choice;
    choice.font.face = "Tahoma";
    choice.font.height = -16;
    choice.font.underline = 1;
    choice.font.strikeOut = 1;
    choice.colour = RGB(0, 0, 200);
    choice.showEffects = false;
    {
        Answerer ok("Font", IDOK, [](HWND chooser) {
            Pick(chooser, kStyleList, Find(chooser, kStyleList, "Bold"));
        });
        ASSERT_TRUE(TestPlatform().ChooseFont(choice, 0));
    }
    EXPECT_GE(choice.font.weight, FW_BOLD);
    EXPECT_EQ(choice.font.underline, 1);
    EXPECT_EQ(choice.font.strikeOut, 1);
    EXPECT_EQ(choice.colour, RGB(0, 0, 200));
}

TEST(Choosers, ColourComesBackAndCancelKeepsIt) {
    platform::ColourChoice choice;
    choice.colour = RGB(10, 20, 30);
    choice.custom[3] = RGB(1, 2, 3);
    {
        Answerer ok("Color", IDOK);
        ASSERT_TRUE(TestPlatform().ChooseColour(choice, 0));
    }
    EXPECT_EQ(choice.colour, RGB(10, 20, 30));
    EXPECT_EQ(choice.custom[3], RGB(1, 2, 3));
    {
        Answerer cancel("Color", IDCANCEL);
        EXPECT_FALSE(TestPlatform().ChooseColour(choice, 0));
    }
    EXPECT_EQ(choice.colour, RGB(10, 20, 30));
}

// The colour chooser's red field and its button that adds the colour to the custom ones.
constexpr int kRedField = 0x2c2, kAddCustom = 0x2c8;

TEST(Choosers, TheChosenColourAndTheCustomColoursComeBack) {
    platform::ColourChoice choice;
    choice.colour = RGB(10, 20, 30);
    choice.custom[3] = RGB(1, 2, 3);
    {
        Answerer ok("Color", IDOK, [](HWND chooser) {
            SetDlgItemTextA(chooser, kRedField, "100");
            SendDlgItemMessageA(chooser, kAddCustom, BM_CLICK, 0, 0);
        });
        ASSERT_TRUE(TestPlatform().ChooseColour(choice, 0));
    }
    EXPECT_EQ(choice.colour, RGB(100, 20, 30));
    EXPECT_EQ(choice.custom[0], RGB(100, 20, 30));
    EXPECT_EQ(choice.custom[3], RGB(1, 2, 3));
}

} // namespace
} // namespace qv::win32test
