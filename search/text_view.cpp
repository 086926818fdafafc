#include "search/text_view.h"

namespace qv {

bool TextView::Append(std::string_view piece) {
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

unsigned char TextView::AtLater(std::size_t i) const {
    for (std::size_t k = 1; k < count_; ++k) {
        const Piece& p = pieces_[k];
        if (i >= p.start && i - p.start < p.size)
            return p.data[i - p.start];
    }
    return 0;
}

} // namespace qv
