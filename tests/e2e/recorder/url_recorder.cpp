// Stands in for the web browser and for a document's application: the end-to-end tier registers
// it as the handler of the http and https schemes and of a file type, and it writes the address
// or file it was asked to open into opened.txt beside itself, in UTF-8.
#include <string>
#include <windows.h>

namespace {

// The arguments after the program's own name, read wide so that a name beyond the system code
// page arrives whole.
std::string Arguments() {
    const wchar_t* line = GetCommandLineW();
    const bool quoted = *line == L'"';
    if (quoted)
        ++line;
    while (*line && (quoted ? *line != L'"' : *line != L' '))
        ++line;
    if (quoted && *line)
        ++line;
    while (*line == L' ')
        ++line;
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1)
        return std::string();
    std::string text(std::size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line, -1, text.data(), bytes, nullptr, nullptr);
    text.resize(std::size_t(bytes) - 1);
    return text;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    std::string file(path, length);
    file.erase(file.find_last_of('\\') + 1);
    file += "opened.txt";
    std::string address = Arguments();
    if (address.size() >= 2 && address.front() == '"' && address.back() == '"')
        address = address.substr(1, address.size() - 2);
    const HANDLE out = CreateFileA(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return 1;
    address += "\n";
    DWORD written = 0;
    const BOOL ok =
        WriteFile(out, address.data(), static_cast<DWORD>(address.size()), &written, nullptr);
    CloseHandle(out);
    return ok ? 0 : 1;
}
