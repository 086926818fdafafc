#include "win32_clock.h"
#include "win32_api.h"
#include <ctime>

namespace qv::platform::win32 {

namespace {

LocalTime FromSystemTime(const SYSTEMTIME& t) {
    return LocalTime{t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
                     t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
}

} // namespace

Win32Clock::Win32Clock() : startTicks_(GetTickCount()) {}

LocalTime Win32Clock::Now() const {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return FromSystemTime(now);
}

std::uint32_t Win32Clock::MillisecondsSinceStart() const {
    return GetTickCount() - startTicks_;
}

std::int64_t Win32Clock::CalendarSeconds() const {
    return static_cast<std::int64_t>(std::time(nullptr));
}

bool Win32Clock::FileTimeToLocal(FileTime time, LocalTime& local) const {
    FILETIME utc{};
    utc.dwLowDateTime = static_cast<DWORD>(time & 0xFFFFFFFFu);
    utc.dwHighDateTime = static_cast<DWORD>(time >> 32);
    FILETIME localFileTime{};
    SYSTEMTIME converted{};
    if (!FileTimeToLocalFileTime(&utc, &localFileTime) ||
        !FileTimeToSystemTime(&localFileTime, &converted))
        return false;
    local = FromSystemTime(converted);
    return true;
}

} // namespace qv::platform::win32
