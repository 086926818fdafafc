#include "headless/headless_services.h"
#include "history/data_file_backup.h"
#include "history/data_file_save.h"
#include "support/text_fixtures.h"
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace qv {
namespace {

using platform::headless::HeadlessClock;
using platform::headless::HeadlessFileSystem;
using platform::headless::MakeFileTime;

const std::string kFolder = "C:\\data";
const std::string kPath = kFolder + "\\Quorvane.dat";
const std::string kTemp = kPath + ".tmp";
const std::string kBackup = kPath + ".bak";

class DataFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        clock.now = platform::LocalTime{2026, 12, 5, 4, 10, 0, 0, 0}; // Friday 2026-12-04
        fs.CreateFolder("C:"); // the headless drive may exist already
        ASSERT_TRUE(fs.CreateFolder(kFolder));
    }

    bool Exists(const std::string& path) {
        bool isFolder = false;
        return fs.GetAttributes(path, isFolder);
    }

    std::string Contents(const std::string& path) {
        std::string contents;
        EXPECT_TRUE(fs.ReadFile(path, contents)) << path;
        return contents;
    }

    // Puts contents at path as if last written at the given UTC time (the headless clock's
    // local time is UTC).
    void PutFile(const std::string& path, const std::string& contents, int year, int month, int day,
                 int hour = 12) {
        ASSERT_TRUE(fs.WriteFile(path, contents));
        ASSERT_TRUE(fs.SetLastWriteTime(path, MakeFileTime(year, month, day, hour, 0, 0)));
    }

    HeadlessFileSystem fs;
    HeadlessClock clock;
};

using SafeSave = DataFileOnDisk;

TEST_F(SafeSave, ReplacesTheFileAndLeavesNoTemporaryFile) {
    const std::string big = test::MakeText(200000);
    ASSERT_TRUE(fs.WriteFile(kPath, "old contents"));
    EXPECT_TRUE(SaveFileSafely(fs, kPath, big));
    EXPECT_EQ(Contents(kPath), big);
    EXPECT_FALSE(Exists(kTemp));

    // A temporary file left over from an interrupted run is simply overwritten.
    ASSERT_TRUE(fs.WriteFile(kTemp, "stale"));
    EXPECT_TRUE(SaveFileSafely(fs, kPath, "new"));
    EXPECT_EQ(Contents(kPath), "new");
    EXPECT_FALSE(Exists(kTemp));
}

// A file given as pieces: empty ones, single bytes and more of them than one system call takes.
std::vector<std::string_view> ManyPieces(const std::string& text) {
    std::vector<std::string_view> pieces;
    std::size_t at = 0;
    for (std::size_t n = 0; at < text.size(); ++n) {
        const std::size_t length = std::min(n % 7, text.size() - at);
        pieces.push_back(std::string_view(text).substr(at, length));
        at += length;
    }
    return pieces;
}

TEST_F(SafeSave, PiecesBecomeOneFileInOrder) {
    const std::string text = test::HighBytesText() + test::MakeText(20000, 5);
    const std::string big = test::MakeText(300000, 6);
    const struct {
        const char* name;
        std::vector<std::string_view> pieces;
        std::string file;
    } cases[] = {
        {"no pieces", {}, ""},
        {"only empty pieces", {"", ""}, ""},
        {"many small pieces", ManyPieces(text), text},
        {"large and small pieces", {"ab", big, "", "c", big}, "ab" + big + "c" + big},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(fs.WriteFile(kPath, "old contents"));
        EXPECT_TRUE(SaveFileSafely(fs, kPath, c.pieces));
        EXPECT_EQ(Contents(kPath), c.file);
        EXPECT_FALSE(Exists(kTemp));
    }
}

TEST_F(SafeSave, FailedWriteKeepsTheOldFileByteForByte) {
    const std::string old = test::HighBytesText() + test::MakeText(5000);
    const std::string next = test::MakeText(20000, 9);
    const struct {
        const char* name;
        std::function<bool(HeadlessFileSystem&)> save;
    } forms[] = {
        {"one string", [&](HeadlessFileSystem& f) { return SaveFileSafely(f, kPath, next); }},
        {"pieces",
         [&](HeadlessFileSystem& f) { return SaveFileSafely(f, kPath, ManyPieces(next)); }},
    };
    const struct {
        const char* name;
        std::function<void(HeadlessFileSystem&)> fault;
        bool oldFileExists;
    } cases[] = {
        {"first write fails at once", [](HeadlessFileSystem& f) { f.failNthWrite = 1; }, true},
        {"first write fails midway",
         [](HeadlessFileSystem& f) {
             f.failNthWrite = 1;
             f.failAfterBytes = 1000;
         },
         true},
        {"disk full",
         [](HeadlessFileSystem& f) {
             f.diskFull = true;
             f.failAfterBytes = 4096;
         },
         true},
        {"disk full, no file yet",
         [](HeadlessFileSystem& f) {
             f.diskFull = true;
             f.failAfterBytes = 10;
         },
         false},
    };
    for (const auto& form : forms) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << form.name << ", " << c.name);
            fs.DeleteFile(kPath);
            if (c.oldFileExists) {
                ASSERT_TRUE(fs.WriteFile(kPath, old));
            }
            c.fault(fs);
            EXPECT_FALSE(form.save(fs));
            fs.diskFull = false;
            fs.failNthWrite = 0;
            fs.failAfterBytes = 0;
            if (c.oldFileExists)
                EXPECT_EQ(Contents(kPath), old);
            else
                EXPECT_FALSE(Exists(kPath));
            EXPECT_FALSE(Exists(kTemp));
        }
    }
}

TEST_F(SafeSave, FailedReplaceRemovesTheTemporaryFile) {
    // A folder in the file's place cannot be replaced by a file.
    ASSERT_TRUE(fs.CreateFolder(kPath));
    ASSERT_TRUE(fs.CreateFolder(kPath + "\\inside"));
    EXPECT_FALSE(SaveFileSafely(fs, kPath, "bytes"));
    EXPECT_FALSE(Exists(kTemp));
    EXPECT_TRUE(Exists(kPath + "\\inside"));
}

TEST_F(SafeSave, MissingFolderFails) {
    EXPECT_FALSE(SaveFileSafely(fs, "C:\\nowhere\\Quorvane.dat", "bytes"));
    EXPECT_FALSE(Exists("C:\\nowhere"));
}

using DailyBackup = DataFileOnDisk;

TEST_F(DailyBackup, CopiesOnANewDayOrWhenThereIsNoBackup) {
    const struct {
        const char* name;
        int year, month, day, hour;
        bool backupBefore;
        bool copies;
    } cases[] = {
        {"yesterday, older backup", 2026, 12, 3, 23, true, true},
        {"yesterday, no backup", 2026, 12, 3, 12, false, true},
        {"today, backup exists", 2026, 12, 4, 0, true, false},
        {"today, no backup", 2026, 12, 4, 9, false, true},
        {"same day of another month", 2026, 11, 4, 12, true, true},
        {"same date of another year", 2025, 12, 4, 12, true, true},
        {"later date (clock set back)", 2026, 12, 5, 12, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs.DeleteFile(kBackup);
        if (c.backupBefore) {
            ASSERT_TRUE(fs.WriteFile(kBackup, "older backup"));
        }
        PutFile(kPath, "data file", c.year, c.month, c.day, c.hour);
        BackUpDataFile(fs, clock, kPath);
        EXPECT_EQ(Contents(kBackup), c.copies ? "data file" : "older backup");
        EXPECT_EQ(Contents(kPath), "data file");
    }
}

TEST_F(DailyBackup, NoDataFileMakesNoBackup) {
    BackUpDataFile(fs, clock, kPath);
    EXPECT_FALSE(Exists(kBackup));
}

TEST_F(DailyBackup, BackupHoldsTheFileAsItStoodBeforeTheDaysFirstSave) {
    PutFile(kPath, "yesterday's lists", 2026, 12, 3);
    ASSERT_TRUE(fs.WriteFile(kBackup, "the day before's lists"));

    // Each save: back up, write, and the file now carries today's date.
    for (const char* lists : {"first save", "second save", "third save"}) {
        BackUpDataFile(fs, clock, kPath);
        ASSERT_TRUE(SaveFileSafely(fs, kPath, lists));
        ASSERT_TRUE(fs.SetLastWriteTime(kPath, MakeFileTime(2026, 12, 4, 10, 0, 0)));
        EXPECT_EQ(Contents(kBackup), "yesterday's lists");
    }

    // The next day's first save takes the last state of the day before.
    clock.now.day = 5;
    BackUpDataFile(fs, clock, kPath);
    EXPECT_EQ(Contents(kBackup), "third save");
}

} // namespace
} // namespace qv
