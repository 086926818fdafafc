// The block-scan kernels behind the matchers' start filters: built for different instruction sets,
// they must name exactly the same candidate starts. The matcher-level comparisons with the
// reference run on the kernel this processor gets; this test carries their verdict to the others.
#include "search/scan_kernels.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace qv::match {
namespace {

// Candidates and zero bytes of one piece, as positions in it; last: the text ends with it.
template <class Params>
std::vector<std::size_t> Candidates(std::size_t (*scan)(const Params&, const unsigned char*,
                                                        std::size_t, std::size_t, bool,
                                                        std::uint64_t&),
                                    const Params& params, const std::string& piece,
                                    std::size_t blockStarts, bool last = false) {
    const auto* data = reinterpret_cast<const unsigned char*>(piece.data());
    std::vector<std::size_t> found;
    std::size_t pos = 0;
    while (pos < piece.size()) {
        std::uint64_t bits = 0;
        const std::size_t at = scan(params, data, piece.size(), pos, last, bits);
        if (bits == 0) {
            EXPECT_EQ(at, piece.size());
            break;
        }
        for (std::size_t k = 0; k < 64; ++k)
            if (bits >> k & 1) {
                EXPECT_LT(at + k, piece.size()) << "a candidate beyond the piece";
                EXPECT_GE(at + k, pos) << "a candidate before the scan's first position";
                found.push_back(at + k);
            }
        pos = at + blockStarts;
    }
    return found;
}

class Random {
  public:
    explicit Random(std::uint32_t seed) : rng_(seed) {}
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    std::size_t Index(std::size_t size) {
        return static_cast<std::size_t>(Uniform(0, int(size) - 1));
    }

  private:
    std::mt19937 rng_;
};

constexpr char kBytes[] = {'a', 'b', 'c', 'A', 'B', 'e', ' ', '\n', '\xE1', '\xC1', '@', '`'};

// Random pieces of up to 300 bytes over a few letters, blanks and the odd zero byte, so that
// piece ends fall at every place of a block.
std::string Piece(Random& random) {
    std::string piece(static_cast<std::size_t>(random.Uniform(0, 300)), ' ');
    for (char& c : piece)
        c = random.Uniform(0, 400) == 0 ? '\0' : kBytes[random.Index(sizeof kBytes)];
    return piece;
}

unsigned char Loosened(char c) {
    return static_cast<unsigned char>(static_cast<unsigned char>(c) | 0x20);
}

// The positions s of a piece for which accepts(s) holds, and its zero bytes.
template <class Accepts>
std::vector<std::size_t> Starts(const std::string& piece, const Accepts& accepts) {
    std::vector<std::size_t> starts;
    for (std::size_t s = 0; s < piece.size(); ++s)
        if (piece[s] == '\0' || accepts(s))
            starts.push_back(s);
    return starts;
}

// Whether every kernel's scan (the member of ScanKernel) names exactly the expected starts.
template <class Function, class Params>
::testing::AssertionResult EveryKernelNames(Function ScanKernel::*scan, const Params& params,
                                            const std::string& piece, std::size_t blockStarts,
                                            const std::vector<std::size_t>& expected,
                                            bool last = false) {
    const ScanKernels kernels = AvailableScanKernels();
    for (std::size_t k = 0; k < kernels.count; ++k)
        if (Candidates(kernels.list[k].*scan, params, piece, blockStarts, last) != expected)
            return ::testing::AssertionFailure()
                   << kernels.list[k].name << " differs on piece '" << piece << "'";
    return ::testing::AssertionSuccess();
}

TEST(ScanKernels, PortableKernelIsAlwaysThere) {
    const ScanKernels kernels = AvailableScanKernels();
    ASSERT_GE(kernels.count, 1u);
    EXPECT_STREQ(kernels.list[kernels.count - 1].name, "portable");
    EXPECT_EQ(&ChosenScanKernel(), &kernels.list[0]);
}

// Every kernel names exactly the starts whose bytes are all there, the starts with a byte beyond
// the piece unless the text ends with it, and the zero bytes.
TEST(ScanKernels, BytesScanNamesTheStartsWithTheBytes) {
    Random random(4711);
    for (int n = 0; n < 20000; ++n) {
        const std::string piece = Piece(random);
        BytesScanParams params;
        params.count = random.Uniform(1, BytesScanParams::kMaxBytes);
        for (int k = 0; k < params.count; ++k) {
            params.bytes[k] = Loosened(kBytes[random.Index(6)]);
            params.offsets[k] =
                static_cast<std::size_t>(random.Uniform(0, int(BytesScanParams::kMaxOffset)));
        }
        for (const bool last : {false, true}) {
            const auto hasBytes = [&](std::size_t s) {
                bool all = true;
                bool beyond = false;
                for (int k = 0; k < params.count; ++k) {
                    const std::size_t at = s + params.offsets[k];
                    beyond = beyond || at >= piece.size();
                    all = all && at < piece.size() && Loosened(piece[at]) == params.bytes[k];
                }
                return all || (beyond && !last);
            };
            ASSERT_TRUE(EveryKernelNames(&ScanKernel::bytes, params, piece, kBytesScanBlockStarts,
                                         Starts(piece, hasBytes), last))
                << (last ? "last piece" : "piece followed by more");
        }
    }
}

// Every kernel names exactly the starts where the byte there or the next one is in the set, or the
// next one ends the text (when that fits), the last start (whose next byte may be in a later
// piece), and the zero bytes.
TEST(ScanKernels, NearSetScanNamesTheStartsNearTheBytes) {
    Random random(1234);
    for (int n = 0; n < 20000; ++n) {
        const std::string piece = Piece(random);
        NearSetScanParams params;
        params.count = random.Uniform(0, NearSetScanParams::kMaxBytes);
        for (int k = 0; k < params.count; ++k)
            params.bytes[k] = Loosened(kBytes[random.Index(sizeof kBytes)]);
        params.endFits = random.Uniform(0, 1) == 1;
        const auto inSet = [&](char c) {
            return std::find(params.bytes, params.bytes + params.count, Loosened(c)) !=
                   params.bytes + params.count;
        };
        const auto nearBytes = [&](std::size_t s) {
            return s + 1 == piece.size() || inSet(piece[s]) || inSet(piece[s + 1]) ||
                   (params.endFits && piece[s + 1] == '\0');
        };
        ASSERT_TRUE(EveryKernelNames(&ScanKernel::nearSet, params, piece, kNearSetScanBlockStarts,
                                     Starts(piece, nearBytes)));
    }
}

// Long-word patterns in every form of the typo filter: pair or triple condition, low separation,
// chains of depth 0, 6 and 7.
TEST(ScanKernels, TypoScanIsTheSameOnEveryKernel) {
    const ScanKernels kernels = AvailableScanKernels();
    const TypoScanFunction portable = kernels.list[kernels.count - 1].typo;
    Random random(31337);
    for (int n = 0; n < 20000; ++n) {
        const std::string piece = Piece(random);
        const int width = random.Uniform(4, 5);
        const bool lowSeparation = width == 4 && random.Uniform(0, 1) == 1;
        std::string pattern(static_cast<std::size_t>(random.Uniform(width, 10)), ' ');
        for (char& c : pattern)
            c = kBytes[random.Index(6)];
        if (pattern.size() > 5 && random.Uniform(0, 3) == 0) // a blank cuts the chain short
            pattern[static_cast<std::size_t>(random.Uniform(5, int(pattern.size()) - 1))] = ' ';
        const TypoScanParams params = MakeTypoScanParams(
            reinterpret_cast<const unsigned char*>(pattern.c_str()), width, lowSeparation);

        const std::vector<std::size_t> expected =
            Candidates(portable, params, piece, kTypoScanBlockStarts);
        ASSERT_TRUE(
            EveryKernelNames(&ScanKernel::typo, params, piece, kTypoScanBlockStarts, expected))
            << "pattern '" << pattern << "' width " << width << " low separation " << lowSeparation;
        // Which condition goes first decides only how soon a block is rejected.
        if (params.depth >= width + 2) {
            TypoScanParams otherOrder = params;
            otherOrder.laterFirst = !params.laterFirst;
            ASSERT_TRUE(EveryKernelNames(&ScanKernel::typo, otherOrder, piece, kTypoScanBlockStarts,
                                         expected))
                << "pattern '" << pattern << "' width " << width << " in the other order";
        }
    }
}

// A start near a piece's end reads on into the next piece, which the kernel cannot see: a match
// that runs across the pieces keeps its start, wherever they meet.
TEST(ScanKernels, TypoStartsNearThePieceEndStayCandidates) {
    const auto* pattern = reinterpret_cast<const unsigned char*>("thermostat");
    const TypoScanParams params = MakeTypoScanParams(pattern, 5, false);
    const std::string text = std::string(100, 'x') + "thermostat" + std::string(20, 'x');
    const ScanKernels kernels = AvailableScanKernels();
    for (std::size_t k = 0; k < kernels.count; ++k) {
        for (std::size_t split = 90; split <= 112; ++split) {
            const std::vector<std::size_t> first = Candidates(
                kernels.list[k].typo, params, text.substr(0, split), kTypoScanBlockStarts);
            const std::vector<std::size_t> second =
                Candidates(kernels.list[k].typo, params, text.substr(split), kTypoScanBlockStarts);
            const bool kept =
                split > 100 ? std::find(first.begin(), first.end(), 100) != first.end()
                            : std::find(second.begin(), second.end(), 100 - split) != second.end();
            EXPECT_TRUE(kept) << kernels.list[k].name << " split at " << split;
        }
    }
}

} // namespace
} // namespace qv::match
