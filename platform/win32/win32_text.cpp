#include "win32_text.h"
#include <climits>
#include <string>
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

namespace {

std::wstring Decode(UINT codePage, DWORD flags, const std::string& text, bool& valid) {
    valid = true;
    if (text.empty())
        return std::wstring();
    if (text.size() > std::size_t(INT_MAX)) {
        valid = false;
        return std::wstring();
    }
    const int count = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, flags, text.data(), count, nullptr, 0);
    if (needed <= 0) {
        valid = false;
        return std::wstring();
    }
    std::wstring wide(std::size_t(needed), L'\0');
    const int written =
        MultiByteToWideChar(codePage, flags, text.data(), count, wide.data(), needed);
    wide.resize(written > 0 ? std::size_t(written) : 0);
    return wide;
}

} // namespace

UINT LegacyCodePage() {
    DWORD codePage = 0;
    const int got =
        GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / 2);
    return got > 0 && codePage != 0 ? UINT(codePage) : GetACP();
}

std::wstring ToWide(const std::string& text) {
    bool valid = true;
    return Decode(CP_ACP, 0, text, valid);
}

std::string FromWide(const wchar_t* text, std::size_t length) {
    if (length == 0 || length > std::size_t(INT_MAX))
        return std::string();
    const int count = static_cast<int>(length);
    const int needed = WideCharToMultiByte(CP_ACP, 0, text, count, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string out(std::size_t(needed), '\0');
    const int written =
        WideCharToMultiByte(CP_ACP, 0, text, count, out.data(), needed, nullptr, nullptr);
    out.resize(written > 0 ? std::size_t(written) : 0);
    return out;
}

std::string Win32CodePage::WideToAnsi(const std::u16string& text) const {
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "the platform's wide characters are UTF-16");
    return FromWide(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

bool Win32CodePage::AnsiToWide(const std::string& text, std::u16string& wide) const {
    bool valid = true;
    const std::wstring decoded = Decode(CP_ACP, MB_ERR_INVALID_CHARS, text, valid);
    if (!valid)
        return false;
    wide.assign(reinterpret_cast<const char16_t*>(decoded.data()), decoded.size());
    return true;
}

std::string Win32CodePage::LegacyToAnsi(const std::string& text) const {
    const UINT legacy = LegacyCodePage();
    if (legacy == GetACP())
        return text;
    bool valid = true;
    return FromWide(Decode(legacy, 0, text, valid));
}

bool Win32CodePage::EqualIgnoringCase(const std::string& a, const std::string& b) const {
    // CompareStringA would read the texts in the locale's code page, not the process's UTF-8.
    const std::wstring wideA = ToWide(a), wideB = ToWide(b);
    if (wideA.size() > std::size_t(INT_MAX) || wideB.size() > std::size_t(INT_MAX))
        return false;
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(),
                          static_cast<int>(wideA.size()), wideB.data(),
                          static_cast<int>(wideB.size())) == CSTR_EQUAL;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return std::string();
    std::wstring text(std::size_t(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    return FromWide(text.data(), copied > 0 ? std::size_t(copied) : 0);
}

} // namespace qv::platform::win32
