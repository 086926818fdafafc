// Process-wide services: settings store, files, shell folders, time.
#pragma once
#include "platform/types.h"
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::platform {

// Per-user settings under the program's registry branch; sections are sub-keys.
class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;
    // The branch is Software\<company>\<application> of the current user.
    virtual void SetRoot(const std::string& company, const std::string& application) = 0;
    virtual int GetInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    virtual bool WriteInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) = 0;
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Removes a value; true also when there was none.
    virtual bool DeleteValue(const std::string& section, const std::string& key) = 0;
};

// File times are 100-nanosecond ticks as the platform counts them.
using FileTime = std::uint64_t;

class IFileSystem {
  public:
    virtual ~IFileSystem() = default;
    // False when the path does not exist; isFolder tells what it is.
    virtual bool GetAttributes(const std::string& path, bool& isFolder) = 0;
    virtual bool FindFirst(const std::string& path) = 0; // a search finds a first match
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    virtual bool ReadFile(const std::string& path, std::string& contents) = 0;
    // Calls use once with the whole of the file's contents, which stay valid only during the
    // call (they may be mapped rather than copied); false, without calling use, when the file
    // cannot be read.
    virtual bool ViewFile(const std::string& path,
                          const std::function<void(std::string_view)>& use) = 0;
    // Writes the whole of contents to path, flushed to disk; false on any failure.
    virtual bool WriteFile(const std::string& path, const std::string& contents) = 0;
    // The same for contents given as pieces written one after the other; the pieces are only
    // read during the call.
    virtual bool WriteFileGather(const std::string& path,
                                 const std::vector<std::string_view>& pieces) = 0;
    // Replaces to with from in one step (the platform's atomic rename).
    virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
    virtual bool GetLastWriteTime(const std::string& path, FileTime& time) = 0;
};

class IShellFolders {
  public:
    virtual ~IShellFolders() = default;
    // Loads the shell folder library; false when it cannot be loaded.
    virtual bool Load() = 0;
    virtual bool HasFolderFunction() const = 0;
    // Asks for a folder by its identifier; false when the call fails.
    virtual bool GetFolderPath(int folderId, std::string& path) = 0;
    virtual void Unload() = 0;
};

class IClock {
  public:
    virtual ~IClock() = default;
    virtual LocalTime Now() const = 0;
    virtual std::uint32_t MillisecondsSinceStart() const = 0;
    virtual std::int64_t CalendarSeconds() const = 0;
    // A file time in local time; false when it cannot be converted.
    virtual bool FileTimeToLocal(FileTime time, LocalTime& local) const = 0;
};

class IStringResources {
  public:
    virtual ~IStringResources() = default;
    virtual std::string Load(int id) const = 0; // empty when missing
};

} // namespace qv::platform

namespace qv::platform {

// Conversions between the program's ANSI code page (UTF-8 where the system allows it) and UTF-16.
class ICodePage {
  public:
    virtual ~ICodePage() = default;
    // Unmappable characters become the platform's default character.
    virtual std::string WideToAnsi(const std::u16string& text) const = 0;
    // False, with wide untouched, when text is not valid in the program's code page.
    virtual bool AnsiToWide(const std::string& text, std::u16string& wide) const = 0;
    // Text in the locale's own ANSI code page, as files written before the program used UTF-8
    // hold it, in the program's code page; unchanged when the two are the same.
    virtual std::string LegacyToAnsi(const std::string& text) const = 0;
    // Equal texts when case is ignored as the platform's list boxes ignore it.
    virtual bool EqualIgnoringCase(const std::string& a, const std::string& b) const = 0;
};

// What the shell made of a request to open something; Refused covers every other reason.
enum class ShellOpenResult {
    Opened,
    FileNotFound,
    AccessDenied,
    OutOfMemory,
    NoAssociation,
    Refused
};

// The shell: opening documents and addresses, and the default beep.
class IShell {
  public:
    virtual ~IShell() = default;
    // Asks the shell to open target (a file, folder or address); false when it could not.
    virtual bool Open(const std::string& target) = 0;
    // The same with command-line parameters for what opens (none when empty), telling why it
    // failed. It may take long (a program that starts slowly) and may run on any thread.
    virtual ShellOpenResult Execute(const std::string& target, const std::string& parameters) = 0;
    virtual void Beep() = 0;
};

} // namespace qv::platform
