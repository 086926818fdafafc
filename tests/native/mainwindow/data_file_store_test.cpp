// The data-file store on its own, against files: what a load puts where, what a save writes, and
// when it writes nothing.
#include "history/data_file_writer.h"
#include "lists/data_file_store.h"
#include "main_window_fixture.h"

namespace qv::test {
namespace {

using platform::MsgResult;

class DataFileStoreTest : public WindowPartsTest {
  protected:
    DataFileStoreTest() { platform.files.CreateFolder("C:\\Data"); }

    CSettings settings;
    ProgramTexts texts = ProgramTexts::Load(platform.strings);
    CUserMessages messages{*window, platform.strings, texts};
    CStatusTexts status{*window, platform.strings, settings.numbers};
    CNavigation navigation{*window, platform.strings, status};
    CHistoryLists lists{window->ListBox(IDC_HISTORY), settings};

    std::unique_ptr<CDataFileStore> MakeStore(const std::string& path) {
        return std::make_unique<CDataFileStore>(platform.files, platform.clock, platform.codePage,
                                                lists, navigation, messages, path);
    }
    void AddLine(const std::string& text) {
        lists.Append(text, std::make_unique<CHistoryItem>("{\\rtf1 " + text + "}", ""));
    }
    // A data file of the given version with one Main List entry and an empty Retain List.
    static std::string FileWith(char version, const std::string& entry) {
        std::string bytes;
        CDataFileWriter writer(bytes, platform::headless::HeadlessCodePage{});
        writer.BeginList();
        writer.AddEntry("", entry, "");
        writer.EndList();
        writer.BeginList();
        writer.EndList();
        bytes[0] = version;
        return bytes;
    }
};

TEST_F(DataFileStoreTest, WritesOnlyAFileItHasRead) {
    struct Case {
        const char* name;
        char version;
        bool load;
        MsgResult answer;
        CDataFileStore::State state;
        bool saved;
        std::size_t messagesShown;
    };
    const Case cases[] = {
        // Log-off while start-up still asks: the file has not been read yet.
        {"not read yet", 1, false, MsgResult::Yes, CDataFileStore::State::NotRead, false, 0},
        {"read", 1, true, MsgResult::Yes, CDataFileStore::State::Read, true, 0},
        {"newer, declined", 2, true, MsgResult::Yes, CDataFileStore::State::Declined, false, 1},
        {"newer, kept", 2, true, MsgResult::No, CDataFileStore::State::Read, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = FileWith(c.version, "on disk");
        platform.files.WriteFile(dataFile, before);
        platform.files.DeleteFile(dataFile + ".bak");
        platform.messages.shown.clear();
        platform.messages.Answer(c.answer);
        lists.RemoveAll();
        auto store = MakeStore(dataFile);
        if (c.load)
            EXPECT_EQ(store->Load(), c.state);
        AddLine("new");
        EXPECT_EQ(store->GetState(), c.state);
        EXPECT_EQ(store->Save(), c.saved);
        EXPECT_EQ(FileBytes(dataFile) != before, c.saved);
        EXPECT_EQ(Exists(dataFile + ".bak"), c.saved);
        EXPECT_FALSE(Exists(dataFile + ".tmp"));
        EXPECT_EQ(platform.messages.shown.size(), c.messagesShown);
        platform.messages.answers.clear();
    }
}

TEST_F(DataFileStoreTest, LoadShowsTheMainListAndKeepsTheRetainListAside) {
    std::string bytes;
    CDataFileWriter writer(bytes, platform::headless::HeadlessCodePage{});
    writer.BeginList();
    writer.AddEntry("{\\rtf1 one}", "one", "");
    writer.AddEntry("", "two", std::string(600, 'o'));
    writer.EndList();
    writer.BeginList();
    writer.AddEntry("r", "retained", "o");
    writer.EndList();
    platform.files.WriteFile(dataFile, bytes);
    AddLine("replaced by the file");
    auto store = MakeStore(dataFile);
    ASSERT_EQ(store->Load(), CDataFileStore::State::Read);
    ASSERT_EQ(List().GetCount(), 2);
    EXPECT_EQ(List().reserved, 2); // room for the shown list only, before its lines came
    EXPECT_EQ(LineText(0), "one");
    EXPECT_EQ(lists.Item(1)->overflowText, std::string(600, 'o'));
    ASSERT_EQ(lists.Parked().size(), 1u);
    EXPECT_EQ(lists.Parked()[0].listText, "retained");
    // The last line is the only selected one, and the navigation shows it.
    EXPECT_EQ(List().GetSelItems(), std::vector<int>{1});
    EXPECT_EQ(List().GetCaretIndex(), 1);
    EXPECT_TRUE(window->Btn(IDC_PREVIOUS).IsEnabled());
    EXPECT_EQ(Label(IDC_SELECTED_COUNT), "1 selected item");
    EXPECT_TRUE(List().redrawOn);
    std::string encoded;
    ASSERT_TRUE(store->Encode(encoded));
    EXPECT_EQ(encoded, bytes);
}

// A save writes long texts from where they lie; each line must still get its own.
TEST_F(DataFileStoreTest, SaveWritesEveryLongTextOfItsOwnLine) {
    const auto text = [](char c) { return std::string(CDataFileWriter::kReferencedFrom + 5, c); };
    std::string bytes;
    CDataFileWriter writer(bytes, platform::headless::HeadlessCodePage{});
    writer.BeginList();
    writer.AddEntry(text('r'), text('1'), text('o'));
    writer.AddEntry("", text('2'), "");
    writer.AddEntry(text('R'), "three", text('O'));
    writer.EndList();
    writer.BeginList();
    writer.AddEntry(text('s'), text('4'), "");
    writer.EndList();
    platform.files.WriteFile(dataFile, bytes);
    auto store = MakeStore(dataFile);
    ASSERT_EQ(store->Load(), CDataFileStore::State::Read);
    ASSERT_TRUE(store->Save());
    EXPECT_EQ(FileBytes(dataFile), bytes);
}

TEST_F(DataFileStoreTest, ListThatRefusesTheEntriesStopsTheReadWithOneMessage) {
    platform.files.WriteFile(dataFile, FileWith(1, "no room"));
    List().maxLines = 0;
    auto store = MakeStore(dataFile);
    EXPECT_EQ(store->Load(), CDataFileStore::State::Read);
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(LastMessage(), "Could not read the data file into memory.  Close another "
                             "application and try again.");
    EXPECT_EQ(platform.messages.shown[0].icon, platform::MsgIcon::Exclamation);
}

TEST_F(DataFileStoreTest, SaveThatCannotReadTheListKeepsTheOldFile) {
    auto store = MakeStore(dataFile);
    store->Load();
    AddLine("kept one");
    ASSERT_TRUE(store->Save());
    const std::string before = FileBytes(dataFile);
    AddLine("not written");
    struct Case {
        const char* name;
        bool HeadlessListBox::*fault;
    };
    for (const Case& c : {Case{"line count", &HeadlessListBox::countsFail},
                          Case{"line text", &HeadlessListBox::textFails},
                          Case{"out of memory", &HeadlessListBox::outOfMemoryOnText}}) {
        SCOPED_TRACE(c.name);
        platform.messages.shown.clear();
        List().*c.fault = true;
        EXPECT_FALSE(store->Save());
        List().*c.fault = false;
        ASSERT_EQ(platform.messages.shown.size(), 1u);
        EXPECT_EQ(LastMessage(), "Could not save Clipboard data into \"C:\\Data\\Quorvane.dat\".");
        EXPECT_EQ(FileBytes(dataFile), before);
        EXPECT_FALSE(Exists(dataFile + ".tmp"));
    }
}

TEST_F(DataFileStoreTest, PathsInMessagesAreCut) {
    const std::string path = "C:\\Missing\\" + std::string(300, 'p') + ".dat";
    auto store = MakeStore(path);
    store->Load();
    EXPECT_FALSE(store->Save());
    EXPECT_EQ(LastMessage(), "Could not save Clipboard data into \"" + path.substr(0, 259) + "\".");
}

} // namespace
} // namespace qv::test
