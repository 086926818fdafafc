// Builds the bytes of a data file in memory, ready for SaveFileSafely.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// Usage: BeginList, AddEntry for each line, EndList; once for the Main List, then for the Retain
// List. Growing the buffer may throw std::bad_alloc, which the save operation catches at its top.
class CDataFileWriter {
  public:
    // Empties buffer and starts it with the version field. The buffer keeps its capacity, so a
    // caller that keeps it from one save to the next writes into memory that is already mapped.
    explicit CDataFileWriter(std::string& buffer);
    CDataFileWriter(const CDataFileWriter&) = delete;
    CDataFileWriter& operator=(const CDataFileWriter&) = delete;

    // The exact number of bytes one entry takes in the file; summing these for ReserveForEntries
    // lets a save size its buffer once.
    static std::size_t EntrySize(std::string_view rtf, std::string_view listText,
                                 std::string_view overflow);
    // Makes room for entries of this many bytes plus the count fields of both lists.
    void ReserveForEntries(std::size_t entryBytes);

    // Starts a list; its count is filled in by EndList from the entries added in between.
    void BeginList();
    // False, with nothing written, outside BeginList/EndList, when a string is too long for a
    // 32-bit length, or when the list already holds the most entries a count can announce.
    bool AddEntry(std::string_view rtf, std::string_view listText, std::string_view overflow);
    void EndList();

  private:
    static constexpr std::size_t kNoList = std::string::npos;

    void AppendString(std::string_view text);

    std::string& bytes_;
    std::size_t countOffset_ = kNoList;
    std::int32_t count_ = 0;
};

} // namespace qv
