// Records the largest single heap request made while a probe is active, to show that a reader
// does not allocate what a corrupt file announces.
#pragma once
#include <cstddef>

namespace qv::test {

class LargestAllocationProbe {
  public:
    LargestAllocationProbe();
    ~LargestAllocationProbe();
    LargestAllocationProbe(const LargestAllocationProbe&) = delete;
    LargestAllocationProbe& operator=(const LargestAllocationProbe&) = delete;

    std::size_t Largest() const;
};

} // namespace qv::test
