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

TEST(CheckLaunchText, EmptyThenTooLongThenSeveralLines) {
    const std::string longest(259, 'p');
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
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckLaunchText(c.text), c.problem) << c.text.size() << " characters";
}

} // namespace
} // namespace qv::test
