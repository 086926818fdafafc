// A picture of the whole screen, for failure reports.
#pragma once
#include <string>

namespace qv::e2e {

// Saves the screen as a 24-bit BMP file at path; false when it could not.
bool SaveScreenshot(const std::string& path);

} // namespace qv::e2e
