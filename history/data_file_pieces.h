// A data file's bytes as pieces to write one after the other, so that large strings go to the
// file from where they lie instead of through a copy.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The writer's own bytes (count fields, prefixes, small and converted strings) with references
// to other strings between them. A referenced string must stay alive and unchanged until the
// pieces are written. Kept from one save to the next, it reuses its memory.
class CDataFilePieces {
  public:
    // The own bytes, which the writer appends to and patches.
    std::string& OwnBytes() { return own_; }
    // Empties both, keeping their capacity.
    void Clear();
    // Puts text into the file at the current end of the own bytes.
    void Reference(std::string_view text);
    // All pieces in file order, none empty. Valid until the next change.
    const std::vector<std::string_view>& Pieces();

  private:
    struct Referenced {
        std::size_t at; // offset into own_: the own bytes before it
        std::string_view text;
    };
    std::string own_;
    // Offsets rather than views into own_, which may still move while it grows.
    std::vector<Referenced> referenced_;
    std::vector<std::string_view> pieces_;
};

} // namespace qv
