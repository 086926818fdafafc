// Typing into the real Search field selects the matching lines; Back and Forward recall them;
// the committed terms are in the registry after exit.
#include "driver/keyboard.h"
#include "e2e_fixture.h"

namespace qv::e2e {
namespace {

TEST_F(EndToEnd, TypingSearchesAndBackForwardRecall) {
    const char* texts[] = {"apple pie", "banana", "apple juice", "cherry"};
    for (int i = 0; i < 4; ++i)
        CopyAndWait(texts[i], i + 1);
    const HWND history = program_.Control(IDC_HISTORY);
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey('E', VK_MENU)); // the field's mnemonic
    ASSERT_TRUE(TypeText("apple"));
    ASSERT_TRUE(program_.WaitUntil(
        [&] {
            return ListSelection(history) == std::vector<int>{0, 2};
        },
        5000))
        << program_.Describe("the search did not select the apples");
    EXPECT_TRUE(program_.IsEnabled(IDC_BACK));
    EXPECT_FALSE(program_.IsEnabled(IDC_FORWARD));

    program_.Click(IDC_BACK);
    EXPECT_TRUE(
        program_.WaitUntil([&] { return program_.Other().ClipboardText() == "apple pie"; }, 5000))
        << program_.Describe("Back did not recall the item above");
    EXPECT_EQ(ListSelection(history), (std::vector<int>{0, 2}));
    program_.Click(IDC_FORWARD);
    EXPECT_TRUE(program_.WaitUntil(
        [&] { return program_.Other().ClipboardText() == "apple juice"; }, 5000));

    CloseNormally();
    EXPECT_EQ(RegistryString("Searching", "Term0"), std::optional<std::string>("apple"));
}

} // namespace
} // namespace qv::e2e
