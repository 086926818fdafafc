#include "win32_text.h"
#include <climits>
#include <vector>

namespace qv::platform::win32 {

std::string Win32Strings::Load(int id) const {
    // A string resource holds at most 65535 characters; grow until the text fits.
    std::vector<char> buffer(1024);
    for (;;) {
        const int length = LoadStringA(instance_, static_cast<UINT>(id), buffer.data(),
                                       static_cast<int>(buffer.size()));
        if (length <= 0)
            return std::string();
        if (std::size_t(length) + 1 < buffer.size() || buffer.size() > 65536)
            return std::string(buffer.data(), std::size_t(length));
        buffer.resize(buffer.size() * 4);
    }
}

std::string Win32CodePage::WideToAnsi(const std::u16string& text) const {
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "the platform's wide characters are UTF-16");
    if (text.empty() || text.size() > std::size_t(INT_MAX))
        return std::string();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int count = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_ACP, 0, wide, count, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string out(std::size_t(needed), '\0');
    const int written =
        WideCharToMultiByte(CP_ACP, 0, wide, count, out.data(), needed, nullptr, nullptr);
    out.resize(written > 0 ? std::size_t(written) : 0);
    return out;
}

bool Win32CodePage::EqualIgnoringCase(const std::string& a, const std::string& b) const {
    if (a.size() > std::size_t(INT_MAX) || b.size() > std::size_t(INT_MAX))
        return false;
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                          static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return std::string();
    std::string text(std::size_t(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? std::size_t(copied) : 0);
    return text;
}

} // namespace qv::platform::win32
