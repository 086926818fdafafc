// The clipboard viewer chain with two of the program's windows, and the format checks.
#include "win32_fixture.h"
#include <cstring>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <tuple>
#include <utility>
#include <vector>

namespace qv::win32test {
namespace {

using platform::WindowRef;

WindowRef RefOf(const pw::Win32Dialog& dialog) {
    return dialog.Handle();
}

TEST(ClipboardChain, TwoViewersPassNoticesAndRepairTheChain) {
    platform::IClipboard& clipboard = TestPlatform().Clipboard();
    RecordingEvents eventsA, eventsB, eventsSource;
    auto a = OpenDialog(eventsA);
    auto b = OpenDialog(eventsB);
    auto source = OpenDialog(eventsSource);
    ASSERT_TRUE(a && b && source);

    WindowRef nextA = 1, nextB = 0;
    ASSERT_TRUE(clipboard.SetViewer(RefOf(*a), nextA)) << "an empty chain is no error";
    EXPECT_EQ(nextA, 0u);
    ASSERT_TRUE(clipboard.SetViewer(RefOf(*b), nextB));
    EXPECT_EQ(nextB, RefOf(*a));
    eventsB.onDrawClipboard = [&](const platform::ClipboardNotice& notice) {
        clipboard.ForwardDrawClipboard(nextB, notice);
    };
    Pump(300);
    eventsA.Take();
    eventsB.Take();

    // Another window changes the clipboard: the first viewer hears it and passes it on.
    ASSERT_TRUE(PutClipboardText(source->Window(), "from another application"));
    Pump(2000, [&] { return eventsA.Saw("drawclipboard"); });
    EXPECT_TRUE(eventsB.Saw("drawclipboard"));
    EXPECT_TRUE(eventsA.Saw("drawclipboard"));

    // A leaves: the first viewer is told which window went and which follows it.
    EXPECT_TRUE(clipboard.ChangeChain(RefOf(*a), nextA));
    EXPECT_TRUE(eventsB.Saw("changecbchain " + std::to_string(RefOf(*a)) + " 0"));

    // A chain change passed on reaches the next viewer unchanged.
    clipboard.ForwardChangeChain(RefOf(*a), 0x10, 0x20);
    EXPECT_TRUE(eventsA.Saw("changecbchain 16 32"));
    clipboard.ChangeChain(RefOf(*b), 0);
}

// A viewer of another program, after the dialog in the chain: it records what reaches it.
struct ParameterRecorder {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_DRAWCLIPBOARD) {
            auto* self =
                reinterpret_cast<ParameterRecorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
            if (self)
                self->received.push_back({wParam, lParam});
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    std::vector<std::pair<WPARAM, LPARAM>> received;
};

TEST(ClipboardChain, NoticesArePassedOnWithTheirParameters) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &ParameterRecorder::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QuorvaneTestParameterRecorder";
    RegisterClassA(&windowClass);
    ParameterRecorder recorder;
    pw::UniqueWindow other(CreateWindowA(windowClass.lpszClassName, "", WS_POPUP, 0, 0, 1, 1,
                                         nullptr, nullptr, windowClass.hInstance, nullptr));
    ASSERT_TRUE(other);
    SetWindowLongPtrA(other.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&recorder));

    RecordingEvents events;
    auto dialog = OpenDialog(events);
    ASSERT_TRUE(dialog);
    platform::IClipboard& clipboard = TestPlatform().Clipboard();
    events.onDrawClipboard = [&](const platform::ClipboardNotice& notice) {
        clipboard.ForwardDrawClipboard(reinterpret_cast<WindowRef>(other.get()), notice);
    };
    SendMessageA(dialog->Window(), WM_DRAWCLIPBOARD, 0x1234, 0x5678);
    SendMessageA(dialog->Window(), WM_DRAWCLIPBOARD, 0, 0);
    EXPECT_EQ(recorder.received,
              (std::vector<std::pair<WPARAM, LPARAM>>{{0x1234, 0x5678}, {0, 0}}));
}

TEST(ClipboardChain, AWindowThatDoesNotExistCannotJoin) {
    WindowRef next = 0;
    EXPECT_FALSE(TestPlatform().Clipboard().SetViewer(0xDEAD00, next));
}

TEST(ClipboardFormats, TextBitmapAndFileListAreToldApart) {
    platform::IClipboard& clipboard = TestPlatform().Clipboard();
    RecordingEvents events;
    auto owner = OpenDialog(events);
    ASSERT_TRUE(owner);
    using platform::ClipFormat;

    ASSERT_TRUE(clipboard.Open(RefOf(*owner)));
    EXPECT_TRUE(clipboard.Empty());
    EXPECT_EQ(clipboard.CountFormats(), 0);
    clipboard.Close();
    EXPECT_FALSE(clipboard.IsFormatAvailable(ClipFormat::Text));

    BITMAPINFOHEADER dib{};
    dib.biSize = sizeof dib;
    dib.biWidth = 1;
    dib.biHeight = 1;
    dib.biPlanes = 1;
    dib.biBitCount = 32;
    unsigned char dibBytes[sizeof dib + 4] = {};
    std::memcpy(dibBytes, &dib, sizeof dib);

    unsigned char dropBytes[sizeof(DROPFILES) + 16] = {};
    reinterpret_cast<DROPFILES*>(dropBytes)->pFiles = sizeof(DROPFILES);
    std::memcpy(dropBytes + sizeof(DROPFILES), "C:\\a.txt\0\0", 10);

    struct Case {
        const char* name;
        UINT format;
        const void* bytes;
        std::size_t size;
        bool text, bitmap, files;
    } cases[] = {
        {"text", CF_TEXT, "words", 6, true, false, false},
        {"Unicode text", CF_UNICODETEXT, L"words", 12, true, false, false},
        {"device-independent bitmap", CF_DIB, dibBytes, sizeof dibBytes, false, true, false},
        {"dropped files", CF_HDROP, dropBytes, sizeof dropBytes, false, false, true},
        {"another format", RegisterClipboardFormatA("Quorvane Test Format"), "x", 1, false, false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(PutClipboardData(owner->Window(), c.format, c.bytes, c.size));
        EXPECT_GE(clipboard.CountFormats(), 1);
        EXPECT_EQ(clipboard.IsFormatAvailable(ClipFormat::Text), c.text);
        EXPECT_EQ(clipboard.IsFormatAvailable(ClipFormat::Bitmap), c.bitmap);
        EXPECT_EQ(clipboard.IsFormatAvailable(ClipFormat::FileList), c.files);
    }
}

// Puts text and one more format holding data, as a password manager marks its clips.
bool PutMarkedText(HWND owner, const char* marker, const void* data, std::size_t size) {
    if (!OpenClipboard(owner))
        return false;
    bool ok = EmptyClipboard() != FALSE;
    for (const auto& [format, bytes, length] :
         {std::tuple<UINT, const void*, std::size_t>{CF_TEXT, "secret", 7},
          {RegisterClipboardFormatA(marker), data, size}}) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, length ? length : 1);
        if (void* target = memory ? GlobalLock(memory) : nullptr) {
            std::memcpy(target, bytes, length);
            GlobalUnlock(memory);
        }
        ok = memory && SetClipboardData(format, memory) && ok;
    }
    CloseClipboard();
    return ok;
}

TEST(ClipboardFormats, PrivateMarkersAreRecognised) {
    platform::IClipboard& clipboard = TestPlatform().Clipboard();
    RecordingEvents events;
    auto owner = OpenDialog(events);
    ASSERT_TRUE(owner);
    const DWORD zero = 0, one = 1;
    const struct {
        const char* marker;
        const void* data;
        std::size_t size;
        bool isPrivate;
    } cases[] = {
        {"ExcludeClipboardContentFromMonitorProcessing", "", 0, true},
        {"Clipboard Viewer Ignore", "", 0, true},
        {"CanIncludeInClipboardHistory", &zero, sizeof zero, true},
        {"CanIncludeInClipboardHistory", &one, sizeof one, false},
        {"CanIncludeInClipboardHistory", "", 0, true}, // unreadable counts as 0
        {"Quorvane Test Format", "x", 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.marker);
        ASSERT_TRUE(PutMarkedText(owner->Window(), c.marker, c.data, c.size));
        EXPECT_EQ(clipboard.IsFormatAvailable(platform::ClipFormat::Private), c.isPrivate);
        EXPECT_TRUE(clipboard.IsFormatAvailable(platform::ClipFormat::Text));
    }
}

TEST(ClipboardFormats, ASessionKeepsTheClipboardOpenForItsScope) {
    RecordingEvents events;
    auto owner = OpenDialog(events);
    ASSERT_TRUE(owner);
    {
        platform::ClipboardSession session(TestPlatform().Clipboard(), RefOf(*owner));
        ASSERT_TRUE(session.IsOpen());
        EXPECT_EQ(GetOpenClipboardWindow(), owner->Window());
    }
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
}

} // namespace
} // namespace qv::win32test
