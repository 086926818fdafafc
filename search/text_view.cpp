#include "search/text_view.h"

namespace qv {

unsigned char TextView::AtLater(std::size_t i) const {
    for (std::size_t k = 1; k < count_; ++k) {
        const Piece& p = pieces_[k];
        if (i >= p.start && i - p.start < p.size)
            return p.data[i - p.start];
    }
    return 0;
}

} // namespace qv
