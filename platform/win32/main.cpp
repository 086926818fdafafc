// The program's entry point: the real platform around the portable program.
#include "win32/win32_platform.h"
#include <new>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        qv::platform::win32::Win32Platform platform;
        return qv::platform::RunProgram(platform);
    } catch (const std::bad_alloc&) {
        MessageBoxA(nullptr, "Out of memory.  Please close another program and try again.",
                    "Quorvane", MB_OK | MB_ICONSTOP);
        return 1;
    } catch (...) {
        // Nothing may leave the entry point as an unhandled exception.
        return 1;
    }
}
