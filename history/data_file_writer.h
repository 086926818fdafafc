// Builds the bytes of a data file in memory, ready for SaveFileSafely: in one string, or as pieces
// that leave large strings where they lie.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

namespace platform {
class ICodePage;
}

class CDataFilePieces;

// Usage: BeginList, AddEntry for each line, EndList; once for the Main List, then for the Retain
// List. Growing the buffer may throw std::bad_alloc, which the save operation catches at its top.
// A string with any byte from 0x80 up is written in the wide-text form (UTF-16LE, converted
// through the code page), so that a reader in another code page gets every character; ASCII
// strings stay 8-bit, and so does text the code page cannot read (kept byte for byte).
class CDataFileWriter {
  public:
    // Empties buffer and starts it with the version field. The buffer keeps its capacity, so a
    // caller that keeps it from one save to the next writes into memory that is already mapped.
    CDataFileWriter(std::string& buffer, const platform::ICodePage& codePage);
    // Empties pieces and writes into them: ASCII strings of kReferencedFrom bytes or more are
    // referenced where they lie, so each must stay alive and unchanged until the pieces are
    // written. The file's bytes are the same as in one string.
    CDataFileWriter(CDataFilePieces& pieces, const platform::ICodePage& codePage);
    CDataFileWriter(const CDataFileWriter&) = delete;
    CDataFileWriter& operator=(const CDataFileWriter&) = delete;

    // The number of bytes one entry takes in the file when its strings are ASCII (wide ones take
    // more); summing these for ReserveForEntries lets a save size its buffer about once.
    static std::size_t EntrySize(std::string_view rtf, std::string_view listText,
                                 std::string_view overflow);
    // Makes room for entries of this many bytes plus the count fields of both lists.
    void ReserveForEntries(std::size_t entryBytes);

    // Smaller strings are copied: for them the copy costs less than a piece of its own.
    static constexpr std::size_t kReferencedFrom = 1024;

    // Starts a list; its count is filled in by EndList from the entries added in between.
    void BeginList();
    // False, with nothing written, outside BeginList/EndList, when a string is too long for a
    // 32-bit length, or when the list already holds the most entries a count can announce.
    // ListText::Reused: the list text lies in a buffer the caller fills again for the next entry,
    // so it is always copied.
    enum class ListText { Kept, Reused };
    bool AddEntry(std::string_view rtf, std::string_view listText, std::string_view overflow,
                  ListText listTextIs = ListText::Kept);
    void EndList();

  private:
    static constexpr std::size_t kNoList = std::string::npos;

    void AppendString(std::string_view text, bool mayReference);
    void AppendEightBit(std::string_view text);
    void AppendPrefix(std::size_t length);
    // False, with nothing written, when the text is not valid in the code page.
    bool AppendWideString(std::string_view text);

    std::string& bytes_;
    const platform::ICodePage& codePage_;
    CDataFilePieces* pieces_ = nullptr; // null: every string is copied into bytes_
    std::u16string wide_;               // kept between strings for its capacity
    std::size_t countOffset_ = kNoList;
    std::int32_t count_ = 0;
};

} // namespace qv
