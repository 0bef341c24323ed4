#include "platform/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace zenka {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

UtcInstant make_instant(year_month_day date, int h, int m, int s, int ms) {
    return sys_days{date} + hours{h} + minutes{m} + seconds{s} + milliseconds{ms};
}

SystemTime fields(int year, int month, int day_of_week, int day, int hour, int minute, int second,
                  int ms) {
    SystemTime t;
    t.year = static_cast<std::uint16_t>(year);
    t.month = static_cast<std::uint16_t>(month);
    t.day_of_week = static_cast<std::uint16_t>(day_of_week);
    t.day = static_cast<std::uint16_t>(day);
    t.hour = static_cast<std::uint16_t>(hour);
    t.minute = static_cast<std::uint16_t>(minute);
    t.second = static_cast<std::uint16_t>(second);
    t.milliseconds = static_cast<std::uint16_t>(ms);
    return t;
}

// ---------------------------------------------------------------------------
// Breaking an instant into fields

TEST(UtcFieldsTest, AllFieldsOfAnOrdinaryInstant) {
    // 2026-12-08 is a Tuesday.
    EXPECT_EQ(to_system_time(make_instant(2026y / 12 / 8, 9, 18, 7, 250)),
              fields(2026, 12, 2, 8, 9, 18, 7, 250));
}

TEST(UtcFieldsTest, EpochIsAThursday) {
    EXPECT_EQ(to_system_time(UtcInstant{}), fields(1970, 1, 4, 1, 0, 0, 0, 0));
    EXPECT_EQ(to_system_time(UtcInstant{}), SystemTime{});
}

TEST(UtcFieldsTest, DayOfWeekCountsFromSunday) {
    // 2026-12-06 is a Sunday; the week that follows runs 0 .. 6.
    for (int i = 0; i < 7; ++i) {
        const auto date = year_month_day{sys_days{2026y / 12 / 6} + days{i}};
        const SystemTime t = to_system_time(make_instant(date, 12, 0, 0, 0));
        EXPECT_EQ(t.day_of_week, i) << "2026-12-" << 6 + i;
        EXPECT_EQ(t.day, 6 + i);
    }
}

TEST(UtcFieldsTest, LeapDay) {
    EXPECT_EQ(to_system_time(make_instant(2024y / 2 / 29, 23, 59, 59, 999)),
              fields(2024, 2, 4, 29, 23, 59, 59, 999));
    EXPECT_EQ(to_system_time(make_instant(2024y / 2 / 29, 23, 59, 59, 999) + 1ms),
              fields(2024, 3, 5, 1, 0, 0, 0, 0));
    EXPECT_EQ(to_system_time(make_instant(2000y / 2 / 29, 6, 0, 0, 0)),
              fields(2000, 2, 2, 29, 6, 0, 0, 0));
}

TEST(UtcFieldsTest, YearEndRollsIntoNewYear) {
    const UtcInstant last = make_instant(2024y / 12 / 31, 23, 59, 59, 999);
    EXPECT_EQ(to_system_time(last), fields(2024, 12, 2, 31, 23, 59, 59, 999));
    EXPECT_EQ(to_system_time(last + 1ms), fields(2025, 1, 3, 1, 0, 0, 0, 0));
}

// ---------------------------------------------------------------------------
// Parsing

TEST(ParseUtcTest, WholeSecondsWithAndWithoutZ) {
    const UtcInstant expected = make_instant(2026y / 12 / 8, 9, 18, 7, 0);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07Z"), expected);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07"), expected);
}

TEST(ParseUtcTest, MillisecondsWithAndWithoutZ) {
    const UtcInstant expected = make_instant(2026y / 12 / 8, 9, 18, 7, 250);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07.250Z"), expected);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07.250"), expected);
}

TEST(ParseUtcTest, FractionOfOneToThreeDigits) {
    const UtcInstant base = make_instant(2026y / 12 / 8, 9, 18, 7, 0);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07.2Z"), base + 200ms);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07.25Z"), base + 250ms);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07.025Z"), base + 25ms);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07.05"), base + 50ms);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07.001"), base + 1ms);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07.999Z"), base + 999ms);
    EXPECT_EQ(parse_utc("2026-12-08T09:18:07.0Z"), base);
}

// An offset from UTC in any of its ISO 8601 forms, converted to UTC: across the day, the
// month and the year when it takes the time there.
TEST(ParseUtcTest, OffsetsFromUtcAreConvertedToUtc) {
    const UtcInstant utc = make_instant(2026y / 12 / 8, 6, 13, 0, 0);
    for (const char* text :
         {"2026-12-08T07:13:00+01:00", "2026-12-08T07:13:00+0100", "2026-12-08T07:13:00+01",
          "2026-12-08T01:13:00-05:00", "2026-12-08T11:43:00+05:30", "2026-12-08T06:13:00+00:00",
          "2026-12-08T06:13:00-00:00", "2026-12-08T06:13:00z"})
        EXPECT_EQ(parse_utc(text), utc) << text;
    EXPECT_EQ(parse_utc("2026-12-08T07:13:00.250+01:00"), utc + 250ms);
    EXPECT_EQ(parse_utc("2027-01-01T00:30:00+01:00"), make_instant(2026y / 12 / 31, 23, 30, 0, 0));
    EXPECT_EQ(parse_utc("2026-02-28T20:00:00-05:00"), make_instant(2026y / 3 / 1, 1, 0, 0, 0));
}

TEST(ParseUtcTest, ExtremesOfEveryField) {
    EXPECT_EQ(parse_utc("1970-01-01T00:00:00Z"), UtcInstant{});
    EXPECT_EQ(parse_utc("2024-02-29T23:59:59.999Z"), make_instant(2024y / 2 / 29, 23, 59, 59, 999));
    EXPECT_EQ(parse_utc("2025-12-31T23:59:59Z"), make_instant(2025y / 12 / 31, 23, 59, 59, 0));
    EXPECT_EQ(parse_utc("2026-04-30T00:00:00Z"), make_instant(2026y / 4 / 30, 0, 0, 0, 0));
}

TEST(ParseUtcTest, RejectsDatesThatDoNotExist) {
    for (const char* text : {"2026-02-30T00:00:00Z", "2025-02-29T00:00:00Z", "2026-04-31T00:00:00Z",
                             "2026-13-01T00:00:00Z", "2026-00-10T00:00:00Z", "2026-01-00T00:00:00Z",
                             "2026-01-32T00:00:00Z"})
        EXPECT_FALSE(parse_utc(text).has_value()) << text;
}

TEST(ParseUtcTest, RejectsTimesOffTheClock) {
    for (const char* text : {"2026-12-08T24:00:00Z", "2026-12-08T09:60:00Z", "2026-12-08T09:18:60Z",
                             "2026-12-08T99:18:07Z"})
        EXPECT_FALSE(parse_utc(text).has_value()) << text;
}

TEST(ParseUtcTest, RejectsBadFractions) {
    for (const char* text :
         {"2026-12-08T09:18:07.2500Z", "2026-12-08T09:18:07.2500", "2026-12-08T09:18:07.Z",
          "2026-12-08T09:18:07.", "2026-12-08T09:18:07.2x5Z"})
        EXPECT_FALSE(parse_utc(text).has_value()) << text;
}

TEST(ParseUtcTest, RejectsMalformedText) {
    for (const char* text :
         {"", "2026-12-08", "2026-12-08T09:18", "2026-12-08T09:18:07ZZ", "2026-12-08T09:18:07Z ",
          " 2026-12-08T09:18:07Z", "2026-12-08T09:18:07x", "2026-12-08T09:18:07.250Zjunk",
          "2026-12-08 09:18:07Z", "2026/12/08T09:18:07Z", "2026-12-08T09-18-07Z",
          "2026-1-08T09:18:07Z", "26-12-08T09:18:07Z", "2026-12-08T9:18:07Z", "2026-12-08T09:18:7Z",
          "abcd-12-08T09:18:07Z"})
        EXPECT_FALSE(parse_utc(text).has_value()) << '"' << text << '"';
}

TEST(ParseUtcTest, RejectsMalformedOffsets) {
    for (const char* offset : {"+1", "+01:0", "+24:00", "+01:60", "Z+01:00", "+01:00Z", "+01::00",
                               " +01", "+0130x", "++01"})
        EXPECT_FALSE(parse_utc(std::string("2026-12-08T09:18:07") + offset).has_value()) << offset;
}

// ---------------------------------------------------------------------------
// Formatting

TEST(FormatUtcTest, WritesEveryFieldZeroPadded) {
    EXPECT_EQ(format_utc(make_instant(2026y / 12 / 8, 9, 18, 7, 250)), "2026-12-08T09:18:07.250Z");
    EXPECT_EQ(format_utc(make_instant(2024y / 2 / 29, 0, 0, 0, 5)), "2024-02-29T00:00:00.005Z");
    EXPECT_EQ(format_utc(UtcInstant{}), "1970-01-01T00:00:00.000Z");
    EXPECT_EQ(format_utc(make_instant(2024y / 12 / 31, 23, 59, 59, 999)),
              "2024-12-31T23:59:59.999Z");
}

TEST(FormatUtcTest, RoundTripsThroughParse) {
    const std::vector<UtcInstant> instants{
        UtcInstant{},
        make_instant(2026y / 12 / 8, 9, 18, 7, 250),
        make_instant(2024y / 2 / 29, 23, 59, 59, 999),
        make_instant(2025y / 1 / 1, 0, 0, 0, 1),
        make_instant(2099y / 7 / 15, 12, 34, 56, 780),
    };
    for (const UtcInstant instant : instants) {
        const std::string text = format_utc(instant);
        EXPECT_EQ(parse_utc(text), instant) << text;
    }
    for (const char* text :
         {"2026-12-08T09:18:07.250Z", "1999-12-31T23:59:59.999Z", "2000-01-01T00:00:00.000Z"}) {
        const auto parsed = parse_utc(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(format_utc(*parsed), text);
    }
}

TEST(FormatUtcTest, ShortFormsComeBackInFullForm) {
    EXPECT_EQ(format_utc(*parse_utc("2026-12-08T09:18:07")), "2026-12-08T09:18:07.000Z");
    EXPECT_EQ(format_utc(*parse_utc("2026-12-08T09:18:07.5")), "2026-12-08T09:18:07.500Z");
}

// ---------------------------------------------------------------------------
// Clocks

TEST(FixedClockTest, StandsStill) {
    const UtcInstant start = make_instant(2026y / 12 / 8, 9, 18, 7, 250);
    FixedClock clock(start);
    const std::uint32_t ticks = clock.tick_count();
    std::this_thread::sleep_for(5ms);
    EXPECT_EQ(clock.now(), start);
    EXPECT_EQ(clock.tick_count(), ticks);
    EXPECT_EQ(clock.utc(), fields(2026, 12, 2, 8, 9, 18, 7, 250));
}

TEST(FixedClockTest, SetMovesToTheGivenInstant) {
    FixedClock clock(make_instant(2026y / 12 / 8, 9, 18, 7, 250));
    const UtcInstant later = make_instant(2024y / 2 / 29, 23, 59, 0, 0);
    clock.set(later);
    EXPECT_EQ(clock.now(), later);
    EXPECT_EQ(clock.utc(), fields(2024, 2, 4, 29, 23, 59, 0, 0));
}

TEST(FixedClockTest, AdvanceMovesTimeAndTicksTogether) {
    const UtcInstant start = make_instant(2024y / 12 / 31, 23, 59, 59, 900);
    FixedClock clock(start);
    const std::uint32_t ticks = clock.tick_count();
    clock.advance(150ms);
    EXPECT_EQ(clock.now(), start + 150ms);
    EXPECT_EQ(clock.tick_count(), ticks + 150u);
    EXPECT_EQ(clock.utc(), fields(2025, 1, 3, 1, 0, 0, 0, 50));
    clock.advance(1h);
    EXPECT_EQ(clock.now(), start + 150ms + 1h);
    EXPECT_EQ(clock.tick_count(), ticks + 150u + 3'600'000u);
}

TEST(FixedClockTest, TickCountWrapsAtTwoToTheThirtySecond) {
    const UtcInstant start = make_instant(2026y / 1 / 1, 0, 0, 0, 0);
    FixedClock clock(start);
    const std::uint32_t ticks = clock.tick_count();
    const milliseconds step{(std::int64_t{1} << 32) + 7};
    clock.advance(step);
    EXPECT_EQ(clock.tick_count(), ticks + 7u);
    EXPECT_EQ(clock.now(), start + step);
}

TEST(RunningClockTest, StartsAtTheGivenInstantAndRuns) {
    const UtcInstant start = make_instant(2026y / 12 / 8, 9, 18, 7, 250);
    const RunningClock clock(start);
    const UtcInstant first = clock.now();
    EXPECT_GE(first, start);
    EXPECT_LT(first, start + 2s);

    const std::uint32_t ticks = clock.tick_count();
    std::this_thread::sleep_for(20ms);
    const UtcInstant second = clock.now();
    EXPECT_GE(second - start, 20ms);
    EXPECT_LT(second - start, 2s);
    const std::uint32_t tick_delta = clock.tick_count() - ticks;
    EXPECT_GE(tick_delta, 20u);
    EXPECT_LT(tick_delta, 2000u);
}

TEST(RunningClockTest, FieldsFollowTheStartInstant) {
    const RunningClock clock(make_instant(2024y / 2 / 29, 12, 0, 0, 0));
    const SystemTime t = clock.utc();
    EXPECT_EQ(t.year, 2024);
    EXPECT_EQ(t.month, 2);
    EXPECT_EQ(t.day, 29);
    EXPECT_EQ(t.day_of_week, 4);
    EXPECT_EQ(t.hour, 12);
    EXPECT_EQ(t.minute, 0);
    EXPECT_LT(t.second, 2);
}

} // namespace
} // namespace zenka
