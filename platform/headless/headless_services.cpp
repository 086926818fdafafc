#include "headless_services.h"
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

bool HeadlessFileSystem::WriteFile(const std::string& path, const std::string& contents) {
    ++writeCount;
    if (onWrite)
        onWrite();
    const bool failThis = diskFull || (failNthWrite > 0 && --failNthWrite == 0);
    std::FILE* f = std::fopen(HostPath(path).c_str(), "wb");
    if (!f)
        return false;
    const std::size_t n = failThis ? std::min(failAfterBytes, contents.size()) : contents.size();
    const bool ok = std::fwrite(contents.data(), 1, n, f) == n && std::fflush(f) == 0;
    std::fclose(f);
    return ok && !failThis;
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

std::string HeadlessCodePage::WideToAnsi(const std::u16string& text) const {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text)
        out += c < 0x100 ? char(c) : '?';
    return out;
}

} // namespace qv::platform::headless

namespace qv::platform::headless {

namespace {
unsigned char FoldCase(unsigned char c) {
    const bool asciiUpper = c >= 'A' && c <= 'Z';
    const bool latinUpper = c >= 0xC0 && c <= 0xDE && c != 0xD7;
    return asciiUpper || latinUpper ? static_cast<unsigned char>(c + 0x20) : c;
}
} // namespace

bool HeadlessCodePage::EqualIgnoringCase(const std::string& a, const std::string& b) const {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(static_cast<unsigned char>(a[i])) !=
            FoldCase(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool HeadlessShell::Open(const std::string& target) {
    return Execute(target, std::string()) == ShellOpenResult::Opened;
}

ShellOpenResult HeadlessShell::Execute(const std::string& target, const std::string&) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        asked.push_back(target);
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
