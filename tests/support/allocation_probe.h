// Replaces the global allocation functions of a test program that uses anything declared here:
// they count every allocation and record the largest single request while a probe is active.
#pragma once
#include <cstddef>

namespace qv::test {

// Allocations made so far by the whole program.
long AllocationCount();

// Shows that code does not allocate what a corrupt input announces.
class LargestAllocationProbe {
  public:
    LargestAllocationProbe();
    ~LargestAllocationProbe();
    LargestAllocationProbe(const LargestAllocationProbe&) = delete;
    LargestAllocationProbe& operator=(const LargestAllocationProbe&) = delete;

    std::size_t Largest() const;
};

} // namespace qv::test
