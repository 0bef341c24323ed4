#include "compose/schedule.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace zenka {
namespace {

// A schedule that keeps every error code it is given.
class RecordingSchedule final : public Schedule {
  public:
    std::vector<int> codes;

    void at(int hour, int minute) {
        t.hour = static_cast<std::uint16_t>(hour);
        t.minute = static_cast<std::uint16_t>(minute);
    }

  protected:
    void Error_Code(int code) override { codes.push_back(code); }
};

// Inclusive stretches of clock time, as HHMM, e.g. {{600, 1759}}.
using Runs = std::vector<std::pair<int, int>>;
using Minutes = std::vector<int>;

// Evaluates `pred` at every minute of the day and returns the stretches where it holds.
template <class Pred> Runs day_runs(RecordingSchedule& s, Pred pred) {
    Runs runs;
    bool open = false;
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            s.at(hour, minute);
            const int hhmm = hour * 100 + minute;
            if (pred(s)) {
                if (open)
                    runs.back().second = hhmm;
                else
                    runs.emplace_back(hhmm, hhmm);
                open = true;
            } else {
                open = false;
            }
        }
    }
    return runs;
}

// Evaluates `pred` at every minute of the day and returns the minutes of the hour
// where it holds; fails the test if the answer differs between hours.
template <class Pred> Minutes minutes_of_every_hour(RecordingSchedule& s, Pred pred) {
    Minutes first_hour;
    for (int hour = 0; hour < 24; ++hour) {
        Minutes this_hour;
        for (int minute = 0; minute < 60; ++minute) {
            s.at(hour, minute);
            if (pred(s)) this_hour.push_back(minute);
        }
        if (hour == 0)
            first_hour = this_hour;
        else
            EXPECT_EQ(this_hour, first_hour) << "minutes differ at hour " << hour;
    }
    return first_hour;
}

// Evaluates `pred` at every minute of the day and returns the hours where it holds;
// fails the test if it changes within an hour.
template <class Pred> std::vector<int> hours_of(RecordingSchedule& s, Pred pred) {
    std::vector<int> hours;
    for (int hour = 0; hour < 24; ++hour) {
        s.at(hour, 0);
        const bool at_start = pred(s);
        for (int minute = 1; minute < 60; ++minute) {
            s.at(hour, minute);
            EXPECT_EQ(pred(s), at_start)
                << "changes within hour " << hour << " at minute " << minute;
        }
        if (at_start) hours.push_back(hour);
    }
    return hours;
}

// Days of the month 1 .. 31 where `pred` holds.
template <class Pred> std::vector<int> days_of(RecordingSchedule& s, Pred pred) {
    std::vector<int> days;
    for (int day = 1; day <= 31; ++day) {
        s.t.day = static_cast<std::uint16_t>(day);
        if (pred(s)) days.push_back(day);
    }
    return days;
}

const std::vector<int> kAllHours{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};
const Runs kAllDay{{0, 2359}};

// ---------------------------------------------------------------------------
// Hour windows

TEST(ScheduleHourWindows, DayAndNightSwitchAtSixAndEighteen) {
    RecordingSchedule s;
    s.at(5, 59);
    EXPECT_FALSE(s.day());
    EXPECT_TRUE(s.night());
    s.at(6, 0);
    EXPECT_TRUE(s.day());
    EXPECT_FALSE(s.night());
    s.at(17, 59);
    EXPECT_TRUE(s.day());
    EXPECT_FALSE(s.night());
    s.at(18, 0);
    EXPECT_FALSE(s.day());
    EXPECT_TRUE(s.night());
}

TEST(ScheduleHourWindows, DayAndNightOverTheWholeDay) {
    RecordingSchedule s;
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.day(); }), (Runs{{600, 1759}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.night(); }), (Runs{{0, 559}, {1800, 2359}}));
}

TEST(ScheduleHourWindows, RegionalDayWindows) {
    RecordingSchedule s;
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.reg1rus_day(); }), (Runs{{400, 1559}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.reg2_day(); }), (Runs{{1200, 2359}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.reg3f_day(); }), (Runs{{0, 959}, {2200, 2359}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.reg3f_night(); }), (Runs{{1000, 2159}}));
}

TEST(ScheduleHourWindows, RegionalWindowEdges) {
    RecordingSchedule s;
    s.at(3, 59);
    EXPECT_FALSE(s.reg1rus_day());
    s.at(4, 0);
    EXPECT_TRUE(s.reg1rus_day());
    s.at(15, 59);
    EXPECT_TRUE(s.reg1rus_day());
    s.at(16, 0);
    EXPECT_FALSE(s.reg1rus_day());

    s.at(11, 59);
    EXPECT_FALSE(s.reg2_day());
    s.at(12, 0);
    EXPECT_TRUE(s.reg2_day());
    s.at(23, 59);
    EXPECT_TRUE(s.reg2_day());
    s.at(0, 0);
    EXPECT_FALSE(s.reg2_day());

    s.at(9, 59);
    EXPECT_TRUE(s.reg3f_day());
    EXPECT_FALSE(s.reg3f_night());
    s.at(10, 0);
    EXPECT_FALSE(s.reg3f_day());
    EXPECT_TRUE(s.reg3f_night());
    s.at(21, 59);
    EXPECT_FALSE(s.reg3f_day());
    EXPECT_TRUE(s.reg3f_night());
    s.at(22, 0);
    EXPECT_TRUE(s.reg3f_day());
    EXPECT_FALSE(s.reg3f_night());
}

TEST(ScheduleHourWindows, IgnoreTheDateAndSeconds) {
    RecordingSchedule s;
    s.t.year = 2026;
    s.t.month = 12;
    s.t.day = 8;
    s.t.day_of_week = 2;
    s.t.second = 59;
    s.t.milliseconds = 999;
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.day(); }), (Runs{{600, 1759}}));
    EXPECT_TRUE(s.codes.empty());
}

// ---------------------------------------------------------------------------
// Parity of hour and day

TEST(ScheduleParity, EvenAndOddHours) {
    RecordingSchedule s;
    const std::vector<int> even{0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22};
    const std::vector<int> odd{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23};
    for (int day : {1, 2}) {
        s.t.day = static_cast<std::uint16_t>(day);
        EXPECT_EQ(hours_of(s, [](auto& x) { return x.eh(); }), even) << "day " << day;
        EXPECT_EQ(hours_of(s, [](auto& x) { return x.oh(); }), odd) << "day " << day;
    }
}

TEST(ScheduleParity, EvenAndOddDaysOfTheMonth) {
    RecordingSchedule s;
    const std::vector<int> even{2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30};
    const std::vector<int> odd{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31};
    for (int hour : {0, 13}) {
        s.at(hour, 30);
        EXPECT_EQ(days_of(s, [](auto& x) { return x.ed(); }), even) << "hour " << hour;
        EXPECT_EQ(days_of(s, [](auto& x) { return x.od(); }), odd) << "hour " << hour;
    }
}

// ---------------------------------------------------------------------------
// Single comparisons

TEST(ScheduleComparisons, HourEqualAboveBelow) {
    RecordingSchedule s;
    EXPECT_EQ(hours_of(s, [](auto& x) { return x.h(0); }), (std::vector<int>{0}));
    EXPECT_EQ(hours_of(s, [](auto& x) { return x.h(7); }), (std::vector<int>{7}));
    EXPECT_EQ(hours_of(s, [](auto& x) { return x.h(23); }), (std::vector<int>{23}));
    EXPECT_EQ(hours_of(s, [](auto& x) { return x.hh(20); }), (std::vector<int>{21, 22, 23}));
    EXPECT_EQ(hours_of(s, [](auto& x) { return x.hh(22); }), (std::vector<int>{23}));
    EXPECT_EQ(hours_of(s, [](auto& x) { return x.hl(3); }), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(hours_of(s, [](auto& x) { return x.hl(1); }), (std::vector<int>{0}));
    EXPECT_EQ(hours_of(s, [](auto& x) { return x.hh(-1); }), kAllHours);
    EXPECT_EQ(hours_of(s, [](auto& x) { return x.hl(24); }), kAllHours);
}

TEST(ScheduleComparisons, HourArgumentsOutsideTheClockNeverMatch) {
    RecordingSchedule s;
    EXPECT_TRUE(hours_of(s, [](auto& x) { return x.h(24); }).empty());
    EXPECT_TRUE(hours_of(s, [](auto& x) { return x.h(-1); }).empty());
    EXPECT_TRUE(hours_of(s, [](auto& x) { return x.hh(23); }).empty());
    EXPECT_TRUE(hours_of(s, [](auto& x) { return x.hl(0); }).empty());
    EXPECT_TRUE(s.codes.empty());
}

TEST(ScheduleComparisons, MinuteEqualAboveBelow) {
    RecordingSchedule s;
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.m(0); }), (Minutes{0}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.m(59); }), (Minutes{59}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.mh(56); }), (Minutes{57, 58, 59}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.mh(58); }), (Minutes{59}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.ml(2); }), (Minutes{0, 1}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.ml(1); }), (Minutes{0}));
}

TEST(ScheduleComparisons, MinuteArgumentsOutsideTheClockNeverMatch) {
    RecordingSchedule s;
    EXPECT_TRUE(minutes_of_every_hour(s, [](auto& x) { return x.m(60); }).empty());
    EXPECT_TRUE(minutes_of_every_hour(s, [](auto& x) { return x.m(-1); }).empty());
    EXPECT_TRUE(minutes_of_every_hour(s, [](auto& x) { return x.mh(59); }).empty());
    EXPECT_TRUE(minutes_of_every_hour(s, [](auto& x) { return x.ml(0); }).empty());
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.mh(-1); }).size(), 60u);
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.ml(60); }).size(), 60u);
    EXPECT_TRUE(s.codes.empty());
}

// ---------------------------------------------------------------------------
// Minute windows within every hour

TEST(ScheduleMinuteWindows, PeriodWithinTheHourExcludesItsEnd) {
    RecordingSchedule s;
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_period(10, 20); }),
              (Minutes{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_period(0, 1); }), (Minutes{0}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_period(0, 60); }).size(), 60u);
    s.at(14, 20);
    EXPECT_FALSE(s.min_period(10, 20));
    s.at(14, 9);
    EXPECT_FALSE(s.min_period(10, 20));
}

TEST(ScheduleMinuteWindows, PeriodRunningOverTheEndOfTheHour) {
    RecordingSchedule s;
    Minutes thirty_on;
    for (int m = 30; m <= 59; ++m)
        thirty_on.push_back(m);
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_period(30, 0); }), thirty_on);
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_period(50, 5); }),
              (Minutes{0, 1, 2, 3, 4, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_period(50, 0); }),
              (Minutes{50, 51, 52, 53, 54, 55, 56, 57, 58, 59}));
    EXPECT_EQ(
        minutes_of_every_hour(s, [](auto& x) { return x.min_period(40, 0); }),
        (Minutes{40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_period(35, 0); }).size(), 25u);
    s.at(3, 34);
    EXPECT_FALSE(s.min_period(35, 0));
    s.at(3, 35);
    EXPECT_TRUE(s.min_period(35, 0));
    s.at(3, 0);
    EXPECT_FALSE(s.min_period(35, 0));
}

TEST(ScheduleMinuteWindows, PeriodWithEqualEndsCoversTheWholeHour) {
    RecordingSchedule s;
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_period(20, 20); }).size(), 60u);
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_period(0, 0); }).size(), 60u);
}

TEST(ScheduleMinuteWindows, FiveMinuteSlots) {
    RecordingSchedule s;
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_sked(0); }),
              (Minutes{0, 1, 2, 3, 4}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_sked(27); }),
              (Minutes{27, 28, 29, 30, 31}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_sked(55); }),
              (Minutes{55, 56, 57, 58, 59}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_sked(58); }), (Minutes{58, 59}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_sked(-3); }), (Minutes{0, 1}));
    EXPECT_TRUE(minutes_of_every_hour(s, [](auto& x) { return x.min_sked(60); }).empty());
}

TEST(ScheduleMinuteWindows, TenAndTwentyMinuteSlots) {
    RecordingSchedule s;
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_sked_10(0); }),
              (Minutes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_sked_10(50); }),
              (Minutes{50, 51, 52, 53, 54, 55, 56, 57, 58, 59}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_sked_10(55); }),
              (Minutes{55, 56, 57, 58, 59}));
    EXPECT_EQ(
        minutes_of_every_hour(s, [](auto& x) { return x.min_sked_20(15); }),
        (Minutes{15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.min_sked_20(50); }),
              (Minutes{50, 51, 52, 53, 54, 55, 56, 57, 58, 59}));
}

TEST(ScheduleMinuteWindows, ShortNamesBehaveLikeTheLongOnes) {
    RecordingSchedule s;
    for (int a = -12; a <= 62; ++a) {
        for (int minute = 0; minute < 60; ++minute) {
            s.at(9, minute);
            EXPECT_EQ(s.ms(a), s.min_sked(a)) << "a " << a << " minute " << minute;
            EXPECT_EQ(s.ms10(a), s.min_sked_10(a)) << "a " << a << " minute " << minute;
        }
    }
    // And they are not trivially equal to one another.
    s.at(9, 7);
    EXPECT_FALSE(s.ms(0));
    EXPECT_TRUE(s.ms10(0));
}

TEST(ScheduleMinuteWindows, SlotsOnOddAndEvenHours) {
    RecordingSchedule s;
    s.at(1, 3);
    EXPECT_TRUE(s.oh_sked(0));
    EXPECT_FALSE(s.eh_sked(0));
    s.at(2, 3);
    EXPECT_FALSE(s.oh_sked(0));
    EXPECT_TRUE(s.eh_sked(0));
    s.at(1, 5);
    EXPECT_FALSE(s.oh_sked(0));

    EXPECT_EQ(day_runs(s, [](auto& x) { return x.oh_sked(0); }), (Runs{{100, 104},
                                                                       {300, 304},
                                                                       {500, 504},
                                                                       {700, 704},
                                                                       {900, 904},
                                                                       {1100, 1104},
                                                                       {1300, 1304},
                                                                       {1500, 1504},
                                                                       {1700, 1704},
                                                                       {1900, 1904},
                                                                       {2100, 2104},
                                                                       {2300, 2304}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.eh_sked(30); }), (Runs{{30, 34},
                                                                        {230, 234},
                                                                        {430, 434},
                                                                        {630, 634},
                                                                        {830, 834},
                                                                        {1030, 1034},
                                                                        {1230, 1234},
                                                                        {1430, 1434},
                                                                        {1630, 1634},
                                                                        {1830, 1834},
                                                                        {2030, 2034},
                                                                        {2230, 2234}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.eh_sked(57); }), (Runs{{57, 59},
                                                                        {257, 259},
                                                                        {457, 459},
                                                                        {657, 659},
                                                                        {857, 859},
                                                                        {1057, 1059},
                                                                        {1257, 1259},
                                                                        {1457, 1459},
                                                                        {1657, 1659},
                                                                        {1857, 1859},
                                                                        {2057, 2059},
                                                                        {2257, 2259}}));
}

// ---------------------------------------------------------------------------
// Repeating minutes

TEST(ScheduleRepeats, TwiceAnHour) {
    RecordingSchedule s;
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_2(0); }), (Minutes{0, 30}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_2(29); }), (Minutes{29, 59}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_2(30); }), (Minutes{30}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_2(45); }), (Minutes{45}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_2(-20); }), (Minutes{10}));
}

TEST(ScheduleRepeats, ThreeFourAndFiveTimesAnHour) {
    RecordingSchedule s;
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_3(5); }), (Minutes{5, 25, 45}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_3(30); }), (Minutes{30, 50}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_3(-20); }), (Minutes{0, 20}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_4(0); }), (Minutes{0, 15, 30, 45}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_4(14); }),
              (Minutes{14, 29, 44, 59}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_4(20); }), (Minutes{20, 35, 50}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_5(0); }),
              (Minutes{0, 12, 24, 36, 48}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_5(20); }),
              (Minutes{20, 32, 44, 56}));
}

TEST(ScheduleRepeats, SixTimesAnHour) {
    RecordingSchedule s;
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_6(5); }),
              (Minutes{5, 15, 25, 35, 45, 55}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_6(0); }),
              (Minutes{0, 10, 20, 30, 40, 50}));
    EXPECT_EQ(minutes_of_every_hour(s, [](auto& x) { return x.h_6(-5); }),
              (Minutes{5, 15, 25, 35, 45}));
}

TEST(ScheduleRepeats, FirstMinuteOfSixtyOrMoreNeverMatches) {
    RecordingSchedule s;
    EXPECT_TRUE(minutes_of_every_hour(s, [](auto& x) { return x.h_2(60); }).empty());
    EXPECT_TRUE(minutes_of_every_hour(s, [](auto& x) { return x.h_3(60); }).empty());
    EXPECT_TRUE(minutes_of_every_hour(s, [](auto& x) { return x.h_4(75); }).empty());
    EXPECT_TRUE(minutes_of_every_hour(s, [](auto& x) { return x.h_5(60); }).empty());
    EXPECT_TRUE(minutes_of_every_hour(s, [](auto& x) { return x.h_6(60); }).empty());
    EXPECT_TRUE(s.codes.empty());
}

// ---------------------------------------------------------------------------
// Five-minute slots at a clock time

TEST(ScheduleSked, SlotsAtMidnightAndDuringTheDay) {
    RecordingSchedule s;
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.sked(0); }), (Runs{{0, 4}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.sked(30); }), (Runs{{30, 34}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.sked(1230); }), (Runs{{1230, 1234}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.sked(2355); }), (Runs{{2355, 2359}}));
}

TEST(ScheduleSked, SlotNeverRunsIntoTheNextHour) {
    RecordingSchedule s;
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.sked(2356); }), (Runs{{2356, 2359}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.sked(1258); }), (Runs{{1258, 1259}}));
    s.at(0, 0);
    EXPECT_FALSE(s.sked(2356));
    s.at(13, 0);
    EXPECT_FALSE(s.sked(1258));
}

TEST(ScheduleSked, TimesOffTheClockNeverMatch) {
    RecordingSchedule s;
    EXPECT_TRUE(day_runs(s, [](auto& x) { return x.sked(2400); }).empty());
    EXPECT_TRUE(day_runs(s, [](auto& x) { return x.sked(1260); }).empty());
    EXPECT_TRUE(s.codes.empty());
}

// ---------------------------------------------------------------------------
// Clock-time windows

TEST(ScheduleClockTime, WindowExcludesItsEndMinute) {
    RecordingSchedule s;
    s.at(22, 0);
    EXPECT_TRUE(s.ct(2200, 2230));
    s.at(22, 29);
    EXPECT_TRUE(s.ct(2200, 2230));
    s.at(22, 30);
    EXPECT_FALSE(s.ct(2200, 2230));
    s.at(21, 59);
    EXPECT_FALSE(s.ct(2200, 2230));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(2200, 2230); }), (Runs{{2200, 2229}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(800, 830); }), (Runs{{800, 829}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(0, 1); }), (Runs{{0, 0}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(0, 2359); }), (Runs{{0, 2358}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(1155, 1305); }), (Runs{{1155, 1304}}));
    EXPECT_TRUE(s.codes.empty());
}

TEST(ScheduleClockTime, WindowOverMidnight) {
    RecordingSchedule s;
    s.at(23, 45);
    EXPECT_TRUE(s.ct(2330, 30));
    s.at(0, 15);
    EXPECT_TRUE(s.ct(2330, 30));
    s.at(0, 30);
    EXPECT_FALSE(s.ct(2330, 30));
    s.at(23, 29);
    EXPECT_FALSE(s.ct(2330, 30));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(2330, 30); }), (Runs{{0, 29}, {2330, 2359}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(2300, 1300); }),
              (Runs{{0, 1259}, {2300, 2359}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(1800, 600); }), (Runs{{0, 559}, {1800, 2359}}));
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(2359, 0); }), (Runs{{2359, 2359}}));
    EXPECT_TRUE(s.codes.empty());
}

TEST(ScheduleClockTime, EqualEndsHoldAllDay) {
    RecordingSchedule s;
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(0, 0); }), kAllDay);
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(1230, 1230); }), kAllDay);
    EXPECT_EQ(day_runs(s, [](auto& x) { return x.ct(2359, 2359); }), kAllDay);
    EXPECT_TRUE(s.codes.empty());
}

TEST(ScheduleClockTime, TimeOffTheClockReportsError110Once) {
    RecordingSchedule s;
    // At 00:30 each of these would fall inside the window if it were accepted.
    s.at(0, 30);
    EXPECT_FALSE(s.ct(2460, 100));
    EXPECT_EQ(s.codes, (std::vector<int>{110}));

    const std::vector<std::pair<int, int>> bad{
        {2400, 100}, {0, 2400}, {100, 2400},  {60, 100},
        {0, 60},     {2360, 0}, {2500, 2600}, {2399, 2460},
    };
    for (const auto& [from, to] : bad) {
        s.codes.clear();
        EXPECT_FALSE(s.ct(from, to)) << from << " " << to;
        EXPECT_EQ(s.codes, (std::vector<int>{110})) << from << " " << to;
    }
}

TEST(ScheduleClockTime, RejectedWindowIsFalseAllDayWithOneReportPerCall) {
    RecordingSchedule s;
    EXPECT_TRUE(day_runs(s, [](auto& x) { return x.ct(2460, 100); }).empty());
    EXPECT_EQ(s.codes, std::vector<int>(1440, 110));
}

TEST(ScheduleClockTime, ValidWindowsReportNothing) {
    RecordingSchedule s;
    for (int from : {0, 59, 1200, 2300, 2359})
        for (int to : {0, 59, 1200, 2300, 2359})
            day_runs(s, [from, to](auto& x) { return x.ct(from, to); });
    EXPECT_TRUE(s.codes.empty());
}

} // namespace
} // namespace zenka
