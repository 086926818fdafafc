// Launch on the real program: the shell opens a "www." address as http and a file with its
// application (the recorder stands in for both), and a missing file's message comes from the
// worker thread while the main window goes on capturing.
#include "driver/keyboard.h"
#include "driver/recorder.h"
#include "e2e_fixture.h"
#include <string>

namespace qv::e2e {
namespace {

constexpr char kFileClass[] = "QuorvaneTest.Recorded";

class LaunchEndToEnd : public EndToEnd {
  protected:
    void SetUp() override {
        EndToEnd::SetUp();
        ASSERT_FALSE(RecorderPath().empty()) << "the driver was started without --recorder";
        ASSERT_TRUE(RegisterRecorder("http"));
        ASSERT_TRUE(RegisterRecorder(kFileClass));
        ASSERT_TRUE(RegisterFileType(".qvdoc", kFileClass));
        ASSERT_TRUE(ClearRecord());
        char temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        folder_ = std::string(temp) + "qv launch";
        CreateDirectoryA(folder_.c_str(), nullptr);
    }
    // Copies text elsewhere and selects its line, the last one.
    void CopyAndSelect(const std::string& text) {
        const int count = ListCount(program_.Control(IDC_HISTORY)) + 1;
        CopyAndWait(text, count);
        SelectLine(count - 1);
    }
    bool WaitForRecord(const std::string& expected) {
        return program_.WaitUntil([&] { return Recorded() == expected; }, 10000);
    }
    std::string folder_;
};

TEST_F(LaunchEndToEnd, AWwwAddressOpensAsHttp) {
    CopyAndSelect("www.example.test");
    program_.Click(IDC_LAUNCH);
    EXPECT_TRUE(WaitForRecord("http://www.example.test\n"))
        << program_.Describe("recorded \"" + Recorded() + "\"");
    EXPECT_TRUE(program_.MessageBoxes().empty());
    CloseNormally();
}

TEST_F(LaunchEndToEnd, AFilePathOpensThatFileWithCtrlL) {
    const std::string file = folder_ + "\\notes.qvdoc";
    ASSERT_TRUE(WriteWholeFile(file, "notes"));
    CopyAndSelect("  " + file + "  ");
    ASSERT_TRUE(program_.TakeForeground());
    ASSERT_TRUE(PressKey('L', VK_CONTROL));
    EXPECT_TRUE(WaitForRecord(file + "\n")) << program_.Describe("recorded \"" + Recorded() + "\"");
    CloseNormally();
}

// 120 Cyrillic letters are 240 bytes of the program's UTF-8 but far fewer than 259 characters:
// the file opens with its application, its name whole.
TEST_F(LaunchEndToEnd, APathOfCyrillicLettersOpensItsFile) {
    std::wstring path(std::size_t(MultiByteToWideChar(CP_UTF8, 0, folder_.c_str(), -1, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, folder_.c_str(), -1, path.data(), int(path.size()));
    path.resize(path.size() - 1);
    path += L"\\" + std::wstring(120, L'\x0416') + L".qvdoc";
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    std::string expected(std::size_t(WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, nullptr, 0,
                                                         nullptr, nullptr)),
                         '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, expected.data(), int(expected.size()),
                        nullptr, nullptr);
    expected.back() = '\n';
    ASSERT_GT(expected.size(), 260u) << "longer than the limit in bytes";

    PumpFor(700);
    ASSERT_TRUE(program_.Other().CopyUnicodeText(path, nullptr, std::string()));
    ASSERT_TRUE(
        program_.WaitUntil([&] { return ListCount(program_.Control(IDC_HISTORY)) == 1; }, 20000));
    SelectLine(0);
    program_.Click(IDC_LAUNCH);
    EXPECT_TRUE(WaitForRecord(expected)) << program_.Describe("recorded \"" + Recorded() + "\"");
    EXPECT_TRUE(program_.MessageBoxes().empty());
    DeleteFileW(path.c_str());
    CloseNormally();
}

TEST_F(LaunchEndToEnd, AMissingFileIsReportedWhileCapturesGoOn) {
    const std::string missing = folder_ + "\\missing.qvdoc";
    DeleteFileA(missing.c_str());
    CopyAndSelect(missing);
    program_.SysCommand(IDM_LAUNCH);
    const auto box = program_.WaitForMessageBox(10000);
    ASSERT_TRUE(box.has_value()) << program_.Describe("no message for a missing file");
    EXPECT_EQ(box->caption, "Quorvane");
    EXPECT_EQ(box->text, "Could not open \"" + missing + "\".  This file was not found.");
    EXPECT_TRUE(IsWindowEnabled(program_.MainWindow())) << "the message holds the main window";

    // A copy made elsewhere while the message is open is taken.
    CopyAndWait("copied while the message is open", 2);
    EXPECT_EQ(program_.MessageBoxes().size(), 1u);
    ASSERT_TRUE(program_.Answer(*box, IDOK));
    ASSERT_TRUE(program_.WaitUntil([&] { return program_.MessageBoxes().empty(); }, 5000));

    // The job is free again: the same launch reports again.
    SelectLine(0);
    program_.Click(IDC_LAUNCH);
    const auto again = program_.WaitForMessageBox(10000);
    ASSERT_TRUE(again.has_value()) << program_.Describe("no message the second time");
    EXPECT_EQ(again->text, box->text);
    ASSERT_TRUE(program_.Answer(*again, IDOK));
    ASSERT_TRUE(program_.WaitUntil([&] { return program_.MessageBoxes().empty(); }, 5000));
    EXPECT_TRUE(Recorded().empty());
    CloseNormally();
}

} // namespace
} // namespace qv::e2e
