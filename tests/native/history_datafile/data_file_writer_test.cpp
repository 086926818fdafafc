#include "byte_fixtures.h"
#include "headless/headless_services.h"
#include "history/data_file_pieces.h"
#include "history/data_file_writer.h"
#include "support/text_fixtures.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qv {
namespace {

// The file the pieces make, in one string.
std::string Joined(CDataFilePieces& pieces) {
    std::string whole;
    for (std::string_view piece : pieces.Pieces())
        whole.append(piece.data(), piece.size());
    return whole;
}

using test::Bytes;
using test::Le32;

const platform::headless::HeadlessCodePage codePage;

struct TestEntry {
    std::string rtf, listText, overflow;
};

std::string WriteFile(const std::vector<TestEntry>& mainList,
                      const std::vector<TestEntry>& retainList) {
    std::string bytes = "left over from an earlier save"; // a reused buffer starts over
    CDataFileWriter writer(bytes, codePage);
    for (const auto* list : {&mainList, &retainList}) {
        writer.BeginList();
        for (const TestEntry& e : *list)
            EXPECT_TRUE(writer.AddEntry(e.rtf, e.listText, e.overflow));
        writer.EndList();
    }
    return bytes;
}

TEST(DataFileWriter, WritesEmptyListsAndOneItemFilesExactly) {
    EXPECT_EQ(WriteFile({}, {}), Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(WriteFile({{"", "abc", ""}}, {}),
              Bytes({1, 0, 0, 0, 1, 0, 0, 0, 0, 3, 'a', 'b', 'c', 0, 0, 0, 0, 0}));
}

TEST(DataFileWriter, PrefixesEachLengthInItsShortestForm) {
    const struct {
        std::size_t length;
        std::string prefix;
    } cases[] = {
        {0, Bytes({0x00})},
        {1, Bytes({0x01})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {65535, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'x');
        std::string file;
        CDataFileWriter writer(file, codePage);
        writer.BeginList();
        const std::size_t before = file.size();
        ASSERT_TRUE(writer.AddEntry(text, "a", ""));
        EXPECT_EQ(file.substr(before, c.prefix.size()), c.prefix);
        EXPECT_EQ(file.substr(before + c.prefix.size(), c.length), text);
        EXPECT_EQ(file.substr(before + c.prefix.size() + c.length), Bytes({1, 'a', 0}));
        EXPECT_EQ(CDataFileWriter::EntrySize(text, "a", ""), file.size() - before);
    }
}

TEST(DataFileWriter, TextBeyondAsciiTakesTheWideForm) {
    using Program = platform::headless::HeadlessCodePage::Program;
    std::string wide300 = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01});
    for (int i = 0; i < 300; ++i)
        wide300 += Bytes({0xE9, 0});
    std::string e300;
    for (int i = 0; i < 300; ++i)
        e300 += "\xC3\xA9";
    const std::string long8Bit = std::string(70000, 'x') + "\xFF";
    const struct {
        const char* name;
        Program program;
        std::string text, bytes;
    } cases[] = {
        {"ASCII stays 8-bit", Program::Utf8, "abc", Bytes({3, 'a', 'b', 'c'})},
        {"UTF-8 letter", Program::Utf8, "caf\xC3\xA9",
         Bytes({0xFF, 0xFE, 0xFF, 4, 'c', 0, 'a', 0, 'f', 0, 0xE9, 0})},
        {"emoji as a surrogate pair", Program::Utf8, "\xF0\x9F\x98\x80",
         Bytes({0xFF, 0xFE, 0xFF, 2, 0x3D, 0xD8, 0x00, 0xDE})},
        {"300 units take the 16-bit count", Program::Utf8, e300, wide300},
        {"not UTF-8: kept byte for byte", Program::Utf8, "\xFF\xE9", Bytes({2, 0xFF, 0xE9})},
        {"long text not UTF-8: kept with its 32-bit length", Program::Utf8, long8Bit,
         Bytes({0xFF, 0xFF, 0xFF, 0x71, 0x11, 0x01, 0x00}) + long8Bit},
        {"Windows-1252 letter", Program::Windows1252, "caf\xE9",
         Bytes({0xFF, 0xFE, 0xFF, 4, 'c', 0, 'a', 0, 'f', 0, 0xE9, 0})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::headless::HeadlessCodePage page;
        page.program = c.program;
        std::string file;
        CDataFileWriter writer(file, page);
        writer.BeginList();
        ASSERT_TRUE(writer.AddEntry("", c.text, ""));
        writer.EndList();
        EXPECT_EQ(file, Le32(1) + Le32(1) + Bytes({0}) + c.bytes + Bytes({0}));
    }
}

// The wide form of text in Windows-1252 whose only byte beyond ASCII is the 0xE9 at `at`.
std::string WideWithOneE9(std::size_t length, std::size_t at) {
    std::string wide = Bytes({0xFF, 0xFE, 0xFF});
    wide += length <= 254 ? Bytes({unsigned(length)})
                          : Bytes({0xFF, unsigned(length & 0xFF), unsigned(length >> 8)});
    for (std::size_t i = 0; i < length; ++i)
        wide += i == at ? Bytes({0xE9, 0}) : Bytes({'x', 0});
    return wide;
}

// Text is looked at many bytes at a time: one high byte anywhere, in the wide steps or in the
// tail, must still be seen, both in a copied string and in one the file takes from where it lies.
TEST(DataFileWriter, OneHighByteAnywhereTakesTheWideForm) {
    platform::headless::HeadlessCodePage page;
    page.program = platform::headless::HeadlessCodePage::Program::Windows1252;
    const auto check = [&](std::size_t length, std::size_t at) {
        SCOPED_TRACE(testing::Message() << "length " << length << ", high byte at " << at);
        std::string text(length, 'x');
        text[at] = '\xE9';
        CDataFilePieces pieces;
        CDataFileWriter writer(pieces, page);
        writer.BeginList();
        ASSERT_TRUE(writer.AddEntry("", text, ""));
        const std::string expected = WideWithOneE9(length, at);
        ASSERT_EQ(Joined(pieces).substr(9, expected.size()), expected);
    };
    for (std::size_t length = 1; length <= 136; ++length)
        for (std::size_t at = 0; at < length; ++at)
            check(length, at);
    const std::size_t large = CDataFileWriter::kReferencedFrom + 70;
    for (std::size_t at : {std::size_t(0), std::size_t(63), std::size_t(64), std::size_t(1000),
                           large - 7, large - 1})
        check(large, at);
}

// Writing large strings from where they lie gives the same file as copying them, whatever the
// mix, as long as they are kept until the pieces are written.
TEST(DataFileWriter, PiecesMakeTheSameFileAsOneString) {
    using Program = platform::headless::HeadlessCodePage::Program;
    const std::size_t at = CDataFileWriter::kReferencedFrom;
    const std::string big = test::MakeText(70000, 4);
    const struct {
        const char* name;
        Program program;
        std::vector<TestEntry> mainList, retainList;
    } cases[] = {
        {"empty lists", Program::Utf8, {}, {}},
        {"sizes around the threshold",
         Program::Utf8,
         {{std::string(at - 1, 'a'), std::string(at, 'b'), std::string(at + 1, 'c')},
          {"", "short", ""}},
         {{big, "r", big}}},
        {"large strings next to each other", Program::Utf8, {{big, big, big}, {big, big, big}}, {}},
        {"large text beyond ASCII is converted",
         Program::Utf8,
         {{"", "\xC3\xA9" + std::string(at, 'e'), std::string(at, 'x') + test::UnicodeText()}},
         {}},
        {"large text the code page cannot read is kept 8-bit",
         Program::Utf8,
         {{"", std::string(at, 'x') + "\xFF", big + "\xFE"}},
         {}},
        {"Windows-1252", Program::Windows1252, {{"", test::HighBytesText() + big, big}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::headless::HeadlessCodePage page;
        page.program = c.program;
        std::string whole;
        // No room made ahead: the own bytes move while pieces refer to places in them. Filled
        // twice, as a kept buffer is, to see that a second save starts over.
        CDataFilePieces pieces;
        for (int save = 0; save < 2; ++save) {
            CDataFileWriter one(whole, page);
            CDataFileWriter gathered(pieces, page);
            for (const auto* list : {&c.mainList, &c.retainList}) {
                one.BeginList();
                gathered.BeginList();
                for (const TestEntry& e : *list) {
                    ASSERT_TRUE(one.AddEntry(e.rtf, e.listText, e.overflow));
                    ASSERT_TRUE(gathered.AddEntry(e.rtf, e.listText, e.overflow));
                }
                one.EndList();
                gathered.EndList();
            }
        }
        EXPECT_EQ(Joined(pieces), whole);
        for (std::string_view piece : pieces.Pieces())
            EXPECT_FALSE(piece.empty());
    }
}

TEST(DataFileWriter, OnlyLargeAsciiStringsAreWrittenFromWhereTheyLie) {
    const std::size_t at = CDataFileWriter::kReferencedFrom;
    const std::string justBelow(at - 1, 'b'), exactly(at, 'e'), wide = "\xC3\xA9" + exactly;
    std::string listText(at, 'l');
    CDataFilePieces pieces;
    CDataFileWriter writer(pieces, codePage);
    writer.BeginList();
    ASSERT_TRUE(writer.AddEntry(justBelow, listText, exactly));
    ASSERT_TRUE(writer.AddEntry(wide, listText, "", CDataFileWriter::ListText::Reused));
    writer.EndList();
    const auto referenced = [&](const std::string& text) {
        for (std::string_view piece : pieces.Pieces())
            if (piece.data() == text.data())
                return true;
        return false;
    };
    EXPECT_TRUE(referenced(exactly));
    EXPECT_TRUE(referenced(listText)); // the first entry's list text is kept
    EXPECT_FALSE(referenced(justBelow));
    EXPECT_FALSE(referenced(wide));
    EXPECT_EQ(pieces.Pieces().size(), 5u); // own, list text, own, overflow, own

    // A reused list text was copied as it stood when added.
    const std::string before = Joined(pieces);
    listText.assign(at, 'L');
    const std::string after = Joined(pieces);
    EXPECT_EQ(after.substr(after.size() - at - 8), before.substr(before.size() - at - 8));
}

} // namespace
} // namespace qv
