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
    choice.face = "Tahoma";
    choice.heightTwips = 240;
    choice.effects = platform::kFontBold;
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
    EXPECT_EQ(choice.face, "Tahoma");
    EXPECT_EQ(choice.heightTwips, 240);
    EXPECT_EQ(choice.effects, unsigned(platform::kFontBold));
    EXPECT_EQ(choice.colour, RGB(200, 0, 0));

    platform::FontChoice before = choice;
    {
        Answerer cancel("Font", IDCANCEL);
        EXPECT_FALSE(TestPlatform().ChooseFont(choice, 0));
    }
    EXPECT_EQ(choice.face, before.face);
    EXPECT_EQ(choice.heightTwips, before.heightTwips);
}

TEST(Choosers, FontWithoutEffectsOffersNoUnderlineOrColour) {
    platform::FontChoice choice;
    choice.face = "Tahoma";
    choice.heightTwips = 200;
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

} // namespace
} // namespace qv::win32test
