#include "history/data_file_pieces.h"

namespace qv {

void CDataFilePieces::Clear() {
    own_.clear();
    referenced_.clear();
    pieces_.clear();
}

void CDataFilePieces::Reference(std::string_view text) {
    if (!text.empty())
        referenced_.push_back({own_.size(), text});
}

const std::vector<std::string_view>& CDataFilePieces::Pieces() {
    pieces_.clear();
    const std::string_view own(own_);
    std::size_t done = 0;
    for (const Referenced& r : referenced_) {
        if (r.at > done)
            pieces_.push_back(own.substr(done, r.at - done));
        pieces_.push_back(r.text);
        done = r.at;
    }
    if (own.size() > done)
        pieces_.push_back(own.substr(done));
    return pieces_;
}

} // namespace qv
