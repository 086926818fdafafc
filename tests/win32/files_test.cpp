// Files and folders on the real file system: exact contents, the replacing rename, copies, and
// the file times the program compares.
#include "win32_fixture.h"
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace qv::win32test {
namespace {

class Files : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qv-files-" + std::to_string(GetCurrentProcessId()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    }
    void TearDown() override {
        WIN32_FIND_DATAA found{};
        const HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string path = folder_ + "\\" + found.cFileName;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryA(path.c_str());
                else
                    DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder_.c_str());
    }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::string Read(const std::string& name) {
        std::string contents;
        EXPECT_TRUE(files_.ReadFile(Path(name), contents)) << name;
        return contents;
    }
    std::string View(const std::string& name) {
        std::string seen;
        int calls = 0;
        EXPECT_TRUE(files_.ViewFile(Path(name), [&](std::string_view bytes) {
            seen.assign(bytes.data(), bytes.size());
            ++calls;
        })) << name;
        EXPECT_EQ(calls, 1) << name;
        return seen;
    }
    pw::Win32Files files_;
    std::string folder_;
};

TEST_F(Files, WriteAndReadBackEveryByte) {
    std::string binary("with\0zero\r\nand line ends", 24);
    for (int c = 0x80; c <= 0xFF; ++c)
        binary += static_cast<char>(c);
    for (const std::string& contents : {binary, std::string(), std::string(3 << 20, 'q')}) {
        ASSERT_TRUE(files_.WriteFile(Path("data.dat"), contents));
        EXPECT_EQ(Read("data.dat"), contents);
        EXPECT_EQ(View("data.dat"), contents);
        // A viewed file is let go at once: a save can replace it.
        ASSERT_TRUE(files_.WriteFile(Path("data.tmp"), "next"));
        ASSERT_TRUE(files_.ReplaceFile(Path("data.tmp"), Path("data.dat")));
        EXPECT_EQ(Read("data.dat"), "next");
    }
    // A shorter write leaves nothing of the longer file behind.
    ASSERT_TRUE(files_.WriteFile(Path("data.dat"), "short"));
    EXPECT_EQ(Read("data.dat"), "short");
}

// A file written from pieces: small ones gathered, large ones written where they lie.
TEST_F(Files, WriteFromPiecesGivesEveryByteInOrder) {
    std::string binary("with\0zero\r\nand line ends", 24);
    for (int c = 0x80; c <= 0xFF; ++c)
        binary += static_cast<char>(c);
    const std::string large(3 << 20, 'q'); // beyond the staging room
    std::string nearlyFull((1 << 20) - 1, 'n');
    nearlyFull[0] = 'N';
    std::vector<std::string_view> many;
    for (std::size_t i = 0; i < 5000; ++i)
        many.push_back(std::string_view(binary).substr(i % binary.size(), 1 + i % 3));
    const struct {
        const char* name;
        std::vector<std::string_view> pieces;
    } cases[] = {
        {"no pieces", {}},
        {"only empty pieces", {"", ""}},
        {"one piece", {binary}},
        {"small, large, small", {binary, large, "", binary}},
        {"small pieces filling the staging room", {nearlyFull, "ab", nearlyFull, binary}},
        {"many small pieces", many},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string expected;
        for (std::string_view piece : c.pieces)
            expected.append(piece.data(), piece.size());
        ASSERT_TRUE(files_.WriteFile(Path("data.dat"), "longer contents than some cases"));
        ASSERT_TRUE(files_.WriteFileGather(Path("data.dat"), c.pieces));
        EXPECT_TRUE(Read("data.dat") == expected); // not printed: megabytes
    }
}

TEST_F(Files, FailuresAreReportedAndChangeNothing) {
    std::string contents = "unchanged";
    EXPECT_FALSE(files_.ReadFile(Path("missing.dat"), contents));
    EXPECT_EQ(contents, "unchanged");
    bool used = false;
    EXPECT_FALSE(files_.ViewFile(Path("missing.dat"), [&](std::string_view) { used = true; }));
    EXPECT_FALSE(files_.ViewFile(folder_, [&](std::string_view) { used = true; }));
    EXPECT_FALSE(used);
    EXPECT_FALSE(files_.WriteFile(Path("no folder\\data.dat"), "x"));
    EXPECT_FALSE(files_.WriteFile(folder_, "a folder is no file"));
    EXPECT_FALSE(files_.WriteFileGather(Path("no folder\\data.dat"), {"x", "y"}));
    EXPECT_FALSE(files_.WriteFileGather(folder_, {"a folder ", "is no file"}));
    EXPECT_FALSE(files_.DeleteFile(Path("missing.dat")));
}

TEST_F(Files, ReplaceFileSwapsInTheNewContents) {
    ASSERT_TRUE(files_.WriteFile(Path("Quorvane.dat"), "old contents"));
    ASSERT_TRUE(files_.WriteFile(Path("Quorvane.tmp"), "new contents"));
    ASSERT_TRUE(files_.ReplaceFile(Path("Quorvane.tmp"), Path("Quorvane.dat")));
    EXPECT_EQ(Read("Quorvane.dat"), "new contents");
    EXPECT_FALSE(files_.FindFirst(Path("Quorvane.tmp")));

    // Without a target it is a plain rename; without a source it fails and keeps the target.
    ASSERT_TRUE(files_.WriteFile(Path("first.tmp"), "first"));
    ASSERT_TRUE(files_.ReplaceFile(Path("first.tmp"), Path("first.dat")));
    EXPECT_EQ(Read("first.dat"), "first");
    EXPECT_FALSE(files_.ReplaceFile(Path("missing.tmp"), Path("Quorvane.dat")));
    EXPECT_EQ(Read("Quorvane.dat"), "new contents");
}

TEST_F(Files, AFolderNamedBeyondTheLegacyCodePageWorks) {
    // A user folder such as C:\users\J\u00FCrgen \u65E5\u672C, in the program's UTF-8.
    const std::string sub = Path("J\xC3\xBCrgen \xE6\x97\xA5\xE6\x9C\xAC");
    ASSERT_TRUE(files_.CreateFolder(sub));
    bool isFolder = false;
    ASSERT_TRUE(files_.GetAttributes(sub, isFolder));
    EXPECT_TRUE(isFolder);
    WIN32_FIND_DATAW found{};
    const std::wstring wideSub = pw::ToWide(sub);
    const HANDLE search = FindFirstFileW(wideSub.c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_EQ(std::wstring(found.cFileName), L"J\u00FCrgen \u65E5\u672C") << "named exactly";

    const std::string data = sub + "\\Quorvane.dat", temp = sub + "\\Quorvane.tmp";
    ASSERT_TRUE(files_.WriteFile(temp, "contents"));
    ASSERT_TRUE(files_.ReplaceFile(temp, data));
    ASSERT_TRUE(files_.CopyFile(data, data + ".bak", false));
    std::string contents;
    ASSERT_TRUE(files_.ReadFile(data + ".bak", contents));
    EXPECT_EQ(contents, "contents");
    platform::FileTime time = 0;
    EXPECT_TRUE(files_.GetLastWriteTime(data, time));
    EXPECT_TRUE(files_.FindFirst(data));
    EXPECT_TRUE(files_.DeleteFile(data));
    EXPECT_TRUE(files_.DeleteFile(data + ".bak"));
    EXPECT_TRUE(RemoveDirectoryW(wideSub.c_str()));
}

TEST_F(Files, CopyHonoursFailIfExists) {
    ASSERT_TRUE(files_.WriteFile(Path("old.dat"), "from the documents folder"));
    ASSERT_TRUE(files_.CopyFile(Path("old.dat"), Path("new.dat"), true));
    EXPECT_EQ(Read("new.dat"), "from the documents folder");
    EXPECT_EQ(Read("old.dat"), "from the documents folder") << "the original stays";

    ASSERT_TRUE(files_.WriteFile(Path("new.dat"), "kept"));
    EXPECT_FALSE(files_.CopyFile(Path("old.dat"), Path("new.dat"), true));
    EXPECT_EQ(Read("new.dat"), "kept");
    EXPECT_TRUE(files_.CopyFile(Path("old.dat"), Path("new.dat"), false));
    EXPECT_EQ(Read("new.dat"), "from the documents folder");
}

TEST_F(Files, AttributesSearchesAndFolders) {
    ASSERT_TRUE(files_.WriteFile(Path("file.dat"), "x"));
    struct Case {
        std::string path;
        bool exists;
        bool isFolder;
    } cases[] = {
        {Path("file.dat"), true, false},
        {folder_, true, true},
        {Path("missing"), false, false},
        {"C:\\", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        bool isFolder = !c.isFolder;
        EXPECT_EQ(files_.GetAttributes(c.path, isFolder), c.exists);
        if (c.exists) {
            EXPECT_EQ(isFolder, c.isFolder);
        }
    }
    EXPECT_TRUE(files_.FindFirst(Path("file.dat")));
    EXPECT_TRUE(files_.FindFirst(Path("*.dat")));
    EXPECT_FALSE(files_.FindFirst(Path("*.bak")));

    EXPECT_TRUE(files_.CreateFolder(Path("sub")));
    EXPECT_FALSE(files_.CreateFolder(Path("sub"))) << "it exists";
    EXPECT_FALSE(files_.CreateFolder(Path("missing\\sub"))) << "one level at a time";
    EXPECT_TRUE(files_.DeleteFile(Path("file.dat")));
}

TEST_F(Files, LastWriteTimeIsTheFilesOwn) {
    ASSERT_TRUE(files_.WriteFile(Path("dated.dat"), "x"));
    // 29 February 2020, 12:34:56 UTC.
    const SYSTEMTIME when{2020, 2, 6, 29, 12, 34, 56, 0};
    FILETIME stamp{};
    ASSERT_TRUE(SystemTimeToFileTime(&when, &stamp));
    const HANDLE file = CreateFileA(Path("dated.dat").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &stamp));
    CloseHandle(file);

    platform::FileTime time = 0;
    ASSERT_TRUE(files_.GetLastWriteTime(Path("dated.dat"), time));
    EXPECT_EQ(time, (platform::FileTime(stamp.dwHighDateTime) << 32) | stamp.dwLowDateTime);
    EXPECT_FALSE(files_.GetLastWriteTime(Path("missing.dat"), time));

    // The conversion to local time agrees with the platform's own time zone rules.
    platform::LocalTime local;
    ASSERT_TRUE(TestPlatform().Clock().FileTimeToLocal(time, local));
    SYSTEMTIME expected{};
    ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &when, &expected));
    EXPECT_EQ(local.year, expected.wYear);
    EXPECT_EQ(local.month, expected.wMonth);
    EXPECT_EQ(local.day, expected.wDay);
    EXPECT_EQ(local.dayOfWeek, expected.wDayOfWeek);
    EXPECT_EQ(local.hour, expected.wHour);
    EXPECT_EQ(local.minute, 34);
    EXPECT_EQ(local.second, 56);
}

TEST_F(Files, AFreshWriteIsDatedNow) {
    FILETIME before{};
    GetSystemTimeAsFileTime(&before);
    ASSERT_TRUE(files_.WriteFile(Path("fresh.dat"), "x"));
    platform::FileTime time = 0;
    ASSERT_TRUE(files_.GetLastWriteTime(Path("fresh.dat"), time));
    const platform::FileTime start =
        (platform::FileTime(before.dwHighDateTime) << 32) | before.dwLowDateTime;
    constexpr platform::FileTime kTenSeconds = 10ull * 10000000ull;
    EXPECT_GE(time + kTenSeconds, start);
    EXPECT_LE(time, start + kTenSeconds);

    // The clock's local time and the converted file time tell the same minute.
    platform::LocalTime fileLocal;
    ASSERT_TRUE(TestPlatform().Clock().FileTimeToLocal(time, fileLocal));
    const platform::LocalTime now = TestPlatform().Clock().Now();
    EXPECT_EQ(fileLocal.year, now.year);
    EXPECT_EQ(fileLocal.day, now.day);
    EXPECT_NEAR(fileLocal.hour * 60 + fileLocal.minute, now.hour * 60 + now.minute, 1);
}

} // namespace
} // namespace qv::win32test
