// Reads the bytes of a data file and hands each entry to a sink.
#pragma once
#include <string>
#include <string_view>

namespace qv {

namespace platform {
class ICodePage;
}

enum class DataFileReadResult {
    Ok,           // both lists read
    NewerVersion, // the version is above the one this program writes; the sink was not called
    Corrupt,      // the input ends inside a field, or a string is malformed or cannot be held
    Stopped,      // the sink refused an entry
};

constexpr int kMainListIndex = 0;
constexpr int kRetainListIndex = 1;

// Receives the lists in file order: BeginList(0) is the first call, made right after the version
// is accepted; each BeginList comes before its list's count is read. EndList comes only after
// the list was read completely, so a Corrupt or Stopped read ends without it.
class IDataFileSink {
  public:
    virtual ~IDataFileSink() = default;
    virtual void BeginList(int list) = 0;
    // Entries with an empty list text are dropped before they get here. Returning false stops
    // reading with DataFileReadResult::Stopped.
    virtual bool AddEntry(int list, std::string rtf, std::string listText,
                          std::string overflow) = 0;
    virtual void EndList(int list) = 0;
    // How many entries the list may hold at most, told once its count is read: the count as
    // the file gives it, cut to what the bytes left can hold. A hint for reserving room only.
    virtual void ExpectEntries(int /*list*/, int /*count*/) {}
};

// Every announced length is checked against the bytes that are left before anything is
// allocated, so no input makes the reader hold much more than the input itself (at most three
// bytes of text for each byte read). Wide-text strings are converted to the program's text
// through codePage, and so are 8-bit strings with bytes from 0x80 up, from the locale's own
// ANSI code page. Out of memory while making a string is
// reported as Corrupt; what the sink throws passes through.
DataFileReadResult ReadDataFile(std::string_view bytes, const platform::ICodePage& codePage,
                                IDataFileSink& sink);

} // namespace qv
