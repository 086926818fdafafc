// Text beyond the legacy code page, in a program whose code page is UTF-8: kept whole from the
// clipboard to the list, the title, the pane, the data file and back.
#include "main_window_fixture.h"
#include "support/text_fixtures.h"

namespace qv::test {
namespace {

class UnicodeTextTest : public MainWindowTest {
  protected:
    void SetUp() override {
        platform.codePage.program = platform::headless::HeadlessCodePage::Program::Utf8;
        platform.files.CreateFolder("C:\\Data");
        Open();
    }
};

TEST_F(UnicodeTextTest, EveryCharacterComesBackFromTheListRecallReCopyAndARestart) {
    const std::string text = UnicodeText();
    CopyElsewhere(text);
    ASSERT_EQ(List().GetCount(), 1);
    EXPECT_EQ(LineText(0), text);
    EXPECT_EQ(window->GetTitle(), text + " - Quorvane");
    for (bool formatted : {true, false}) {
        SCOPED_TRACE(formatted ? "formatted" : "plain");
        if (window->Btn(IDC_INCLUDE_FORMATTING).IsChecked() != formatted)
            window->Click(IDC_INCLUDE_FORMATTING);
        Pane().SetText("");
        Select({0}, 0);
        window->Click(IDC_RECALL);
        EXPECT_EQ(Pane().GetPlainText(), text);
        EXPECT_EQ(platform.clipboard.Text(), text);
    }
    window->Click(IDC_RECOPY);
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), text);

    Reopen();
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(0), text);
    EXPECT_NE(FileBytes(dataFile).find("\xFF\xFE\xFF"), std::string::npos) << "the wide form";
    window->Type(IDC_SEARCH, "\xE6\x97\xA5\xE6\x9C\xAC"); // two of the CJK characters
    EXPECT_EQ(List().GetSelCount(), 2);
}

TEST_F(UnicodeTextTest, TitleAndListTextNeverEndInHalfACharacter) {
    const std::string e = "\xC3\xA9"; // two bytes
    const struct {
        std::string text;
        std::string title;
    } cases[] = {
        {std::string(53, 'x') + e, std::string(53, 'x') + "... - Quorvane"},
        {std::string(52, 'x') + e, std::string(52, 'x') + e + "... - Quorvane"},
        {std::string(51, 'x') + e, std::string(51, 'x') + e + " - Quorvane"},
        {std::string(52, 'x') + "\xF0\x9F\x98\x80", std::string(52, 'x') + "... - Quorvane"},
    };
    for (const auto& c : cases) {
        CopyElsewhere(c.text);
        EXPECT_EQ(window->GetTitle(), c.title);
    }
    const std::string longText = std::string(499, 'y') + e + "rest";
    CopyElsewhere(longText);
    EXPECT_EQ(LineText(List().GetCount() - 1), std::string(499, 'y') + "...");
    Pane().SetText("");
    window->Click(IDC_RECALL);
    EXPECT_EQ(Pane().GetPlainText(), longText);
}

TEST_F(UnicodeTextTest, AnOlderFilesEightBitTextReadsInTheLocalesCodePage) {
    Close();
    // One Main List item "caf\xE9" as an older program wrote it, in Windows-1252.
    platform.files.WriteFile(dataFile, std::string("\x01\0\0\0\x01\0\0\0\0\x04"
                                                   "caf\xE9\0\0\0\0\0",
                                                   19));
    Open();
    ASSERT_EQ(List().GetCount(), 1);
    EXPECT_EQ(LineText(0), "caf\xC3\xA9");
}

} // namespace
} // namespace qv::test
