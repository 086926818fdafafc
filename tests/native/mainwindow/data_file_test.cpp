#include "history/data_file_writer.h"
#include "history/plain_text.h"
#include "main_window_fixture.h"
#include "support/text_fixtures.h"

namespace qv::test {
namespace {

using platform::MsgResult;

class DataFileTest : public MainWindowTest {
  protected:
    const std::string path = "C:\\Data\\Quorvane.dat";
    DataFileTest() { platform.files.CreateFolder("C:\\Data"); }
    std::string FileBytes() {
        std::string bytes;
        platform.files.ReadFile(path, bytes);
        return bytes;
    }
    void Reopen() {
        Close();
        platform.clipboard.EmptyFromOtherApp();
        Open();
    }
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
    EXPECT_EQ(Item(0)->rtfText, "{\\rtf1\\ansi{\\b first}}");
    EXPECT_EQ(Item(0)->clipTime.year, 0); // clip times are not kept
    EXPECT_EQ(JoinPlainText(LineText(1), Item(1)->overflowText), longText);
    EXPECT_EQ(List().GetCaretIndex(), 1); // the empty clipboard at start then deselects it
    EXPECT_EQ(dialog->ChangeCounter(), 0);
}

TEST_F(DataFileTest, TheTenthChangeWritesTheFile) {
    Open();
    for (int i = 1; i <= 9; ++i)
        CopyElsewhere("item " + std::to_string(i));
    EXPECT_FALSE(platform.files.FindFirst(path));
    EXPECT_EQ(dialog->ChangeCounter(), 9);
    CopyElsewhere("item 10");
    EXPECT_TRUE(platform.files.FindFirst(path));
    EXPECT_EQ(dialog->ChangeCounter(), 0);
}

TEST_F(DataFileTest, ChangeLimitOfZeroWritesAtEveryChange) {
    platform.settings.WriteInt("Saving", "Change Limit", 0);
    Open();
    CopyElsewhere("one");
    EXPECT_TRUE(platform.files.FindFirst(path));
    EXPECT_EQ(dialog->ChangeCounter(), 0);
}

TEST_F(DataFileTest, FailedSaveKeepsTheOldFileAndTheCounter) {
    platform.settings.WriteInt("Saving", "Change Limit", 2);
    Open();
    CopyElsewhere("a");
    CopyElsewhere("b"); // written
    const std::string before = FileBytes();
    platform.files.diskFull = true;
    platform.files.failAfterBytes = 7;
    CopyElsewhere("c");
    CopyElsewhere("d");
    EXPECT_EQ(LastMessage(), "Could not save Clipboard data into \"C:\\Data\\Quorvane.dat\".");
    EXPECT_EQ(platform.messages.shown.back().icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(FileBytes(), before);
    EXPECT_FALSE(platform.files.FindFirst(path + ".tmp"));
    EXPECT_EQ(dialog->ChangeCounter(), 2);
    platform.files.diskFull = false;
    CopyElsewhere("e"); // the next change tries again
    EXPECT_EQ(dialog->ChangeCounter(), 0);
    EXPECT_NE(FileBytes(), before);
}

TEST_F(DataFileTest, NewerVersionAsksAndYesQuitsWithoutSaving) {
    std::string bytes = "\x02\x00\x00\x00"
                        "\x00\x00\x00\x00"
                        "\x00\x00\x00\x00";
    bytes.resize(12);
    for (MsgResult answer : {MsgResult::Yes, MsgResult::No}) {
        platform.files.WriteFile(path, bytes);
        platform.messages.shown.clear();
        platform.messages.Answer(answer);
        platform.quitCode = 0;
        Open();
        ASSERT_FALSE(platform.messages.shown.empty());
        EXPECT_EQ(platform.messages.shown.front().buttons, platform::MsgButtons::YesNo);
        EXPECT_EQ(platform.quitCode, answer == MsgResult::Yes ? 3 : 0);
        EXPECT_EQ(dialog->SavesAtExit(), answer == MsgResult::No);
        Close();
        if (answer == MsgResult::Yes)
            EXPECT_EQ(FileBytes(), bytes); // the newer file is left untouched
        else
            EXPECT_EQ(FileBytes().substr(0, 4), std::string("\x01\x00\x00\x00", 4));
    }
}

TEST_F(DataFileTest, DeclinedNewerFileIsNeverWritten) {
    // Every way to a save at once: a change at every capture, text waiting at start-up, log-off.
    platform.settings.WriteInt("Saving", "Change Limit", 0);
    std::string bytes("\x02\x00\x00\x00\x01\x00\x00\x00\x00\x01x\x00\x00\x00\x00\x00", 16);
    platform.files.WriteFile(path, bytes);
    platform.clipboard.PutFromOtherApp("waiting on the clipboard");
    platform.messages.Answer(MsgResult::Yes);
    Open();
    EXPECT_EQ(platform.quitCode, 3);
    EXPECT_EQ(List().GetCount(), 0);
    CopyElsewhere("copied before the quit takes effect");
    dialog->OnEndSession(true);
    Close();
    EXPECT_EQ(FileBytes(), bytes);
    EXPECT_FALSE(platform.files.FindFirst(path + ".tmp"));
    EXPECT_FALSE(platform.files.FindFirst(path + ".bak"));
    EXPECT_EQ(platform.messages.shown.size(), 1u); // the question only, no failed save
    EXPECT_EQ(platform.settings.GetInt("Placement", "ShowCmd", -1), -1);
}

TEST_F(DataFileTest, SaveThatCannotReadTheListKeepsTheOldFile) {
    for (bool countFails : {true, false}) {
        SCOPED_TRACE(countFails ? "line count" : "line text");
        Reopen();
        CopyElsewhere("kept one");
        ASSERT_TRUE(dialog->SaveDataFile());
        const std::string before = FileBytes();
        (countFails ? List().countsFail : List().textFails) = true;
        EXPECT_FALSE(dialog->SaveDataFile());
        EXPECT_EQ(LastMessage(), "Could not save Clipboard data into \"C:\\Data\\Quorvane.dat\".");
        EXPECT_EQ(FileBytes(), before);
        List().countsFail = List().textFails = false;
    }
}

TEST_F(DataFileTest, TruncatedFileKeepsTheEntriesBeforeTheCut) {
    std::string bytes;
    CDataFileWriter writer(bytes);
    writer.BeginList();
    writer.AddEntry("", "kept one", "");
    writer.AddEntry("", "kept two", "");
    writer.AddEntry("", "cut off", "");
    writer.EndList();
    writer.BeginList();
    writer.EndList();
    bytes.resize(bytes.size() - 8); // ends inside the third entry
    platform.files.WriteFile(path, bytes);
    Open();
    EXPECT_EQ(platform.messages.shown.front().text,
              "Could not read Clipboard data from \"C:\\Data\\Quorvane.dat\".");
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(LineText(1), "kept two");
}

TEST_F(DataFileTest, RetainListEntriesAreKeptAside) {
    std::string bytes;
    CDataFileWriter writer(bytes);
    writer.BeginList();
    writer.AddEntry("", "main", "");
    writer.AddEntry("", "", ""); // an empty list text is dropped
    writer.EndList();
    writer.BeginList();
    writer.AddEntry("r", "retained", "o");
    writer.EndList();
    platform.files.WriteFile(path, bytes);
    Open();
    ASSERT_EQ(List().GetCount(), 1);
    ASSERT_EQ(dialog->ParkedRetainList().size(), 1u);
    EXPECT_EQ(dialog->ParkedRetainList()[0].listText, "retained");
    Close();
    EXPECT_EQ(FileBytes(), bytes.substr(0, 4) + std::string("\x01\x00\x00\x00", 4) +
                               std::string("\x00\x04main\x00", 7) +
                               bytes.substr(bytes.size() - 17));
}

TEST_F(DataFileTest, FailedClipboardConnectionLeavesTheFileUntouched) {
    platform.files.WriteFile(
        path, std::string("\x01\x00\x00\x00\x01\x00\x00\x00\x00\x01x\x00\x00\x00\x00\x00", 16));
    const std::string before = FileBytes();
    platform.clipboard.failSetViewer = true;
    Open();
    Close();
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(DataFileTest, LogOffWritesTheFile) {
    Open();
    CopyElsewhere("before log-off");
    dialog->OnEndSession(true);
    EXPECT_TRUE(platform.files.FindFirst(path));
    EXPECT_NE(FileBytes().find("before log-off"), std::string::npos);
}

} // namespace
} // namespace qv::test
