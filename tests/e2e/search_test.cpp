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
    ASSERT_TRUE(FocusSearchField()) << program_.Describe("Alt+E did not reach the Search field");
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
    EXPECT_TRUE(WaitForClipboardText("apple pie", 5000))
        << program_.Describe("Back did not recall the item above");
    EXPECT_EQ(ListSelection(history), (std::vector<int>{0, 2}));
    program_.Click(IDC_FORWARD);
    EXPECT_TRUE(WaitForClipboardText("apple juice", 5000));

    CloseNormally();
    EXPECT_EQ(RegistryString("Searching", "Term0"), std::optional<std::string>("apple"));
}

TEST_F(EndToEnd, StoredTermsFillTheDropDownAndTheLatestTenAreKept) {
    program_.Kill();
    ResetUserData();
    ASSERT_TRUE(SetRegistryString("Searching", "Term0", "stored one"));
    ASSERT_TRUE(SetRegistryString("Searching", "Term1", "stored two"));
    std::string error;
    ASSERT_TRUE(program_.Launch(error)) << error;
    const HWND field = program_.Control(IDC_SEARCH);
    std::string term;
    ASSERT_TRUE(ComboLine(field, 0, term));
    EXPECT_EQ(term, "stored one");
    ASSERT_TRUE(ComboLine(field, 1, term));
    EXPECT_EQ(term, "stored two");

    // Nine more terms, each committed by pressing Clear: eleven in all, the latest ten stored.
    for (int i = 0; i < 9; ++i) {
        ASSERT_TRUE(FocusSearchField());
        ASSERT_TRUE(TypeText("t" + std::to_string(i)));
        program_.Click(IDC_CLEAR);
        PumpFor(100);
        LRESULT ignored = 0;
        SendBounded(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""), ignored);
    }
    CloseNormally();
    EXPECT_EQ(RegistryString("Searching", "Term0"), std::optional<std::string>("stored two"));
    EXPECT_EQ(RegistryString("Searching", "Term9"), std::optional<std::string>("t8"));
}

// With Allow Typos on, a misspelt word finds an item that holds it far beyond the list text, and
// only that item.
TEST_F(EndToEnd, TypoTolerantSearchFindsAMisspeltWordDeepInALongItem) {
    program_.Kill();
    ResetUserData();
    ASSERT_TRUE(SetRegistryDword("Searching", "Allow Typos", 1));
    ASSERT_TRUE(SetRegistryDword("Searching", "Separation", 2));
    std::string error;
    ASSERT_TRUE(program_.Launch(error)) << error;
    std::string prose;
    while (prose.size() < 1500)
        prose += "Then the meeting moved on to other matters of the day. ";
    const std::string texts[] = {"the cat sat on the mat",
                                 prose + "Please set the thermostat to twenty degrees.",
                                 "thermometer reading"};
    for (int i = 0; i < 3; ++i)
        CopyAndWait(texts[i], i + 1);
    const HWND history = program_.Control(IDC_HISTORY);
    ASSERT_TRUE(FocusSearchField()) << program_.Describe("Alt+E did not reach the Search field");
    ASSERT_TRUE(TypeText("thermsotat"));
    ASSERT_TRUE(
        program_.WaitUntil([&] { return ListSelection(history) == std::vector<int>{1}; }, 5000))
        << program_.Describe("the typo-tolerant search did not select the long item alone");
}

} // namespace
} // namespace qv::e2e
