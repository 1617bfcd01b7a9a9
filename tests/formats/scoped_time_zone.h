// Puts the process in a known local time zone for one test and restores the previous
// one after, so that date tests read the same on every machine, under Wine too.
#ifndef FENWIX_TESTS_FORMATS_SCOPED_TIME_ZONE_H
#define FENWIX_TESTS_FORMATS_SCOPED_TIME_ZONE_H

#include <cstdlib>
#include <ctime>
#include <string>

namespace test {

class ScopedTimeZone {
 public:
  // A POSIX zone text such as "UTC0" or "CET-1CEST,M3.5.0,M10.5.0/3". The Windows runtime
  // reads only "tzn[+|-]hh[:mm[:ss]][dzn]" from it, with three-letter names.
  explicit ScopedTimeZone(const std::string& zone) {
    const char* previous = std::getenv("TZ");
    hadPrevious_ = previous != nullptr;
    if (hadPrevious_) previous_ = previous;
    Set(&zone);
  }
  ~ScopedTimeZone() { Set(hadPrevious_ ? &previous_ : nullptr); }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  // The C runtime reads TZ again only when told to.
  static void Set(const std::string* zone) {
#ifdef _WIN32
    // "TZ=" with no value removes the variable.
    _putenv(("TZ=" + (zone ? *zone : std::string())).c_str());
    _tzset();
    // A summer-time name in TZ means one hour ahead. Wine's runtime does not set that
    // shift from TZ; it keeps the one read from the system's own zone, which is none on
    // a machine kept in UTC, and the zone would then have no summer at all.
    if (zone && _daylight) _dstbias = -3600;
#else
    if (zone) setenv("TZ", zone->c_str(), 1);
    else unsetenv("TZ");
    tzset();
#endif
  }

  bool hadPrevious_ = false;
  std::string previous_;
};

}  // namespace test

#endif
