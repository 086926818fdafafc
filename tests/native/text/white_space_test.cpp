#include "text/white_space.h"
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TrimWhiteSpace, BothEndsOnly) {
    EXPECT_EQ(TrimWhiteSpace(" \ta b\r\n"), "a b");
    EXPECT_EQ(TrimWhiteSpace("ab"), "ab");
    EXPECT_EQ(TrimWhiteSpace("   "), "");
    EXPECT_EQ(TrimWhiteSpace("\xA0x\xA0"), "\xA0x\xA0"); // no byte from 0x80 up is white space
}

TEST(NonBlankLines, DropIndentationBlankLinesAndTrailingSpace) {
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    };
    for (const Case& c : {
             Case{"first line\r\n\r\n   second line  \r\nthird",
                  {"first line", "second line", "third"}},
             Case{"  one line  \r\n", {"one line"}},
             Case{"lone\nfeed", {"lone", "feed"}},
             Case{"lone\rreturn", {"lone", "return"}},
             Case{"\t a \t\f\v\r\n\r\n\n\r b\t", {"a", "b"}},
             Case{" \r\n\t ", {}},
             Case{"", {}},
         }) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NonBlankLines(c.text), c.lines);
    }
}

} // namespace
} // namespace qv
