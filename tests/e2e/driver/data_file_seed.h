// A data file as the program writes it, for tests that start the program on stored items.
#pragma once
#include <string>

namespace qv::e2e {

// A data file with the given format version whose History list holds items lines "stored item
// 0", "stored item 1", ... and whose Retain List is empty.
std::string MakeDataFile(int version, int items);

// Leaves only the given data file of the user data behind (the program must not be running).
bool SeedDataFile(const std::string& bytes);

} // namespace qv::e2e
