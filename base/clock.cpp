#include "base/clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

namespace q700 {
namespace {

class RealClock final : public Clock {
 public:
  uint64_t NowMs() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }

  void Pause(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

  LocalTime Local() override {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &now);
#else
    localtime_r(&now, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
  }
};

// Seconds from 1970-01-01 of a calendar date and time, without any time zone.
long long CalendarSeconds(const std::tm& tm) {
  // Days from the civil date (proleptic Gregorian), as in H. Hinnant's algorithm.
  long long y = tm.tm_year + 1900;
  const int m = tm.tm_mon + 1;
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + tm.tm_mday - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long long days = era * 146097 + doe - 719468;
  return days * 86400 + tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec;
}

}  // namespace

std::string IsoLocalTime(std::time_t moment) {
  std::tm local{};
  std::tm utc{};
#ifdef _WIN32
  localtime_s(&local, &moment);
  gmtime_s(&utc, &moment);
#else
  localtime_r(&moment, &local);
  gmtime_r(&moment, &utc);
#endif
  const long long offset_minutes = (CalendarSeconds(local) - CalendarSeconds(utc)) / 60;
  const int minutes = static_cast<int>(offset_minutes < 0 ? -offset_minutes : offset_minutes);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                offset_minutes < 0 ? '-' : '+', minutes / 60, minutes % 60);
  return text;
}

Clock& SystemClock() {
  static RealClock clock;
  return clock;
}

}  // namespace q700
