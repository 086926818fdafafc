// Accelerators reach the real window, and settings come from the real registry.
#include "driver/keyboard.h"
#include "e2e_fixture.h"

namespace qv::e2e {
namespace {

TEST_F(EndToEnd, CtrlPAndCtrlNStepAndRecall) {
    for (int i = 0; i < 3; ++i)
        CopyAndWait("item " + std::to_string(i), i + 1);
    const HWND history = program_.Control(IDC_HISTORY);
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey('P', VK_CONTROL));
    EXPECT_TRUE(
        program_.WaitUntil([&] { return ListSelection(history) == std::vector<int>{1}; }, 3000))
        << program_.Describe("Ctrl+P did not step");
    EXPECT_TRUE(WaitForClipboardText("item 1", 3000));
    ASSERT_TRUE(PressKey('P', VK_CONTROL));
    ASSERT_TRUE(PressKey('N', VK_CONTROL));
    ASSERT_TRUE(PressKey('N', VK_CONTROL));
    EXPECT_TRUE(
        program_.WaitUntil([&] { return ListSelection(history) == std::vector<int>{2}; }, 3000));
    EXPECT_TRUE(WaitForClipboardText("item 2", 3000));
    EXPECT_EQ(program_.ControlText(IDC_CONTENTS), "item 2");
    EXPECT_EQ(ListCount(history), 3);
    CopyAndWait("copied after the steps", 4); // the steps' own writes did not stop capture
}

TEST_F(EndToEnd, EscapeAsksAndNoKeepsTheWindow) {
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    const auto box = program_.WaitForMessageBox(5000);
    ASSERT_TRUE(box.has_value()) << program_.Describe("Esc asked nothing");
    EXPECT_EQ(box->caption, "Confirm Exit");
    EXPECT_EQ(box->text, "Do you want to exit Quorvane?");
    ASSERT_TRUE(program_.Answer(*box, IDNO));
    PumpFor(500);
    EXPECT_TRUE(program_.Running());
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey(VK_RETURN)); // Enter never closes the window
    PumpFor(500);
    EXPECT_TRUE(program_.Running());
    EXPECT_TRUE(program_.MessageBoxes().empty());
}

TEST_F(EndToEnd, SettingsAreReadFromTheRegistry) {
    program_.Kill();
    ResetUserData();
    ASSERT_TRUE(SetRegistryDword("Misc", "History Limit", 2));
    ASSERT_TRUE(SetRegistryDword("Misc", "Confirm Exit", 0));
    ASSERT_TRUE(SetRegistryString("Numbers", "Thousands Separator", "."));
    std::string error;
    ASSERT_TRUE(program_.Launch(error)) << error;
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(CopyElsewhere("copy " + std::to_string(i)));
    const HWND history = program_.Control(IDC_HISTORY);
    EXPECT_TRUE(program_.WaitUntil([&] { return program_.Title() == "copy 3 - Quorvane"; }, 5000));
    EXPECT_EQ(ListCount(history), 2);
    // Without Confirm Exit the close command ends the program without asking.
    program_.SysCommand(SC_CLOSE);
    DWORD exitCode = 1;
    EXPECT_TRUE(program_.WaitForExit(exitCode, 10000)) << program_.Describe("did not close");
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(RegistryDword("Misc", "History Limit"), std::optional<DWORD>(2));
    EXPECT_TRUE(RegistryDword("Placement", "x1").has_value());
}

} // namespace
} // namespace qv::e2e
