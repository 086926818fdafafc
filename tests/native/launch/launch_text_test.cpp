// Which texts can be launched, and what the shell is asked to open for them.
#include "launch/launch_text.h"
#include <gtest/gtest.h>

namespace qv::test {
namespace {

TEST(LaunchTarget, OnlyAWwwAddressGetsTheHttpScheme) {
    const struct {
        const char* text;
        const char* target;
    } cases[] = {
        {"www.example.test", "http://www.example.test"},
        {"WwW.Example.test", "http://WwW.Example.test"},
        {"  www.example.test \t", "http://www.example.test"}, // trimmed first
        {"www.x", "http://www.x"},                            // five characters
        {"www.", "www."},                                     // nothing after the prefix
        {" www. ", "www."},
        {"wwww.example.test", "wwww.example.test"},
        {"www,example.test", "www,example.test"},
        {"http://www.example.test", "http://www.example.test"},
        {"ftp://host/file", "ftp://host/file"},
        {"C:\\Docs\\www.txt", "C:\\Docs\\www.txt"},
        {"notes.txt", "notes.txt"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LaunchTarget(c.text), c.target) << "\"" << c.text << "\"";
}

// Two bytes each in UTF-8: the limit counts them as one character each.
std::string Cyrillic(std::size_t letters) {
    std::string text;
    for (std::size_t i = 0; i < letters; ++i)
        text += "\xD0\x96"; // U+0416
    return text;
}

TEST(CheckLaunchText, EmptyThenTooLongThenSeveralLines) {
    const std::string longest(259, 'p');
    const std::string euro = "\xE2\x82\xAC", emoji = "\xF0\x9F\x98\x80";
    const struct {
        std::string text;
        LaunchTextProblem problem;
    } cases[] = {
        {"", LaunchTextProblem::Empty},
        {"C:\\a.txt", LaunchTextProblem::None},
        {longest, LaunchTextProblem::None},
        {longest + "p", LaunchTextProblem::TooLong},
        {"a\r\nb", LaunchTextProblem::MultipleLines},
        {"a\rb", LaunchTextProblem::MultipleLines},
        {"a\nb", LaunchTextProblem::MultipleLines},
        {"a\tb", LaunchTextProblem::None},
        {longest + "\n", LaunchTextProblem::TooLong}, // the length is checked first
        {"C:\\" + Cyrillic(200), LaunchTextProblem::None},
        {"C:\\" + Cyrillic(256), LaunchTextProblem::None},
        {"C:\\" + Cyrillic(257), LaunchTextProblem::TooLong},
        {std::string(258, 'p') + euro, LaunchTextProblem::None},
        {std::string(258, 'p') + emoji + "p", LaunchTextProblem::TooLong},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckLaunchText(c.text), c.problem) << c.text.size() << " bytes";
}

} // namespace
} // namespace qv::test
