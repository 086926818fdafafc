// The data file as the user meets it: items kept between runs, written after every Change Limit
// changes, at exit and at log-off, and a file of a newer version left alone.
#include "history/data_file_writer.h"
#include "main_window_fixture.h"
#include "support/text_fixtures.h"

namespace qv::test {
namespace {

using platform::MsgResult;

class DataFileTest : public MainWindowTest {
  protected:
    DataFileTest() { platform.files.CreateFolder("C:\\Data"); }
    // Version 2, an empty Main List and an empty Retain List.
    const std::string newerFile =
        std::string("\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00", 12);
};

TEST_F(DataFileTest, FirstRunHasNoFileAndNoMessage) {
    Open();
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_EQ(List().GetCount(), 0);
}

TEST_F(DataFileTest, ItemsSurviveARestart) {
    Open();
    const std::string longText = MakeText(70000) + HighBytesText();
    CopyElsewhere("first", "{\\rtf1\\ansi{\\b first}}");
    CopyElsewhere(longText);
    Reopen();
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(0), "first");
    EXPECT_EQ(List().GetCaretIndex(), 1); // the empty clipboard at start then deselects it
    EXPECT_EQ(List().GetSelCount(), 0);
    SelectByUser({0}, 0);
    EXPECT_EQ(platform.clipboard.Rtf(), "{\\rtf1\\ansi{\\b first}}");
    EXPECT_EQ(Label(IDC_CLIP_TIME), ""); // clip times are not kept
    SelectByUser({1}, 1);
    window->Click(IDC_INCLUDE_FORMATTING); // recalls it plain: list text and overflow joined
    EXPECT_EQ(platform.clipboard.Text(), longText);
}

TEST_F(DataFileTest, TheTenthChangeWritesTheFile) {
    Open();
    for (int i = 1; i <= 9; ++i)
        CopyElsewhere("item " + std::to_string(i));
    EXPECT_FALSE(Exists(dataFile));
    CopyElsewhere("item 10");
    ASSERT_TRUE(Exists(dataFile));
    // The count starts again after a write, and in a new run.
    const std::string tenth = FileBytes(dataFile);
    for (int i = 11; i <= 19; ++i)
        CopyElsewhere("item " + std::to_string(i));
    EXPECT_EQ(FileBytes(dataFile), tenth);
    Reopen();
    const std::string atExit = FileBytes(dataFile);
    for (int i = 1; i <= 9; ++i)
        CopyElsewhere("next run " + std::to_string(i));
    EXPECT_EQ(FileBytes(dataFile), atExit);
    CopyElsewhere("next run 10");
    EXPECT_NE(FileBytes(dataFile), atExit);
}

TEST_F(DataFileTest, ChangeLimitOfZeroWritesAtEveryChange) {
    SetOption(kSectionSaving, kKeyChangeLimit, 0);
    Open();
    for (const char* text : {"one", "two"}) {
        CopyElsewhere(text);
        EXPECT_NE(FileBytes(dataFile).find(text), std::string::npos);
    }
}

TEST_F(DataFileTest, FailedSaveKeepsTheOldFileAndTheCount) {
    SetOption(kSectionSaving, kKeyChangeLimit, 2);
    Open();
    CopyElsewhere("a");
    CopyElsewhere("b"); // written
    const std::string before = FileBytes(dataFile);
    platform.files.diskFull = true;
    platform.files.failAfterBytes = 7;
    CopyElsewhere("c");
    CopyElsewhere("d");
    EXPECT_EQ(LastMessage(), "Could not save Clipboard data into \"C:\\Data\\Quorvane.dat\".");
    EXPECT_EQ(platform.messages.shown.back().icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(FileBytes(dataFile), before);
    EXPECT_FALSE(Exists(dataFile + ".tmp"));
    platform.files.diskFull = false;
    CopyElsewhere("e"); // the count was kept, so the next change tries again
    EXPECT_NE(FileBytes(dataFile), before);
}

TEST_F(DataFileTest, NewerVersionAsksAndYesQuitsWithoutSaving) {
    for (MsgResult answer : {MsgResult::Yes, MsgResult::No}) {
        platform.files.WriteFile(dataFile, newerFile);
        platform.messages.shown.clear();
        platform.messages.Answer(answer);
        platform.quitCode = 0;
        Open();
        ASSERT_FALSE(platform.messages.shown.empty());
        EXPECT_EQ(platform.messages.shown.front().text,
                  "This program cannot load a data file that has a higher version number.  Do "
                  "you want to exit this program without changing the stored settings?");
        EXPECT_EQ(platform.messages.shown.front().buttons, platform::MsgButtons::YesNo);
        EXPECT_EQ(platform.quitCode, answer == MsgResult::Yes ? 3 : 0);
        Close();
        if (answer == MsgResult::Yes)
            EXPECT_EQ(FileBytes(dataFile), newerFile); // the newer file is left untouched
        else
            EXPECT_EQ(FileBytes(dataFile).substr(0, 4), std::string("\x01\x00\x00\x00", 4));
    }
}

TEST_F(DataFileTest, DeclinedNewerFileIsNeverWritten) {
    // Every way to a save at once: a change at every capture, text waiting at start-up, log-off.
    SetOption(kSectionSaving, kKeyChangeLimit, 0);
    std::string bytes("\x02\x00\x00\x00\x01\x00\x00\x00\x00\x01x\x00\x00\x00\x00\x00", 16);
    platform.files.WriteFile(dataFile, bytes);
    platform.clipboard.PutFromOtherApp("waiting on the clipboard");
    platform.messages.Answer(MsgResult::Yes);
    Open();
    EXPECT_EQ(platform.quitCode, 3);
    EXPECT_EQ(List().GetCount(), 0);
    CopyElsewhere("copied before the quit takes effect");
    LogOff();
    Close();
    EXPECT_EQ(FileBytes(dataFile), bytes);
    EXPECT_FALSE(Exists(dataFile + ".tmp"));
    EXPECT_FALSE(Exists(dataFile + ".bak"));
    EXPECT_EQ(platform.messages.shown.size(), 1u); // the question only, no failed save
    EXPECT_EQ(platform.settings.GetInt("Placement", "ShowCmd", -1), -1);
}

TEST_F(DataFileTest, TruncatedFileKeepsTheEntriesBeforeTheCut) {
    std::string bytes;
    CDataFileWriter writer(bytes, platform.codePage);
    writer.BeginList();
    writer.AddEntry("", "kept one", "");
    writer.AddEntry("", "kept two", "");
    writer.AddEntry("", "cut off", "");
    writer.EndList();
    writer.BeginList();
    writer.EndList();
    bytes.resize(bytes.size() - 8); // ends inside the third entry
    platform.files.WriteFile(dataFile, bytes);
    Open();
    EXPECT_EQ(platform.messages.shown.front().text,
              "Could not read Clipboard data from \"C:\\Data\\Quorvane.dat\".");
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "kept two");
}

TEST_F(DataFileTest, RetainListEntriesAreKeptAsideAndWrittenBack) {
    // The same lists with and without an entry whose list text is empty.
    std::string bytes, expected;
    for (std::string* out : {&bytes, &expected}) {
        CDataFileWriter writer(*out, platform.codePage);
        writer.BeginList();
        writer.AddEntry("", "main", "");
        if (out == &bytes)
            writer.AddEntry("", "", ""); // dropped
        writer.EndList();
        writer.BeginList();
        writer.AddEntry("r", "retained", "o");
        writer.EndList();
    }
    platform.files.WriteFile(dataFile, bytes);
    Open();
    ASSERT_EQ(List().GetCount(), 1);
    EXPECT_EQ(LineText(0), "main");
    Close();
    EXPECT_EQ(FileBytes(dataFile), expected);
}

TEST_F(DataFileTest, FailedClipboardConnectionLeavesTheFileUntouched) {
    const std::string before("\x01\x00\x00\x00\x01\x00\x00\x00\x00\x01x\x00\x00\x00\x00\x00", 16);
    platform.files.WriteFile(dataFile, before);
    platform.clipboard.failSetViewer = true;
    Open();
    Close();
    EXPECT_EQ(FileBytes(dataFile), before);
}

TEST_F(DataFileTest, LogOffWritesTheFile) {
    Open();
    CopyElsewhere("before log-off");
    LogOff();
    EXPECT_NE(FileBytes(dataFile).find("before log-off"), std::string::npos);
}

} // namespace
} // namespace qv::test
