// The typo matcher's start filter for patterns that begin with a word of four or more
// characters: a quick condition on the first four or five characters and on as many two
// characters on (typo_conditions.h), then the first characters followed step by step; run by the
// fastest block-scan kernel (scan_kernels.h).
#pragma once
#include "search/scan_kernels.h"

namespace qv::match {

class TypoChainFilter {
  public:
    static constexpr std::size_t kBlockStarts = kTypoScanBlockStarts;

    // See MakeTypoScanParams.
    TypoChainFilter(const unsigned char* pattern, int width, bool lowSeparation)
        : params_(MakeTypoScanParams(pattern, width, lowSeparation)),
          scan_(ChosenScanKernel().typo) {}

    // See scan_kernels.h.
    std::size_t ScanBlocks(const unsigned char* data, std::size_t size, std::size_t pos,
                           std::uint64_t& bits) const {
        return scan_(params_, data, size, pos, bits);
    }

  private:
    TypoScanParams params_;
    TypoScanFunction scan_;
};

} // namespace qv::match
