#include "screenshot.h"
#include "win32/win32_handles.h"
#include <vector>

namespace qv::e2e {

namespace {

bool SaveScreenPart(const std::string& path, int left, int top, int width, int height) {
    const platform::win32::WindowDC screen(nullptr);
    if (!screen.get() || width <= 0 || height <= 0)
        return false;
    const HDC memory = CreateCompatibleDC(screen.get());
    if (!memory)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as a BMP file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::win32::UniqueGdiObject bitmap(
        CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool ok = false;
    if (bitmap && bits) {
        const platform::win32::SelectedObject selected(memory, bitmap.get());
        ok = BitBlt(memory, 0, 0, width, height, screen.get(), left, top, SRCCOPY) != FALSE;
    }
    DeleteDC(memory);
    if (!ok)
        return false;

    const DWORD stride = (DWORD(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * DWORD(height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42; // "BM"
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + imageSize;
    info.bmiHeader.biSizeImage = imageSize;
    const platform::win32::UniqueFile file(CreateFileA(
        path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), &header, sizeof header, &written, nullptr) &&
           WriteFile(file.get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
           WriteFile(file.get(), bits, imageSize, &written, nullptr) && written == imageSize;
}

} // namespace

bool SaveScreenshot(const std::string& path) {
    return SaveScreenPart(path, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

bool SaveWindowShot(const std::string& path, HWND window) {
    RECT r{};
    return GetWindowRect(window, &r) &&
           SaveScreenPart(path, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace qv::e2e
