// Clips that another program marks private are never kept by the real program, and the next
// ordinary copy is.
#include "e2e_fixture.h"

namespace qv::e2e {
namespace {

TEST_F(EndToEnd, ClipsMarkedPrivateLeaveNoTrace) {
    const struct {
        const char* marker;
        std::string data;
    } markers[] = {{"ExcludeClipboardContentFromMonitorProcessing", ""},
                   {"CanIncludeInClipboardHistory", std::string(4, '\0')},
                   {"Clipboard Viewer Ignore", ""}};
    const HWND history = program_.Control(IDC_HISTORY);
    int count = 0;
    for (const auto& m : markers) {
        SCOPED_TRACE(m.marker);
        CopyAndWait("ordinary " + std::to_string(count), count + 1);
        ++count;
        PumpFor(700);
        ASSERT_TRUE(program_.Other().CopyUnicodeText(L"secret password", m.marker, m.data));
        ASSERT_TRUE(
            program_.WaitUntil([&] { return program_.Title() == "Quorvane - [private]"; }, 10000))
            << program_.Describe("the private clip was not recognised");
        EXPECT_EQ(ListCount(history), count);
        EXPECT_EQ(program_.ControlText(IDC_CONTENTS), "");
        EXPECT_TRUE(ListSelection(history).empty());
        EXPECT_FALSE(program_.IsEnabled(IDC_RECALL));
    }
    // CanIncludeInClipboardHistory holding 1 allows keeping it; the next plain copy is kept too.
    PumpFor(700);
    ASSERT_TRUE(program_.Other().CopyUnicodeText(L"may be kept", "CanIncludeInClipboardHistory",
                                                 std::string("\x01\0\0\0", 4)));
    ASSERT_TRUE(program_.WaitUntil([&] { return ListCount(history) == count + 1; }, 10000))
        << program_.Describe("the clip allowed into histories was not captured");
    std::string line;
    ASSERT_TRUE(ListLine(history, count, line));
    EXPECT_EQ(line, "may be kept");
    CopyAndWait("the next ordinary copy", count + 2);
    EXPECT_EQ(program_.Title(), "the next ordinary copy - Quorvane");

    CloseNormally();
    std::string file;
    ASSERT_TRUE(ReadWholeFile(DataFilePath(), file));
    EXPECT_NE(file.find("may be kept"), std::string::npos);
    EXPECT_EQ(file.find("secret"), std::string::npos);
}

} // namespace
} // namespace qv::e2e
