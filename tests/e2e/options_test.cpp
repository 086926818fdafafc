// The Options sheet on the real program: the page it starts on, Apply on the Numbers page, the
// settings in the registry after OK, Save Data File, Clear Search List, and the sheet after a data
// file that cannot be read.
#include "e2e_fixture.h"
#include <commctrl.h>

namespace qv::e2e {
namespace {

// The sheet's pages in order, and a control that only that page has.
enum Page { kStartUp, kSaving, kSearching, kNumbers, kMisc };

class OptionsSheet : public EndToEnd {
  protected:
    HWND Open() {
        program_.Click(IDC_OPTIONS);
        const HWND sheet = program_.WaitForWindow("Options", 5000);
        EXPECT_NE(sheet, nullptr) << program_.Describe("no Options sheet");
        return sheet;
    }
    static HWND CurrentPage(HWND sheet) {
        LRESULT page = 0;
        SendBounded(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, page);
        return reinterpret_cast<HWND>(page);
    }
    // Shows the page as a click on its tab would, and returns it.
    static HWND ShowPage(HWND sheet, int index) {
        LRESULT ignored = 0;
        SendBounded(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0, ignored);
        return CurrentPage(sheet);
    }
    static void ClickOn(HWND page, int id) {
        LRESULT ignored = 0;
        SendBounded(GetDlgItem(page, id), BM_CLICK, 0, 0, ignored);
    }
    // OK, Cancel (or Close) or Apply, as the sheet's buttons.
    void Press(HWND sheet, int button) {
        PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
        if (button == PSBTN_APPLYNOW)
            return;
        EXPECT_TRUE(program_.WaitUntil([&] { return !IsWindow(sheet); }, 5000))
            << program_.Describe("the sheet stayed open");
    }
    // Answers the one message box that is expected now; its text.
    std::string AnswerMessage(int button) {
        const auto box = program_.WaitForMessageBox(5000);
        if (!box)
            return "(none)";
        program_.Answer(*box, button);
        program_.WaitUntil([&] { return program_.MessageBoxes().empty(); }, 5000);
        return box->text;
    }
    // Restarts on a data file of count items with the limit off, so the counts group digits.
    void RestartWithItems(int count) {
        program_.Kill();
        ResetUserData();
        std::string bytes("\x01\x00\x00\x00", 4);
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((count >> shift) & 0xFF);
        for (int i = 0; i < count; ++i)
            bytes += std::string(1, '\0') + "\x01x" + std::string(1, '\0');
        bytes += std::string(4, '\0');
        ASSERT_TRUE(CreateDirectoryA(DataFolder().c_str(), nullptr) || FileExists(DataFolder()));
        ASSERT_TRUE(WriteWholeFile(DataFilePath(), bytes));
        ASSERT_TRUE(SetRegistryDword("Misc", "Use Limit", 0));
        std::string error;
        ASSERT_TRUE(program_.Launch(error)) << error;
    }
};

TEST_F(OptionsSheet, ReopensOnThePageShownLast) {
    HWND sheet = Open();
    ASSERT_NE(sheet, nullptr);
    EXPECT_NE(GetDlgItem(CurrentPage(sheet), IDC_STARTUP_RESTORE), nullptr) << "starts on Start Up";
    EXPECT_FALSE(IsWindowEnabled(program_.MainWindow())) << "modal over the main window";
    const HWND numbers = ShowPage(sheet, kNumbers);
    EXPECT_NE(GetDlgItem(numbers, IDC_NUMBERS_USE_SEPARATOR), nullptr);
    Press(sheet, PSBTN_CANCEL);
    sheet = Open();
    ASSERT_NE(sheet, nullptr);
    EXPECT_NE(GetDlgItem(CurrentPage(sheet), IDC_NUMBERS_USE_SEPARATOR), nullptr)
        << "starts on Numbers";
    Press(sheet, PSBTN_CANCEL);
}

TEST_F(OptionsSheet, DotAndApplyRegroupTheCountsAtOnceAndCancelKeepsThem) {
    RestartWithItems(1234);
    ASSERT_TRUE(program_.WaitUntil(
        [&] { return program_.ControlText(IDC_ITEM_COUNT) == "1,234 items"; }, 5000));
    const HWND sheet = Open();
    ASSERT_NE(sheet, nullptr);
    ClickOn(ShowPage(sheet, kNumbers), IDC_NUMBERS_DOT);
    Press(sheet, PSBTN_APPLYNOW);
    EXPECT_TRUE(program_.WaitUntil(
        [&] { return program_.ControlText(IDC_ITEM_COUNT) == "1.234 items"; }, 5000))
        << program_.Describe("the count reads " + program_.ControlText(IDC_ITEM_COUNT));
    Press(sheet, PSBTN_CANCEL);
    EXPECT_EQ(program_.ControlText(IDC_ITEM_COUNT), "1.234 items");
}

TEST_F(OptionsSheet, MiscellaneousSettingsConfirmedWithOkAreInTheRegistryAfterExit) {
    const HWND sheet = Open();
    ASSERT_NE(sheet, nullptr);
    const HWND misc = ShowPage(sheet, kMisc);
    ClickOn(misc, IDC_MISC_USE_LIMIT);
    LRESULT ignored = 0;
    ASSERT_TRUE(SendBounded(GetDlgItem(misc, IDC_MISC_HISTORY_LIMIT), CB_SETCURSEL, 9, 0, ignored));
    Press(sheet, PSBTN_OK);
    CloseNormally();
    EXPECT_EQ(RegistryDword("Misc", "Use Limit"), std::optional<DWORD>(0));
    EXPECT_EQ(RegistryDword("Misc", "History Limit"), std::optional<DWORD>(500));
    EXPECT_EQ(RegistryDword("Saving", "Change Limit"), std::optional<DWORD>(10));
    EXPECT_EQ(RegistryString("Numbers", "Thousands Separator"), std::optional<std::string>(","));
}

TEST_F(OptionsSheet, SaveDataFileWritesTheFileAndLeavesOnlyClose) {
    CopyAndWait("saved on demand", 1);
    const HWND sheet = Open();
    ASSERT_NE(sheet, nullptr);
    const HWND saving = ShowPage(sheet, kSaving);
    EXPECT_EQ(TextOf(GetDlgItem(saving, IDC_SAVING_CHANGES)), "1 change");
    PostMessageA(GetDlgItem(saving, IDC_SAVING_SAVE), BM_CLICK, 0, 0);
    EXPECT_EQ(AnswerMessage(IDOK), "Finished writing to the data file.");
    std::string data;
    ASSERT_TRUE(ReadWholeFile(DataFilePath(), data));
    EXPECT_NE(data.find("saved on demand"), std::string::npos);
    EXPECT_EQ(TextOf(GetDlgItem(saving, IDC_SAVING_CHANGES)), "0 changes");
    // The platform's sheet says so on its OK button and greys Cancel.
    EXPECT_EQ(TextOf(GetDlgItem(sheet, IDOK)), "Close");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sheet, IDCANCEL)));
    Press(sheet, PSBTN_OK);
}

TEST_F(OptionsSheet, ClearSearchListThenCancelLeavesNoTermsBehind) {
    program_.Kill();
    ResetUserData();
    ASSERT_TRUE(SetRegistryString("Searching", "Term0", "stored one"));
    std::string error;
    ASSERT_TRUE(program_.Launch(error)) << error;
    const HWND sheet = Open();
    ASSERT_NE(sheet, nullptr);
    const HWND searching = ShowPage(sheet, kSearching);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(searching, IDC_SEARCHING_CLEAR)));
    ClickOn(searching, IDC_SEARCHING_CLEAR);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(searching, IDC_SEARCHING_CLEAR)));
    Press(sheet, PSBTN_CANCEL);
    LRESULT terms = -1;
    SendBounded(program_.Control(IDC_SEARCH), CB_GETCOUNT, 0, 0, terms);
    EXPECT_EQ(terms, 0) << "the drop-down is empty at once";
    CloseNormally();
    EXPECT_EQ(RegistryString("Searching", "Term0"), std::nullopt);
}

TEST_F(OptionsSheet, ADamagedDataFileIsReportedAndThenOptionsOpen) {
    program_.Kill();
    ResetUserData();
    ASSERT_TRUE(CreateDirectoryA(DataFolder().c_str(), nullptr) || FileExists(DataFolder()));
    // One entry announced, cut off inside its first string.
    ASSERT_TRUE(WriteWholeFile(DataFilePath(), std::string("\x01\0\0\0\x01\0\0\0\x09"
                                                           "ab",
                                                           11)));
    std::string error;
    ASSERT_TRUE(program_.Launch(error, 20000, false)) << error;
    const auto box = program_.WaitForMessageBox(15000);
    ASSERT_TRUE(box.has_value()) << program_.Describe("no read-failure message");
    EXPECT_EQ(box->text.rfind("Could not read Clipboard data from \"", 0), 0u) << box->text;
    EXPECT_NE(box->text.find("Quorvane.dat\"."), std::string::npos) << box->text;
    EXPECT_EQ(program_.WaitForWindow("Options", 1000), nullptr) << "the message comes first";
    ASSERT_TRUE(program_.Answer(*box, IDOK));
    const HWND sheet = program_.WaitForWindow("Options", 5000);
    ASSERT_NE(sheet, nullptr) << program_.Describe("no Options sheet after the message");
    Press(sheet, PSBTN_CANCEL);
    EXPECT_TRUE(program_.WaitUntil(
        [&] {
            for (HWND window : WindowsOf(program_.ProcessId()))
                if (IsWindowVisible(window) && GetDlgItem(window, IDC_HISTORY))
                    return true;
            return false;
        },
        10000))
        << program_.Describe("the main window did not show after the sheet");
}

} // namespace
} // namespace qv::e2e
