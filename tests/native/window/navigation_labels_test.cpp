#include "support/program_platform.h"
#include "window/navigation_labels.h"
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(PreviewCut, WorkedExamples) {
    struct Case {
        std::string text;
        std::string previous; // budget 16
        std::string next;     // budget 21
    };
    for (const Case& c : {
             Case{"The quick brown fox jumps over the lazy dog", "The quick brown...",
                  "The quick brown fox ..."},
             Case{"abcdefghijklmnop qrstuvw", "abcdefghijklmnop...", "abcdefghijklmnop qrs..."},
             Case{"Short text", "Short text", "Short text"},
             // At most budget + 1 characters: whole, tabs shown as spaces.
             Case{"tab\there\r\nline x", "tab here\r\nline x", "tab here\r\nline x"},
             Case{std::string(17, 'a'), std::string(17, 'a'), std::string(17, 'a')},
             Case{std::string(18, 'a'), std::string(15, 'a') + "...", std::string(18, 'a')},
             // A break at the budget keeps budget characters, the trailing space included.
             Case{std::string(16, 'b') + " cd", std::string(16, 'b') + "...",
                  std::string(16, 'b') + " cd"},
             Case{std::string(15, 'c') + " de", std::string(15, 'c') + "...",
                  std::string(15, 'c') + " de"},
             Case{std::string(16, 'd') + "  x", std::string(16, 'd') + " ...",
                  std::string(16, 'd') + "  x"},
         }) {
        EXPECT_EQ(PreviewCut(c.text, kPreviousPreviewBudget), c.previous) << c.text;
        EXPECT_EQ(PreviewCut(c.text, kNextPreviewBudget), c.next) << c.text;
    }
}

TEST(PreviewCut, Labels) {
    const test::ProgramPlatform platform;
    const auto& strings = platform.strings;
    EXPECT_EQ(NavigationLabel(strings, true, ""), "&Previous Item\tCtrl+P");
    EXPECT_EQ(NavigationLabel(strings, false, ""), "Ne&xt Item\tCtrl+N");
    EXPECT_EQ(NavigationLabel(strings, true, "Short text"), "&Previous Item: Short text\tCtrl+P");
    EXPECT_EQ(NavigationLabel(strings, false, "a\tb"), "Ne&xt Item: a b\tCtrl+N");
}

} // namespace
} // namespace qv
