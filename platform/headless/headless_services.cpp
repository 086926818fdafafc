#include "headless_services.h"
#include "headless_gather_write.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qv::platform::headless {

void HeadlessSettings::SetRoot(const std::string& company, const std::string& application) {
    root = "Software\\" + company + "\\" + application;
}

template <class T>
T HeadlessSettings::Get(const std::string& section, const std::string& key,
                        const T& defaultValue) const {
    auto k = keys.find(Path(section));
    if (k == keys.end())
        return defaultValue;
    auto v = k->second.find(key);
    if (v == k->second.end())
        return defaultValue;
    // A value of another type reads as the default, as the registry back end does.
    const T* value = std::get_if<T>(&v->second);
    return value ? *value : defaultValue;
}

int HeadlessSettings::GetInt(const std::string& section, const std::string& key, int defaultValue) {
    return Get(section, key, defaultValue);
}

std::string HeadlessSettings::GetString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue) {
    return Get(section, key, defaultValue);
}

bool HeadlessSettings::Put(const std::string& section, const std::string& key, SettingValue value) {
    if (failWrites)
        return false;
    keys[Path(section)][key] = std::move(value);
    return true;
}

bool HeadlessSettings::WriteInt(const std::string& section, const std::string& key, int value) {
    return Put(section, key, value);
}

bool HeadlessSettings::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value) {
    return Put(section, key, value);
}

bool HeadlessSettings::DeleteValue(const std::string& section, const std::string& key) {
    if (failWrites)
        return false;
    auto k = keys.find(Path(section));
    if (k != keys.end())
        k->second.erase(key);
    return true;
}

HeadlessFileSystem::HeadlessFileSystem() {
    std::string tmpl = (fs::temp_directory_path() / "qv-headless-XXXXXX").string();
    if (!mkdtemp(tmpl.data()))
        std::abort();
    root_ = tmpl;
    // Drive C: exists, as on every Windows machine.
    mkdir((root_ + "/C").c_str(), 0755);
}

HeadlessFileSystem::~HeadlessFileSystem() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

std::string HeadlessFileSystem::HostPath(const std::string& path) const {
    std::string p = root_ + "/";
    for (char c : path) {
        if (c == ':')
            continue;
        p += c == '\\' ? '/' : c;
    }
    while (p.size() > root_.size() + 1 && p.back() == '/')
        p.pop_back();
    return p;
}

bool HeadlessFileSystem::GetAttributes(const std::string& path, bool& isFolder) {
    struct stat st {};
    if (stat(HostPath(path).c_str(), &st) != 0)
        return false;
    isFolder = S_ISDIR(st.st_mode);
    return true;
}

bool HeadlessFileSystem::FindFirst(const std::string& path) {
    bool isFolder = false;
    return GetAttributes(path, isFolder);
}

bool HeadlessFileSystem::CreateFolder(const std::string& path) {
    createdFolders.push_back(path);
    return mkdir(HostPath(path).c_str(), 0755) == 0;
}

bool HeadlessFileSystem::CopyFile(const std::string& from, const std::string& to,
                                  bool failIfExists) {
    std::error_code ec;
    const auto options =
        failIfExists ? fs::copy_options::none : fs::copy_options::overwrite_existing;
    return fs::copy_file(HostPath(from), HostPath(to), options, ec) && !ec;
}

bool HeadlessFileSystem::ReadFile(const std::string& path, std::string& contents) {
    std::ifstream in(HostPath(path), std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    const std::streamoff size = in.tellg();
    if (size < 0)
        return false;
    contents.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    return static_cast<bool>(in.read(contents.data(), size));
}

bool HeadlessFileSystem::ViewFile(const std::string& path,
                                  const std::function<void(std::string_view)>& use) {
    std::string contents;
    if (!ReadFile(path, contents))
        return false;
    use(contents);
    return true;
}

bool HeadlessFileSystem::WriteFile(const std::string& path, const std::string& contents) {
    return WriteFileGather(path, {contents});
}

bool HeadlessFileSystem::WriteFileGather(const std::string& path,
                                         const std::vector<std::string_view>& pieces) {
    ++writeCount;
    if (onWrite)
        onWrite();
    const bool failThis = diskFull || (failNthWrite > 0 && --failNthWrite == 0);
    const std::size_t limit = failThis ? failAfterBytes : std::string::npos;
    return WriteGathered(HostPath(path), pieces, limit) && !failThis;
}

bool HeadlessFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
    return std::rename(HostPath(from).c_str(), HostPath(to).c_str()) == 0;
}

bool HeadlessFileSystem::DeleteFile(const std::string& path) {
    return std::remove(HostPath(path).c_str()) == 0;
}

namespace {
constexpr std::uint64_t kTicksPerSecond = 10000000ULL;
constexpr std::uint64_t kUnixEpochInFileTime = 11644473600ULL * kTicksPerSecond;
} // namespace

bool HeadlessFileSystem::GetLastWriteTime(const std::string& path, FileTime& time) {
    struct stat st {};
    if (stat(HostPath(path).c_str(), &st) != 0)
        return false;
    time = kUnixEpochInFileTime + std::uint64_t(st.st_mtim.tv_sec) * kTicksPerSecond +
           std::uint64_t(st.st_mtim.tv_nsec) / 100;
    return true;
}

bool HeadlessFileSystem::SetLastWriteTime(const std::string& path, FileTime time) {
    const std::uint64_t unixTicks = time - kUnixEpochInFileTime;
    struct timespec times[2];
    times[0].tv_sec = time_t(unixTicks / kTicksPerSecond);
    times[0].tv_nsec = long(unixTicks % kTicksPerSecond) * 100;
    times[1] = times[0];
    return utimensat(AT_FDCWD, HostPath(path).c_str(), times, 0) == 0;
}

FileTime MakeFileTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    const time_t t = timegm(&tm);
    return kUnixEpochInFileTime + std::uint64_t(t) * kTicksPerSecond;
}

bool HeadlessShellFolders::GetFolderPath(int folderId, std::string& path) {
    auto it = folders.find(folderId);
    if (it == folders.end())
        return false;
    path = it->second;
    return true;
}

bool HeadlessClock::FileTimeToLocal(FileTime time, LocalTime& local) const {
    if (time < kUnixEpochInFileTime)
        return false;
    const time_t t = time_t((time - kUnixEpochInFileTime) / kTicksPerSecond);
    std::tm tm{};
    if (!gmtime_r(&t, &tm))
        return false;
    local = LocalTime{std::uint16_t(tm.tm_year + 1900), std::uint16_t(tm.tm_mon + 1),
                      std::uint16_t(tm.tm_wday),        std::uint16_t(tm.tm_mday),
                      std::uint16_t(tm.tm_hour),        std::uint16_t(tm.tm_min),
                      std::uint16_t(tm.tm_sec),         0};
    return true;
}

std::string HeadlessStrings::Load(int id) const {
    auto it = table.find(id);
    return it == table.end() ? std::string() : it->second;
}

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += char16_t(c);
    } else {
        out += char16_t(0xD800 + ((c - 0x10000) >> 10));
        out += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

// Strict decoding: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool DecodeUtf8(const std::string& text, std::u16string& wide) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80                    ? 0
                          : lead >= 0xC2 && lead <= 0xDF ? 1
                          : (lead & 0xF0) == 0xE0        ? 2
                          : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                         : -1;
        if (extra < 0 || text.size() - i <= std::size_t(extra))
            return false;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (c < least[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        AppendUtf16(out, c);
        i += std::size_t(extra) + 1;
    }
    wide = std::move(out);
    return true;
}

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves free stand for the C1 controls.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t FoldCase(char16_t c) {
    const bool asciiUpper = c >= 'A' && c <= 'Z';
    const bool latinUpper = c >= 0xC0 && c <= 0xDE && c != 0xD7;
    return asciiUpper || latinUpper ? char16_t(c + 0x20) : c;
}

} // namespace

std::string HeadlessCodePage::WideToAnsi(const std::u16string& text) const {
    std::string out;
    out.reserve(text.size());
    if (program == Program::Windows1252) {
        for (char16_t c : text)
            out += c < 0x100 ? char(c) : '?';
        return out;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, c >= 0xD800 && c <= 0xDFFF ? kReplacement : c);
        }
    }
    return out;
}

bool HeadlessCodePage::AnsiToWide(const std::string& text, std::u16string& wide) const {
    if (program == Program::Utf8)
        return DecodeUtf8(text, wide);
    wide.assign(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        wide[i] = static_cast<unsigned char>(text[i]);
    return true;
}

std::string HeadlessCodePage::LegacyToAnsi(const std::string& text) const {
    if (program == Program::Windows1252)
        return text;
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        wide += byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t(byte);
    }
    return WideToAnsi(wide);
}

bool HeadlessCodePage::EqualIgnoringCase(const std::string& a, const std::string& b) const {
    if (a == b)
        return true;
    std::u16string wideA, wideB;
    if (!AnsiToWide(a, wideA) || !AnsiToWide(b, wideB) || wideA.size() != wideB.size())
        return false;
    for (std::size_t i = 0; i < wideA.size(); ++i)
        if (FoldCase(wideA[i]) != FoldCase(wideB[i]))
            return false;
    return true;
}

bool HeadlessShell::Open(const std::string& target) {
    return Execute(target, std::string()) == ShellOpenResult::Opened;
}

ShellOpenResult HeadlessShell::Execute(const std::string& target, const std::string& parameters) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        asked.push_back(target);
        this->parameters.push_back(parameters);
    }
    if (whileOpening)
        whileOpening(target);
    std::lock_guard<std::mutex> guard(lock_);
    const auto refusal = refusals.find(target);
    if (refusal != refusals.end())
        return refusal->second;
    if (target.empty() || std::find(failing.begin(), failing.end(), target) != failing.end())
        return ShellOpenResult::Refused;
    opened.push_back(target);
    return ShellOpenResult::Opened;
}

} // namespace qv::platform::headless
