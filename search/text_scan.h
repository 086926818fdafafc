// Fast skipping over start positions that cannot begin a match. A filter is a necessary
// condition on the bytes at and just after a start position, derived from the pattern's first
// characters; a block-scan kernel (scan_kernels.h) tests many positions at a time, and only the
// positions a filter accepts get the matcher's full step-by-step test.
#pragma once
#include "search/scan_kernels.h"
#include "search/text_view.h"
#include <cstddef>
#include <cstdint>

namespace qv::match {

// Filters only narrow the start positions, so they may accept more than the matcher would: a
// probe compares bytes with bit 0x20 set on both sides, which folds ASCII letter case with one
// operation (and also pairs a few other bytes, such as '@' with '`' or the zero byte with space).
inline unsigned char Loose(unsigned char c) {
    return static_cast<unsigned char>(c | 0x20);
}

// A filter offers kBlockStarts and ScanBlocks(data, size, pos, last, bits), which scans one piece
// as described in scan_kernels.h.

// Accepts every position.
struct AnyStart {
    static constexpr std::size_t kBlockStarts = 64;
    std::size_t ScanBlocks(const unsigned char*, std::size_t size, std::size_t pos, bool,
                           std::uint64_t& bits) const {
        if (pos >= size) {
            bits = 0;
            return size;
        }
        bits =
            size - pos >= kBlockStarts ? ~std::uint64_t{0} : (std::uint64_t{1} << (size - pos)) - 1;
        return pos;
    }
};

// A filter whose blocks a kernel of scan_kernels.h scans with the given parameters.
template <class Params, std::size_t kStarts> class KernelFilter {
  public:
    using Function = std::size_t (*)(const Params& params, const unsigned char* data,
                                     std::size_t size, std::size_t pos, bool last,
                                     std::uint64_t& bits);
    static constexpr std::size_t kBlockStarts = kStarts;

    KernelFilter(const Params& params, Function scan) : params_(params), scan_(scan) {}

    std::size_t ScanBlocks(const unsigned char* data, std::size_t size, std::size_t pos, bool last,
                           std::uint64_t& bits) const {
        return scan_(params_, data, size, pos, last, bits);
    }

  private:
    Params params_;
    Function scan_;
};

// Positions s with given bytes at given offsets from s.
inline KernelFilter<BytesScanParams, kBytesScanBlockStarts>
OffsetBytesFilter(const BytesScanParams& params) {
    return {params, ChosenScanKernel().bytes};
}
inline KernelFilter<BytesScanParams, kBytesScanBlockStarts>
OffsetBytesFilter(const unsigned char* bytes, const std::size_t* offsets, int count) {
    return OffsetBytesFilter(MakeBytesScanParams(bytes, offsets, count));
}

// Positions s where the byte at s or at s + 1 is one of a few, or, when endFits, where the byte
// after s is the end.
inline KernelFilter<NearSetScanParams, kNearSetScanBlockStarts>
NearSetFilter(const unsigned char* bytes, int count, bool endFits) {
    return {MakeNearSetScanParams(bytes, count, endFits), ChosenScanKernel().nearSet};
}

// The typo matcher's filter for a pattern that begins with a word of four or more characters.
inline KernelFilter<TypoScanParams, kTypoScanBlockStarts>
TypoChainFilter(const unsigned char* pattern, int width, bool lowSeparation) {
    return {MakeTypoScanParams(pattern, width, lowSeparation), ChosenScanKernel().typo};
}

// A text in one piece, addressed from its start; reads as the end beyond its size.
struct ContiguousText {
    const unsigned char* data;
    std::size_t size;
    unsigned char At(std::size_t i) const { return i < size ? data[i] : 0; }
};

// Yields, in increasing order, the start positions a filter accepts, up to the end of the text
// (its first zero byte, or Size()). Keeps the remaining hits of the last block, so that dense
// candidates do not make it scan a block again.
template <class Filter> class StartScanner {
  public:
    StartScanner(const TextView& text, const Filter& filter) : text_(text), filter_(filter) {}

    // The next accepted position; false once the end is reached (see End()).
    bool Next(std::size_t& s) {
        for (;;) {
            if (bits_ != 0) {
                const unsigned k = static_cast<unsigned>(__builtin_ctzll(bits_));
                bits_ &= bits_ - 1;
                if (block_[k] == 0)
                    return Stop(blockStart_ + k);
                s = blockStart_ + k;
                return true;
            }
            if (piece_ == text_.PieceCount())
                return Stop(text_.Size());
            const TextView::Piece& piece = text_.PieceAt(piece_);
            std::uint64_t bits = 0;
            const bool last = piece_ + 1 == text_.PieceCount();
            const std::size_t at = filter_.ScanBlocks(piece.data, piece.size, pos_, last, bits);
            if (bits != 0) {
                bits_ = bits;
                block_ = piece.data + at;
                blockStart_ = piece.start + at;
                pos_ = at + Filter::kBlockStarts;
            } else {
                ++piece_;
                pos_ = 0;
            }
        }
    }

    // Where the text ends; valid once Next() has returned false.
    std::size_t End() const { return end_; }

  private:
    bool Stop(std::size_t end) {
        end_ = end;
        bits_ = 0;
        piece_ = text_.PieceCount();
        return false;
    }

    const TextView& text_;
    const Filter filter_; // a copy, so that no store of the scanner's can touch it
    std::size_t piece_ = 0;
    std::size_t pos_ = 0;
    const unsigned char* block_ = nullptr;
    std::size_t blockStart_ = 0;
    std::uint64_t bits_ = 0; // bit k for blockStart_ + k
    std::size_t end_ = 0;
};

// Runs test(text, s) on the cheapest form of the text: start positions in the last piece see
// nothing else, so they read that piece directly.
template <class Test> bool AtStart(const TextView& text, std::size_t s, const Test& test) {
    const TextView::Piece& last = text.PieceAt(text.PieceCount() - 1);
    if (s >= last.start)
        return test(ContiguousText{last.data, last.size}, s - last.start);
    return test(text, s);
}

} // namespace qv::match
