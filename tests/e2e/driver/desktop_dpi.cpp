#include "desktop_dpi.h"
#include "win32/win32_handles.h"

namespace qv::e2e {

namespace {

struct LogPixelsKey {
    HKEY root;
    const char* path;
};
// Wine reads the user's value and the current hardware profile's.
const LogPixelsKey kKeys[2] = {{HKEY_CURRENT_USER, "Control Panel\\Desktop"},
                               {HKEY_CURRENT_CONFIG, "Software\\Fonts"}};
constexpr char kValue[] = "LogPixels";

} // namespace

DesktopDpi::DesktopDpi(DWORD dpi) {
    for (int i = 0; i < 2; ++i) {
        HKEY opened = nullptr;
        if (RegCreateKeyExA(kKeys[i].root, kKeys[i].path, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                            nullptr, &opened, nullptr) != ERROR_SUCCESS) {
            ok_ = false;
            continue;
        }
        const platform::win32::UniqueKey key(opened);
        DWORD size = sizeof saved_[i].value;
        DWORD type = 0;
        saved_[i].present =
            RegQueryValueExA(key.get(), kValue, nullptr, &type,
                             reinterpret_cast<BYTE*>(&saved_[i].value), &size) == ERROR_SUCCESS &&
            type == REG_DWORD;
        ok_ = RegSetValueExA(key.get(), kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                             sizeof dpi) == ERROR_SUCCESS &&
              ok_;
    }
}

DesktopDpi::~DesktopDpi() {
    for (int i = 0; i < 2; ++i) {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(kKeys[i].root, kKeys[i].path, 0, KEY_WRITE, &opened) != ERROR_SUCCESS)
            continue;
        const platform::win32::UniqueKey key(opened);
        if (saved_[i].present)
            RegSetValueExA(key.get(), kValue, 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&saved_[i].value), sizeof(DWORD));
        else
            RegDeleteValueA(key.get(), kValue);
    }
}

} // namespace qv::e2e
