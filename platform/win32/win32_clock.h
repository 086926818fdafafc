// Local time, calendar time and the milliseconds since the program started.
#pragma once
#include "platform/services.h"

namespace qv::platform::win32 {

class Win32Clock : public IClock {
  public:
    Win32Clock();
    LocalTime Now() const override;
    // Wraps after 49.7 days, as the tick count does; differences stay right across the wrap.
    std::uint32_t MillisecondsSinceStart() const override;
    std::int64_t CalendarSeconds() const override;
    bool FileTimeToLocal(FileTime time, LocalTime& local) const override;

  private:
    std::uint32_t startTicks_;
};

} // namespace qv::platform::win32
