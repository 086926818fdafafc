// Start and clean exit of the real program, with the main window laid out as its template says.
#include "e2e_fixture.h"
#include <cstdio>

namespace qv::e2e {
namespace {

// The main window's template as the dialog manager lays it out in the driver's own process.
class TemplateReference {
  public:
    TemplateReference() {
        richEdit_ = LoadLibraryA("riched32.dll");
        window_ = CreateDialogParamA(
            GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    }
    ~TemplateReference() {
        if (window_)
            DestroyWindow(window_);
        if (richEdit_)
            FreeLibrary(richEdit_);
    }
    HWND Window() const { return window_; }

  private:
    HMODULE richEdit_ = nullptr;
    HWND window_ = nullptr;
};

std::string RectText(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

TEST_F(EndToEnd, StartsWithEveryControlInPlaceAndClosesCleanly) {
    EXPECT_EQ(program_.Title().rfind("Quorvane", 0), 0u) << program_.Title();

    const TemplateReference reference;
    ASSERT_NE(reference.Window(), nullptr);
    const std::vector<HWND> expected = ChildrenOf(reference.Window());
    const std::vector<HWND> actual = ChildrenOf(program_.MainWindow());
    ASSERT_EQ(expected.size(), 30u) << "the template's control table";
    ASSERT_EQ(actual.size(), expected.size()) << program_.Describe("control count");

    RECT expectedClient{}, actualClient{};
    GetClientRect(reference.Window(), &expectedClient);
    GetClientRect(program_.MainWindow(), &actualClient);
    EXPECT_EQ(RectText(actualClient), RectText(expectedClient)) << "client area";

    for (std::size_t i = 0; i < expected.size(); ++i) {
        const HWND want = expected[i];
        const HWND got = actual[i];
        SCOPED_TRACE("control " + std::to_string(i) + " id " + std::to_string(GetDlgCtrlID(want)) +
                     " \"" + TextOf(want) + "\"");
        EXPECT_EQ(GetDlgCtrlID(got), GetDlgCtrlID(want));
        EXPECT_EQ(lstrcmpiA(ClassOf(got).c_str(), ClassOf(want).c_str()), 0) << ClassOf(got);
        EXPECT_TRUE(IsWindowVisible(got));
        RECT wantRect = RectInParent(want);
        RECT gotRect = RectInParent(got);
        if (lstrcmpiA(ClassOf(want).c_str(), "ComboBox") == 0) {
            // A drop-down combo's height follows its font and any open list: compare the rest.
            wantRect.bottom = wantRect.top;
            gotRect.bottom = gotRect.top;
        }
        EXPECT_EQ(RectText(gotRect), RectText(wantRect));
        // Fixed texts: labels with a caption, buttons and check boxes (counts change at start).
        const std::string fixed = TextOf(want);
        if (!fixed.empty()) {
            EXPECT_EQ(TextOf(got), fixed);
        }
    }

    DWORD exitCode = 1;
    std::string error;
    ASSERT_TRUE(program_.Close(exitCode, error)) << error;
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
} // namespace qv::e2e

namespace qv::e2e {
namespace {

// A second start (a second click on the shortcut) brings the running copy to the front and ends:
// two copies would both capture and the later save would drop the other's items.
TEST_F(EndToEnd, ASecondStartBringsTheFirstToTheFrontAndEnds) {
    CopyAndWait("taken by the first copy", 1);
    const HWND first = program_.MainWindow();
    ShowWindow(first, SW_MINIMIZE);
    ASSERT_TRUE(program_.WaitUntil([&] { return IsIconic(first) != FALSE; }, 3000));
    ASSERT_TRUE(program_.Other().TakeForeground());

    Program second;
    std::string error;
    const DWORD startedAt = GetTickCount();
    ASSERT_TRUE(second.Launch(error, 20000, false)) << error;
    DWORD exitCode = 0;
    ASSERT_TRUE(second.WaitForExit(exitCode, 10000)) << "the second copy kept running";
    const DWORD took = GetTickCount() - startedAt;
    EXPECT_EQ(exitCode, 4u);
    RecordProperty("second_start_ms", std::to_string(took));
    std::printf("the second copy ended after %lu ms\n", static_cast<unsigned long>(took));
    EXPECT_TRUE(program_.WaitUntil(
        [&] { return IsIconic(first) == FALSE && GetForegroundWindow() == first; }, 5000))
        << program_.Describe("the first copy did not come to the front");

    // The first copy goes on capturing, and one set of lists reaches the disk.
    CopyAndWait("taken after the second start", 2);
    CloseNormally();
    std::string file;
    ASSERT_TRUE(ReadWholeFile(DataFilePath(), file));
    EXPECT_NE(file.find("taken by the first copy"), std::string::npos);
    EXPECT_NE(file.find("taken after the second start"), std::string::npos);
}

} // namespace
} // namespace qv::e2e
