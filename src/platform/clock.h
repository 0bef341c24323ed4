#pragma once
// UTC time as the schedules see it, and the clocks it is read from.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zenka {

// One UTC instant broken into fields, laid out like the Windows SYSTEMTIME
// (day_of_week counts from Sunday = 0).
struct SystemTime {
    std::uint16_t year = 1970;
    std::uint16_t month = 1;
    std::uint16_t day_of_week = 4;
    std::uint16_t day = 1;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;

    friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// Daytime on the path: the hours 06 to 17 UTC, both included.
constexpr bool daytime(const SystemTime& t) {
    return t.hour >= 6 && t.hour <= 17;
}

using UtcInstant = std::chrono::sys_time<std::chrono::milliseconds>;

SystemTime to_system_time(UtcInstant instant);

// Reads an ISO 8601 time such as "2026-12-08T09:18:07Z", "2026-12-08T09:18:07.250Z" or
// "2026-12-08T10:18:07+01:00" (an offset of +hh:mm, +hhmm or +hh, or - as well) and gives
// it in UTC; a time without Z or an offset is UTC. The fraction has one to three digits.
// Nothing else is accepted.
std::optional<UtcInstant> parse_utc(std::string_view text);

// "2026-12-08T09:18:07.250Z"
std::string format_utc(UtcInstant instant);

// Where the receiver reads the time of day and its millisecond tick count.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual UtcInstant now() const = 0;
    // Milliseconds since an arbitrary start, wrapping at 2^32 like a system tick count.
    virtual std::uint32_t tick_count() const = 0;

    SystemTime utc() const { return to_system_time(now()); }
};

// The machine's own clock.
class SystemClock final : public Clock {
  public:
    UtcInstant now() const override;
    std::uint32_t tick_count() const override;
};

// A clock that stands still until a test moves it. The channel watchers read it
// from their own threads while the test moves it, so its state is atomic.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(UtcInstant instant) : ms_(instant.time_since_epoch().count()) {}
    UtcInstant now() const override { return UtcInstant(std::chrono::milliseconds(ms_.load())); }
    std::uint32_t tick_count() const override { return ticks_.load(); }

    void set(UtcInstant instant) { ms_.store(instant.time_since_epoch().count()); }
    void advance(std::chrono::milliseconds by);

  private:
    std::atomic<std::int64_t> ms_;
    std::atomic<std::uint32_t> ticks_{1000};
};

// Starts at a chosen instant and runs on in real time from there.
class RunningClock final : public Clock {
  public:
    explicit RunningClock(UtcInstant start);
    UtcInstant now() const override;
    std::uint32_t tick_count() const override;

  private:
    UtcInstant start_;
    std::chrono::steady_clock::time_point origin_;
};

} // namespace zenka
