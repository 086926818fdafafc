// Settings store, files, shell folders, clock, strings and code page of the headless back end.
#pragma once
#include "platform/services.h"
#include "platform/single_instance.h"
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

namespace qv::platform::headless {

// Values keep their registry type, so that a value of the wrong type can be stored by a test.
struct BinaryValue {
    std::vector<unsigned char> bytes;
};
using SettingValue = std::variant<int, std::string, BinaryValue>;

class HeadlessSettings : public ISettingsStore {
  public:
    void SetRoot(const std::string& company, const std::string& application) override;
    int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
    bool WriteInt(const std::string& section, const std::string& key, int value) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) override;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool DeleteValue(const std::string& section, const std::string& key) override;

    // Full key path "Software\<company>\<application>\<section>" -> values.
    std::map<std::string, std::map<std::string, SettingValue>> keys;
    std::string root;
    bool failWrites = false;

  private:
    std::string Path(const std::string& section) const { return root + "\\" + section; }
    template <class T>
    T Get(const std::string& section, const std::string& key, const T& defaultValue) const;
    bool Put(const std::string& section, const std::string& key, SettingValue value);
};

// Real files under a temporary folder: "C:\a\b" lives at <folder>/C/a/b.
class HeadlessFileSystem : public IFileSystem {
  public:
    HeadlessFileSystem();
    ~HeadlessFileSystem() override;
    HeadlessFileSystem(const HeadlessFileSystem&) = delete;
    HeadlessFileSystem& operator=(const HeadlessFileSystem&) = delete;

    bool GetAttributes(const std::string& path, bool& isFolder) override;
    bool FindFirst(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool ReadFile(const std::string& path, std::string& contents) override;
    bool ViewFile(const std::string& path,
                  const std::function<void(std::string_view)>& use) override;
    bool WriteFile(const std::string& path, const std::string& contents) override;
    bool WriteFileGather(const std::string& path,
                         const std::vector<std::string_view>& pieces) override;
    bool ReplaceFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
    bool GetLastWriteTime(const std::string& path, FileTime& time) override;

    std::string HostPath(const std::string& path) const;
    bool SetLastWriteTime(const std::string& path, FileTime time);

    // Fault injection: the n-th following write (1 = the next; WriteFile and WriteFileGather
    // alike) writes only failAfterBytes bytes and fails; diskFull makes every write fail after
    // its first failAfterBytes bytes.
    int failNthWrite = 0;
    std::size_t failAfterBytes = 0;
    bool diskFull = false;
    std::vector<std::string> createdFolders;
    int writeCount = 0;
    // Runs at each write before it writes, e.g. to let time pass during a save.
    std::function<void()> onWrite;

  private:
    std::string root_;
};

class HeadlessShellFolders : public IShellFolders {
  public:
    bool Load() override { return loadable; }
    bool HasFolderFunction() const override { return hasFunction; }
    bool GetFolderPath(int folderId, std::string& path) override;
    void Unload() override { ++unloadCount; }

    bool loadable = true;
    bool hasFunction = true;
    std::map<int, std::string> folders; // folder identifier -> path; missing: the call fails
    int unloadCount = 0;
};

class HeadlessClock : public IClock {
  public:
    LocalTime Now() const override { return now; }
    std::uint32_t MillisecondsSinceStart() const override { return ms; }
    std::int64_t CalendarSeconds() const override { return seconds; }
    bool FileTimeToLocal(FileTime time, LocalTime& local) const override;
    void Advance(std::uint32_t milliseconds) { ms += milliseconds; }

    LocalTime now{2026, 12, 4, 10, 9, 30, 0, 0};
    std::uint32_t ms = 10000;
    std::int64_t seconds = 1796893800;
};

// A string table that the test fills (usually with the program's own strings).
class HeadlessStrings : public IStringResources {
  public:
    std::string Load(int id) const override;
    std::map<int, std::string> table;
};

// The program's code page is Windows-1252 (a system that ignores the manifest's UTF-8) or UTF-8
// (one that honours it); the locale's own code page is Windows-1252 either way. As 1252 it keeps
// the code points below 0x100 as Latin-1 bytes and turns others into '?'.
class HeadlessCodePage : public ICodePage {
  public:
    enum class Program { Windows1252, Utf8 };
    std::string WideToAnsi(const std::u16string& text) const override;
    bool AnsiToWide(const std::string& text, std::u16string& wide) const override;
    std::string LegacyToAnsi(const std::string& text) const override;
    // ASCII letters and the Latin-1 letters compared without case.
    bool EqualIgnoringCase(const std::string& a, const std::string& b) const override;

    Program program = Program::Windows1252;
};

// Records what it was asked to open; targets in failing or refusals do not open. It may be asked
// from any thread; a test reads the records once those threads are done or held.
class HeadlessShell : public IShell {
  public:
    bool Open(const std::string& target) override;
    ShellOpenResult Execute(const std::string& target, const std::string& parameters) override;
    void Beep() override { ++beeps; }
    std::vector<std::string> asked;      // every target asked for, in order
    std::vector<std::string> parameters; // the parameters of each Execute, in order
    std::vector<std::string> opened;     // the ones that opened
    std::vector<std::string> failing;
    // Why Execute fails for a target (failing without an entry here: Refused).
    std::map<std::string, ShellOpenResult> refusals;
    // Runs on the asking thread inside Execute, after the target was recorded: a test can hold
    // the call there as a program that is slow to start would.
    std::function<void(const std::string& target)> whileOpening;
    int beeps = 0;

  private:
    std::mutex lock_;
};

// The copies of the program in a test's session: a test says whether another copy runs.
class HeadlessSingleInstance : public ISingleInstance {
  public:
    InstanceClaim ClaimFirst(const std::string& name) override {
        claimedName = name;
        return otherRunning ? InstanceClaim::OtherRunning : claim;
    }
    bool ActivateFirst() override {
        ++activations;
        return otherRunning;
    }
    void PublishMainWindow(WindowRef window) override { published = window; }

    bool otherRunning = false;
    InstanceClaim claim = InstanceClaim::First; // when no other copy runs
    std::string claimedName;
    int activations = 0;
    WindowRef published = 0;
};

// Converts a calendar date and time (UTC) to a file time, for tests.
FileTime MakeFileTime(int year, int month, int day, int hour, int minute, int second);

} // namespace qv::platform::headless
