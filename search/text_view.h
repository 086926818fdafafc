// A read-only text made of up to three consecutive pieces, so that an item's text can be searched
// where it lies instead of being copied together first.
#pragma once
#include <cstddef>
#include <string_view>

namespace qv {

class TextView {
  public:
    static constexpr std::size_t kMaxPieces = 3;

    struct Piece {
        const unsigned char* data = nullptr;
        std::size_t size = 0;
        std::size_t start = 0; // position of data[0] in the whole text
    };

    TextView() = default;
    explicit TextView(std::string_view whole) { Append(whole); }

    // Adds a piece at the end; empty pieces are dropped. Returns false (adding nothing) when all
    // pieces are taken.
    bool Append(std::string_view piece) {
        if (piece.empty())
            return true;
        if (count_ == kMaxPieces)
            return false;
        Piece& p = pieces_[count_++];
        p.data = reinterpret_cast<const unsigned char*>(piece.data());
        p.size = piece.size();
        p.start = size_;
        size_ += piece.size();
        return true;
    }

    std::size_t Size() const { return size_; }
    std::size_t PieceCount() const { return count_; }
    const Piece& PieceAt(std::size_t k) const { return pieces_[k]; }

    // The byte at position i, 0 at and beyond Size(). Like a zero-terminated string, the text
    // ends at its first zero byte for the matchers.
    unsigned char At(std::size_t i) const {
        if (i < pieces_[0].size)
            return pieces_[0].data[i];
        return AtLater(i);
    }

  private:
    unsigned char AtLater(std::size_t i) const;

    Piece pieces_[kMaxPieces];
    std::size_t count_ = 0;
    std::size_t size_ = 0;
};

} // namespace qv
