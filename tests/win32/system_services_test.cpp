// Shell folders from SHFolder.dll, the string table, the elapsed-time clock and the code page.
#include "win32_fixture.h"
#include <gtest/gtest.h>

namespace qv::win32test {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(ShellFolders, PerUserFoldersComeFromTheLibraryLoadedAtRunTime) {
    pw::Win32ShellFolders shell;
    EXPECT_FALSE(shell.HasFolderFunction());
    ASSERT_TRUE(shell.Load());
    ASSERT_TRUE(shell.HasFolderFunction());

    struct Case {
        int id;
        const char* ending;
    } cases[] = {{0x1A, "\\AppData\\Roaming"}, {0x05, "\\Documents"}};
    for (const Case& c : cases) {
        std::string path;
        ASSERT_TRUE(shell.GetFolderPath(c.id, path)) << c.id;
        EXPECT_TRUE(EndsWith(path, c.ending)) << path;
        bool isFolder = false;
        EXPECT_TRUE(TestPlatform().Files().GetAttributes(path, isFolder) && isFolder) << path;
    }
    std::string path = "unchanged";
    EXPECT_FALSE(shell.GetFolderPath(0x7FFF, path));
    EXPECT_EQ(path, "unchanged");

    shell.Unload();
    EXPECT_FALSE(shell.HasFolderFunction());
    EXPECT_FALSE(shell.GetFolderPath(0x1A, path));
}

TEST(StringResources, EveryStringOfTheTableLoadsBack) {
    const struct {
        int id;
        const char* text;
    } rows[] = {
#define QV_STRING(id, text) {id, text},
#include "strings.def"
#undef QV_STRING
    };
    for (const auto& row : rows)
        EXPECT_EQ(TestPlatform().Strings().Load(row.id), row.text) << row.id;
    EXPECT_EQ(TestPlatform().Strings().Load(9999), "");
}

TEST(Clock, ElapsedMillisecondsFollowRealTime) {
    const platform::IClock& clock = TestPlatform().Clock();
    const std::uint32_t before = clock.MillisecondsSinceStart();
    Sleep(200);
    const std::uint32_t elapsed = clock.MillisecondsSinceStart() - before;
    EXPECT_GE(elapsed, 150u);
    EXPECT_LT(elapsed, 5000u);
    EXPECT_GE(clock.Now().year, 2024);
}

TEST(CodePage, TheProgramsCodePageIsUtf8AndTheLocalesStaysLegacy) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)) << "the manifest's UTF-8 code page";
    const platform::ICodePage& page = TestPlatform().CodePage();
    const struct {
        std::u16string wide;
        std::string ansi;
    } cases[] = {
        {u"", ""},
        {u"plain", "plain"},
        {u"caf\u00E9 \u00FF", "caf\xC3\xA9 \xC3\xBF"},
        {u"\u20AC \u4E2D", "\xE2\x82\xAC \xE4\xB8\xAD"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(page.WideToAnsi(c.wide), c.ansi);
        std::u16string back;
        ASSERT_TRUE(page.AnsiToWide(c.ansi, back));
        EXPECT_EQ(back, c.wide);
    }
    std::u16string untouched = u"kept";
    EXPECT_FALSE(page.AnsiToWide("caf\xE9", untouched)) << "not UTF-8";
    EXPECT_EQ(untouched, u"kept");
    // The locale's own code page (Windows-1252 here) reads what older files hold.
    EXPECT_EQ(page.LegacyToAnsi("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(page.LegacyToAnsi("plain"), "plain");
}

} // namespace
} // namespace qv::win32test
