// Block scanning for the matchers' start filters, with the widest vectors the processor offers.
// Each kernel is built in its own translation unit with its own code-generation flags; the choice
// among them is made once, at run time.
//
// A scan goes through the blocks of data[pos, size) in order and stops at the first with a bit
// set: a start from pos on that may begin a match, or a zero byte. It returns that block's first
// position (which may lie before pos), with bits (bit k for position block + k); or size, with
// bits 0, once the piece is done. Unless last says the text ends with the piece, it may go on
// (in a later piece), so nothing beyond size rules a start out. Bytes are compared loosened (see
// Loose in text_scan.h).
#pragma once
#include <cstddef>
#include <cstdint>

namespace qv::match {

// The typo matcher's filter for a pattern that begins with a word of four or more characters.
struct TypoScanParams {
    // Chains are followed at most this deep; shorter ones (at least kMinDepth) are cut.
    static constexpr int kMaxDepth = 7;
    static constexpr int kMinDepth = 6;

    int width = 5;              // the quick condition: 4 (pair) or 5 (triple)
    bool lowSeparation = false; // a separation of 1
    int depth = 0;              // characters followed step by step; 0: none
    // The condition two characters on is tested before the first one (only with a depth of at
    // least width + 2).
    bool laterFirst = false;
    // The pattern's first max(width, depth) characters.
    unsigned char chars[kMaxDepth] = {};
};

// width 4: two equalities in a row, valid for every separation; width 5: three, only for a
// separation of 2 or more. The pattern's first width characters are neither blanks nor the end.
TypoScanParams MakeTypoScanParams(const unsigned char* pattern, int width, bool lowSeparation);

// The exact matcher's filter: given bytes at given offsets from the start.
struct BytesScanParams {
    static constexpr int kMaxBytes = 3;
    static constexpr std::size_t kMaxOffset = 15;

    int count = 1; // 1 to kMaxBytes
    unsigned char bytes[kMaxBytes] = {};
    std::size_t offsets[kMaxBytes] = {}; // each at most kMaxOffset
};

// The typo matcher's filter for other patterns of two or more characters: the byte at the start
// or the next one is in a small set, or (endFits) the next one is the end.
struct NearSetScanParams {
    static constexpr int kMaxBytes = 6;

    int count = 0;
    unsigned char bytes[kMaxBytes] = {};
    bool endFits = false;
};

// count (1 to kMaxBytes) bytes, each at most kMaxOffset after the start.
BytesScanParams MakeBytesScanParams(const unsigned char* bytes, const std::size_t* offsets,
                                    int count);

// count bytes with at most kMaxBytes distinct ones once loosened.
NearSetScanParams MakeNearSetScanParams(const unsigned char* bytes, int count, bool endFits);

// Start positions a block covers.
constexpr std::size_t kTypoScanBlockStarts = 48;
constexpr std::size_t kBytesScanBlockStarts = 64;
constexpr std::size_t kNearSetScanBlockStarts = 64;

using TypoScanFunction = std::size_t (*)(const TypoScanParams& params, const unsigned char* data,
                                         std::size_t size, std::size_t pos, bool last,
                                         std::uint64_t& bits);
using BytesScanFunction = std::size_t (*)(const BytesScanParams& params, const unsigned char* data,
                                          std::size_t size, std::size_t pos, bool last,
                                          std::uint64_t& bits);
using NearSetScanFunction = std::size_t (*)(const NearSetScanParams& params,
                                            const unsigned char* data, std::size_t size,
                                            std::size_t pos, bool last, std::uint64_t& bits);

struct ScanKernel {
    const char* name;
    TypoScanFunction typo;
    BytesScanFunction bytes;
    NearSetScanFunction nearSet;
};

// Every kernel this build and processor can run, the fastest first; never empty, the last one
// portable.
struct ScanKernels {
    const ScanKernel* list;
    std::size_t count;
};
ScanKernels AvailableScanKernels();

// The fastest available kernel, chosen on the first call.
const ScanKernel& ChosenScanKernel();

// The vector kernels, each defined in a translation unit of its own (the build leaves out those
// of other processor families).
extern const ScanKernel kSse2ScanKernel;
extern const ScanKernel kAvx2ScanKernel;

} // namespace qv::match
