// A picture of the whole screen, for failure reports, or of one window.
#pragma once
#include "win32/win32_api.h"
#include <string>

namespace qv::e2e {

// Saves the screen as a 24-bit BMP file at path; false when it could not.
bool SaveScreenshot(const std::string& path);
// Saves the part of the screen that the window covers, frame included.
bool SaveWindowShot(const std::string& path, HWND window);

} // namespace qv::e2e
