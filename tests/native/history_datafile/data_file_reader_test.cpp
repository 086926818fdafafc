#include "byte_fixtures.h"
#include "headless/headless_services.h"
#include "history/data_file_reader.h"
#include "history/data_file_writer.h"
#include "history/plain_text.h"
#include "recording_sink.h"
#include "support/allocation_probe.h"
#include "support/text_fixtures.h"
#include <climits>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace qv {
namespace {

using test::Bytes;
using test::Le32;
using test::ReadEntry;
using test::RecordingSink;

const platform::headless::HeadlessCodePage codePage;

DataFileReadResult Read(const std::string& bytes, RecordingSink& sink) {
    return ReadDataFile(bytes, codePage, sink);
}

std::string WriteFile(const std::vector<ReadEntry>& entries) {
    std::string bytes;
    CDataFileWriter writer(bytes, codePage);
    for (int list : {kMainListIndex, kRetainListIndex}) {
        writer.BeginList();
        for (const ReadEntry& e : entries)
            if (e.list == list) {
                EXPECT_TRUE(writer.AddEntry(e.rtf, e.listText, e.overflow));
            }
        writer.EndList();
    }
    return bytes;
}

// A file with one Main List entry whose RTF text is given as raw string bytes, list text "x".
std::string FileWithRawRtf(const std::string& rawRtf) {
    return Le32(1) + Le32(1) + rawRtf + Bytes({1, 'x', 0}) + Le32(0);
}

const std::vector<std::string> kCompleteRead = {"begin 0", "end 0", "begin 1", "end 1"};

TEST(DataFileReader, ReadsEmptyListsAndOneItemFiles) {
    RecordingSink empty;
    EXPECT_EQ(Read(Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), empty), DataFileReadResult::Ok);
    EXPECT_EQ(empty.calls, kCompleteRead);
    EXPECT_TRUE(empty.entries.empty());

    const std::string abc = Bytes({1, 0, 0, 0, 1, 0, 0, 0, 0, 3, 'a', 'b', 'c', 0, 0, 0, 0, 0});
    // Whatever follows the Retain List is not looked at.
    for (const std::string& file : {abc, abc + "trailing junk"}) {
        RecordingSink sink;
        EXPECT_EQ(Read(file, sink), DataFileReadResult::Ok);
        EXPECT_EQ(sink.calls,
                  (std::vector<std::string>{"begin 0", "entry abc", "end 0", "begin 1", "end 1"}));
        EXPECT_EQ(sink.entries, (std::vector<ReadEntry>{{kMainListIndex, "", "abc", ""}}));
    }
}

TEST(DataFileReader, RefusesOnlyNewerVersionsAndBeforeTouchingTheSink) {
    const struct {
        std::int32_t version;
        DataFileReadResult result;
    } cases[] = {
        {2, DataFileReadResult::NewerVersion}, {INT_MAX, DataFileReadResult::NewerVersion},
        {1, DataFileReadResult::Ok},           {0, DataFileReadResult::Ok},
        {-1, DataFileReadResult::Ok},          {INT_MIN, DataFileReadResult::Ok},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        std::string file = WriteFile({{kMainListIndex, "", "abc", ""}});
        file.replace(0, 4, Le32(std::uint32_t(c.version)));
        RecordingSink sink;
        EXPECT_EQ(Read(file, sink), c.result);
        if (c.result == DataFileReadResult::NewerVersion) {
            EXPECT_TRUE(sink.calls.empty());
        } else {
            EXPECT_EQ(sink.entries.size(), 1u);
        }
    }
}

TEST(DataFileReader, CountOfZeroOrLessMeansNoEntries) {
    for (std::int32_t count : {0, -1, INT_MIN}) {
        SCOPED_TRACE(count);
        // The Retain List count follows the Main List count directly.
        const std::string file =
            Le32(1) + Le32(std::uint32_t(count)) + Le32(1) + Bytes({0, 1, 'r', 0});
        RecordingSink sink;
        EXPECT_EQ(Read(file, sink), DataFileReadResult::Ok);
        EXPECT_EQ(sink.entries, (std::vector<ReadEntry>{{kRetainListIndex, "", "r", ""}}));
    }
}

// The hint of a list's size never exceeds what the bytes left can hold, whatever the count says.
TEST(DataFileReader, ExpectedEntriesAreTheCountCutToTheBytesLeft) {
    const std::string entry = Bytes({0, 1, 'a', 0});
    struct Case {
        const char* name;
        std::string file;
        DataFileReadResult result;
        std::vector<std::pair<int, int>> expected;
    } cases[] = {
        {"two and none",
         Le32(1) + Le32(2) + entry + entry + Le32(0),
         DataFileReadResult::Ok,
         {{kMainListIndex, 2}, {kRetainListIndex, 0}}},
        {"negative",
         Le32(1) + Le32(0xFFFFFFFFu) + Le32(1) + entry,
         DataFileReadResult::Ok,
         {{kMainListIndex, 0}, {kRetainListIndex, 1}}},
        {"huge count, one entry's bytes",
         Le32(1) + Le32(0x7FFFFFFFu) + entry,
         DataFileReadResult::Corrupt,
         {{kMainListIndex, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSink sink;
        EXPECT_EQ(Read(c.file, sink), c.result);
        EXPECT_EQ(sink.expected, c.expected);
    }
}

TEST(DataFileReader, DropsEntriesWithAnEmptyListText) {
    const std::string file = WriteFile({{kMainListIndex, "r1", "a", ""},
                                        {kMainListIndex, "{\\rtf1 lost}", "", "lost too"},
                                        {kMainListIndex, "", "c", ""},
                                        {kRetainListIndex, "", "", ""}});
    RecordingSink sink;
    EXPECT_EQ(Read(file, sink), DataFileReadResult::Ok);
    EXPECT_EQ(sink.entries, (std::vector<ReadEntry>{{kMainListIndex, "r1", "a", ""},
                                                    {kMainListIndex, "", "c", ""}}));
    EXPECT_EQ(sink.calls.back(), "end 1");
}

TEST(DataFileReader, ConvertsWideTextAndRejectsMalformedMarkers) {
    std::string wide300 = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01});
    for (int i = 0; i < 300; ++i)
        wide300 += Bytes({'w', 0});
    const struct {
        const char* name;
        std::string raw;
        bool ok;
        std::string text;
    } cases[] = {
        {"one-byte count", Bytes({0xFF, 0xFE, 0xFF, 3, 'a', 0, 'b', 0, 0xE9, 0}), true, "ab\xE9"},
        {"unmappable unit", Bytes({0xFF, 0xFE, 0xFF, 1, 0xAC, 0x20}), true, "?"},
        {"16-bit count", wide300, true, std::string(300, 'w')},
        {"32-bit count", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 'h', 0, 'i', 0}),
         true, "hi"},
        {"empty", Bytes({0xFF, 0xFE, 0xFF, 0}), true, ""},
        {"marker after marker", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 1, 'a', 0}), false, ""},
        {"odd byte count", Bytes({0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b'}), false, ""},
        {"marker without count", Bytes({0xFF, 0xFE, 0xFF}), false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSink sink;
        const DataFileReadResult result = Read(FileWithRawRtf(c.raw), sink);
        if (c.ok) {
            EXPECT_EQ(result, DataFileReadResult::Ok);
            EXPECT_EQ(sink.entries, (std::vector<ReadEntry>{{kMainListIndex, c.text, "x", ""}}));
        } else {
            EXPECT_EQ(result, DataFileReadResult::Corrupt);
            EXPECT_TRUE(sink.entries.empty());
        }
    }
}

TEST(DataFileReader, WideTextAlsoWorksAsListAndOverflowText) {
    const std::string wideAb = Bytes({0xFF, 0xFE, 0xFF, 2, 'a', 0, 0xFC, 0});
    const std::string file = Le32(1) + Le32(1) + Bytes({0}) + wideAb + wideAb + Le32(0);
    RecordingSink sink;
    EXPECT_EQ(Read(file, sink), DataFileReadResult::Ok);
    EXPECT_EQ(sink.entries, (std::vector<ReadEntry>{{kMainListIndex, "", "a\xFC", "a\xFC"}}));
}

TEST(DataFileReader, EightBitTextIsReadInTheLocalesOwnCodePage) {
    platform::headless::HeadlessCodePage utf8;
    utf8.program = platform::headless::HeadlessCodePage::Program::Utf8;
    // As an older program wrote them: "caf\xE9" and a euro sign, 8-bit Windows-1252.
    const std::string file = Le32(1) + Le32(1) + Bytes({0, 4, 'c', 'a', 'f', 0xE9, 1, 0x80}) +
                             Le32(1) + Bytes({0, 5, 'p', 'l', 'a', 'i', 'n', 0});
    RecordingSink sink;
    EXPECT_EQ(ReadDataFile(file, utf8, sink), DataFileReadResult::Ok);
    EXPECT_EQ(sink.entries,
              (std::vector<ReadEntry>{{kMainListIndex, "", "caf\xC3\xA9", "\xE2\x82\xAC"},
                                      {kRetainListIndex, "", "plain", ""}}));
}

// The locale's code page of an older file, given by the characters a case needs: single bytes,
// or lead and trail byte pairs; any other high byte decodes as the replacement character.
class TableCodePage : public platform::headless::HeadlessCodePage {
  public:
    explicit TableCodePage(std::map<std::string, std::string> chars) : chars_(std::move(chars)) {
        program = Program::Utf8;
    }
    std::string LegacyToAnsi(const std::string& text) const override {
        std::string out;
        for (std::size_t i = 0; i < text.size();) {
            if (static_cast<unsigned char>(text[i]) < 0x80) {
                out += text[i++];
                continue;
            }
            std::size_t taken = 0;
            for (std::size_t n : {2u, 1u})
                if (!taken && i + n <= text.size() && chars_.count(text.substr(i, n)))
                    taken = n;
            out += taken ? chars_.at(text.substr(i, taken)) : "\xEF\xBF\xBD";
            i += taken ? taken : 1;
        }
        return out;
    }

  private:
    std::map<std::string, std::string> chars_;
};

// An older program cut a long item after exactly 500 bytes of 8-bit text, then "...", and kept
// the rest as overflow text; a character may stand across the cut.
TEST(DataFileReader, OlderLongItemsAreJoinedByBytesThenDecodedAndCutAgain) {
    const struct {
        const char* codePage;
        std::map<std::string, std::string> chars;
        std::string bytes; // what stands from byte 497 on
        std::string text;  // the same in UTF-8
    } cases[] = {
        {"1252",
         {{"\xE9", "\xC3\xA9"}},
         "\xE9\xE9\xE9 caf\xE9",
         "\xC3\xA9\xC3\xA9\xC3\xA9 caf\xC3\xA9"},
        {"1251",
         {{"\xCF", "\xD0\x9F"}, {"\xF0", "\xD1\x80"}, {"\xE8", "\xD0\xB8"}},
         "\xCF\xF0\xE8\xCF\xF0\xE8",
         "\xD0\x9F\xD1\x80\xD0\xB8\xD0\x9F\xD1\x80\xD0\xB8"},
        // Shift-JIS: the cut at byte 500 falls between the lead and trail byte of a character.
        {"932",
         {{"\x93\xFA", "\xE6\x97\xA5"}, {"\x96\x7B", "\xE6\x9C\xAC"}},
         "ab\x93\xFA\x96\x7B",
         "ab\xE6\x97\xA5\xE6\x9C\xAC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        const std::string head(497, 'x');
        const std::string bytes = head + c.bytes;
        const std::string listBytes = bytes.substr(0, 500) + "...";
        const std::string overflowBytes = bytes.substr(500);
        const auto counted = [](const std::string& s) {
            return Bytes({0xFF, unsigned(s.size() & 0xFF), unsigned(s.size() >> 8)}) + s;
        };
        const std::string file =
            Le32(1) + Le32(1) + Bytes({0}) + counted(listBytes) + counted(overflowBytes) + Le32(0);
        const TableCodePage codePage(c.chars);
        RecordingSink sink;
        ASSERT_EQ(ReadDataFile(file, codePage, sink), DataFileReadResult::Ok);
        ASSERT_EQ(sink.entries.size(), 1u);
        const std::string text = head + c.text;
        EXPECT_EQ(JoinPlainText(sink.entries[0].listText, sink.entries[0].overflow), text);
        const SplitText split = SplitPlainText(text);
        EXPECT_EQ(sink.entries[0].listText, split.listText);
        EXPECT_EQ(sink.entries[0].overflow, split.overflowText);
        // Saved again, the item is written whole in the wide form and reads back the same.
        std::string saved;
        CDataFileWriter writer(saved, codePage);
        writer.BeginList();
        ASSERT_TRUE(writer.AddEntry("", split.listText, split.overflowText));
        writer.EndList();
        writer.BeginList();
        writer.EndList();
        RecordingSink again;
        ASSERT_EQ(ReadDataFile(saved, codePage, again), DataFileReadResult::Ok);
        EXPECT_EQ(again.entries, sink.entries);
    }
}

// A NUL inside a stored text would end the list's line there; it is shown as "?" instead.
TEST(DataFileReader, ANulInsideATextIsReplacedAndNothingAfterItIsLost) {
    const std::string longTail(600, 'y');
    const struct {
        const char* name;
        std::string list, overflow;
        std::string text;
    } cases[] = {
        {"short", std::string("ab\0cd", 5), "", "ab?cd"},
        {"in the list text of a long item", std::string("a\0", 2) + std::string(498, 'x') + "...",
         longTail, "a?" + std::string(498, 'x') + longTail},
        {"in the overflow text", std::string(500, 'x') + "...", std::string("\0", 1) + longTail,
         std::string(500, 'x') + "?" + longTail},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto counted = [](const std::string& s) {
            return Bytes({0xFF, unsigned(s.size() & 0xFF), unsigned(s.size() >> 8)}) + s;
        };
        const std::string file =
            Le32(1) + Le32(1) + Bytes({0}) + counted(c.list) + counted(c.overflow) + Le32(0);
        RecordingSink sink;
        ASSERT_EQ(Read(file, sink), DataFileReadResult::Ok);
        ASSERT_EQ(sink.entries.size(), 1u);
        EXPECT_EQ(sink.entries[0].listText.find('\0'), std::string::npos);
        EXPECT_EQ(JoinPlainText(sink.entries[0].listText, sink.entries[0].overflow), c.text);
    }
}

TEST(DataFileReader, UnicodeTextRoundTripsThroughTheWideForm) {
    platform::headless::HeadlessCodePage utf8;
    utf8.program = platform::headless::HeadlessCodePage::Program::Utf8;
    const std::string unicode = test::UnicodeText();
    std::string longText;
    while (longText.size() < 2000)
        longText += unicode + "\r\n";
    const SplitText split = SplitPlainText(longText);
    const std::vector<ReadEntry> entries = {
        {kMainListIndex, "{\\rtf1 \\u26085?}", unicode, ""},
        {kMainListIndex, "", split.listText, split.overflowText},
        {kRetainListIndex, "", "ascii", ""}};
    std::string file;
    CDataFileWriter writer(file, utf8);
    for (int list : {kMainListIndex, kRetainListIndex}) {
        writer.BeginList();
        for (const ReadEntry& e : entries)
            if (e.list == list)
                ASSERT_TRUE(writer.AddEntry(e.rtf, e.listText, e.overflow));
        writer.EndList();
    }
    RecordingSink sink;
    ASSERT_EQ(ReadDataFile(file, utf8, sink), DataFileReadResult::Ok);
    EXPECT_EQ(sink.entries, entries);
    // A lone surrogate, which no UTF-8 text holds, reads as the replacement character.
    RecordingSink lone;
    ASSERT_EQ(ReadDataFile(Le32(1) + Le32(1) +
                               Bytes({0, 0xFF, 0xFE, 0xFF, 2, 'x', 0, 0x00, 0xD8, 0}) + Le32(0),
                           utf8, lone),
              DataFileReadResult::Ok);
    EXPECT_EQ(lone.entries, (std::vector<ReadEntry>{{kMainListIndex, "", "x\xEF\xBF\xBD", ""}}));
}

TEST(DataFileReader, RoundTripsBothListsWithHighBytesAndLongTexts) {
    std::vector<ReadEntry> entries;
    const std::string plains[] = {test::HighBytesText(), test::MakeText(600, 2),
                                  test::MakeText(70000, 3),
                                  test::HighBytesText() + test::MakeText(1000, 4)};
    int list = kMainListIndex;
    for (const std::string& plain : plains) {
        const SplitText split = SplitPlainText(plain);
        entries.push_back({list, "{\\rtf1 " + plain + "}", split.listText, split.overflowText});
        list = 1 - list;
    }
    entries.push_back({kRetainListIndex, test::MakeText(100000, 5), "short", ""});
    entries.push_back({kMainListIndex, "", std::string(65534, '\xA0'), std::string(255, '\xFF')});

    RecordingSink sink;
    ASSERT_EQ(Read(WriteFile(entries), sink), DataFileReadResult::Ok);
    // The reader delivers the Main List first, then the Retain List, each in written order.
    std::vector<ReadEntry> expected;
    for (int l : {kMainListIndex, kRetainListIndex})
        for (const ReadEntry& e : entries)
            if (e.list == l)
                expected.push_back(e);
    ASSERT_EQ(sink.entries, expected);
    // The split texts still join to the plain text that each RTF text wraps.
    for (const ReadEntry& e : sink.entries)
        if (e.rtf.rfind("{\\rtf1 ", 0) == 0) {
            EXPECT_EQ(JoinPlainText(e.listText, e.overflow), e.rtf.substr(7, e.rtf.size() - 8));
        }
}

// What the sink hears once the input holds `needs` bytes: BeginList(0) needs the version field,
// an entry its last byte, EndList and the next BeginList the list's last entry.
struct Step {
    std::string call;
    std::size_t needs;
};

// Cuts the file at every byte: each cut is Corrupt and the sink hears exactly the steps that the
// bytes before the cut complete.
void ExpectEveryTruncationCorrupt(const std::string& file, const std::vector<Step>& steps) {
    for (std::size_t cut = 0; cut < file.size(); ++cut) {
        RecordingSink sink;
        // A copy of exactly the cut length, so that reading past it is caught by the sanitizers.
        const DataFileReadResult result = Read(file.substr(0, cut), sink);
        std::vector<std::string> expected;
        for (const Step& s : steps)
            if (s.needs <= cut)
                expected.push_back(s.call);
        ASSERT_EQ(result, DataFileReadResult::Corrupt) << "cut at " << cut;
        ASSERT_EQ(sink.calls, expected) << "cut at " << cut;
    }
    RecordingSink whole;
    EXPECT_EQ(Read(file, whole), DataFileReadResult::Ok);
}

TEST(DataFileReader, EveryTruncationIsCorruptAfterDeliveringTheCompleteEntries) {
    SCOPED_TRACE("written file: 8- and 16-bit prefixes, a dropped entry, both lists");
    std::vector<Step> steps;
    std::string file;
    CDataFileWriter writer(file, codePage);
    steps.push_back({"begin 0", file.size()});
    writer.BeginList();
    const ReadEntry mainEntries[] = {{0, "", "abc", ""},
                                     {0, "{\\rtf1 x}", test::MakeText(300), "tail"},
                                     {0, "r", "", "o"},
                                     {0, "", "d\xE9", std::string(255, 'o')}};
    for (const ReadEntry& e : mainEntries) {
        ASSERT_TRUE(writer.AddEntry(e.rtf, e.listText, e.overflow));
        if (!e.listText.empty())
            steps.push_back({"entry " + e.listText.substr(0, 20), file.size()});
    }
    writer.EndList();
    steps.push_back({"end 0", file.size()});
    steps.push_back({"begin 1", file.size()});
    writer.BeginList();
    ASSERT_TRUE(writer.AddEntry("", test::HighBytesText(), ""));
    steps.push_back({"entry " + test::HighBytesText().substr(0, 20), file.size()});
    writer.EndList();
    ExpectEveryTruncationCorrupt(file, steps);
}

TEST(DataFileReader, EveryTruncationOfA32BitPrefixOrWideTextIsCorrupt) {
    const std::string file = Le32(1) + Le32(2) +
                             Bytes({0xFF, 0xFF, 0xFF, 3, 0, 0, 0, 'a', 'b', 'c', 1, 'x', 0}) +
                             Bytes({0, 0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b', 0, 0}) + Le32(0);
    ExpectEveryTruncationCorrupt(
        file, {{"begin 0", 4}, {"entry x", 21}, {"entry ab", 31}, {"end 0", 31}, {"begin 1", 31}});
}

TEST(DataFileReader, AbsurdLengthsAreCorruptWithoutBeingAllocated) {
    const struct {
        const char* name;
        std::string file;
    } cases[] = {
        {"one-byte length", FileWithRawRtf(Bytes({200, 'a', 'b'}))},
        {"16-bit length", FileWithRawRtf(Bytes({0xFF, 0xFD, 0xFF, 'a'}))},
        {"32-bit 0xFFFFFFFF", FileWithRawRtf(Bytes({0xFF, 0xFF, 0xFF}) + Le32(0xFFFFFFFF))},
        {"32-bit 0x7FFFFFFF", FileWithRawRtf(Bytes({0xFF, 0xFF, 0xFF}) + Le32(0x7FFFFFFF))},
        {"wide 0xFFFFFFFF units",
         FileWithRawRtf(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF}) + Le32(0xFFFFFFFF))},
        {"wide 0x80000000 units",
         FileWithRawRtf(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF}) + Le32(0x80000000))},
        {"count 0x7FFFFFFF", Le32(1) + Le32(0x7FFFFFFF) + Bytes({0, 1, 'a', 0})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSink sink;
        sink.calls.reserve(16);
        sink.entries.reserve(16);
        DataFileReadResult result;
        std::size_t largest = 0;
        {
            test::LargestAllocationProbe probe;
            result = Read(c.file, sink);
            largest = probe.Largest();
        }
        EXPECT_EQ(result, DataFileReadResult::Corrupt);
        EXPECT_LT(largest, 256u);
    }
}

TEST(DataFileReader, SinkRefusalStopsReading) {
    const std::string file = WriteFile({{kMainListIndex, "", "a", ""},
                                        {kMainListIndex, "", "b", ""},
                                        {kRetainListIndex, "", "c", ""}});
    RecordingSink sink;
    sink.acceptLimit = 1;
    EXPECT_EQ(Read(file, sink), DataFileReadResult::Stopped);
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"begin 0", "entry a"}));
}

} // namespace
} // namespace qv
