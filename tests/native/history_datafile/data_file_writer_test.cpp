#include "byte_fixtures.h"
#include "history/data_file_writer.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qv {
namespace {

using test::Bytes;

struct TestEntry {
    std::string rtf, listText, overflow;
};

std::string WriteFile(const std::vector<TestEntry>& mainList,
                      const std::vector<TestEntry>& retainList) {
    std::string bytes = "left over from an earlier save"; // a reused buffer starts over
    CDataFileWriter writer(bytes);
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
        CDataFileWriter writer(file);
        writer.BeginList();
        const std::size_t before = file.size();
        ASSERT_TRUE(writer.AddEntry(text, "a", ""));
        EXPECT_EQ(file.substr(before, c.prefix.size()), c.prefix);
        EXPECT_EQ(file.substr(before + c.prefix.size(), c.length), text);
        EXPECT_EQ(file.substr(before + c.prefix.size() + c.length), Bytes({1, 'a', 0}));
        EXPECT_EQ(CDataFileWriter::EntrySize(text, "a", ""), file.size() - before);
    }
}

} // namespace
} // namespace qv
