// The font and colour choosers take and give plain structs; a helper thread answers them as a
// user would.
#include "chooser_answerer.h"
#include "win32_fixture.h"
#include <gtest/gtest.h>

namespace qv::win32test {
namespace {

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
