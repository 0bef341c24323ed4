#pragma once
// The schedule predicates: every station's on-air times are written in these,
// over one shared UTC snapshot `t`. They never read the clock themselves.

#include "platform/clock.h"

namespace zenka {

class Schedule {
  public:
    virtual ~Schedule() = default;

    SystemTime t{};

    // Hour windows, both ends included.
    bool day() const { return daytime(t); }
    bool night() const { return !day(); }
    bool reg1rus_day() const { return t.hour >= 4 && t.hour <= 15; }
    bool reg2_day() const { return t.hour >= 12; }
    bool reg3f_day() const { return t.hour <= 9 || t.hour >= 22; }
    bool reg3f_night() const { return !reg3f_day(); }

    // Parity of the hour and of the day of the month.
    bool eh() const { return t.hour % 2 == 0; }
    bool oh() const { return !eh(); }
    bool ed() const { return t.day % 2 == 0; }
    bool od() const { return !ed(); }

    // Single comparisons with the hour or the minute.
    bool h(int x) const { return t.hour == x; }
    bool hh(int x) const { return t.hour > x; }
    bool hl(int x) const { return t.hour < x; }
    bool m(int x) const { return t.minute == x; }
    bool mh(int x) const { return t.minute > x; }
    bool ml(int x) const { return t.minute < x; }

    // Minutes a .. b-1 of every hour; with b <= a the window runs over the hour.
    bool min_period(int a, int b) const;
    bool min_sked(int a) const { return min_period(a, a + 5); }
    bool ms(int a) const { return min_sked(a); }
    bool min_sked_10(int a) const { return min_period(a, a + 10); }
    bool ms10(int a) const { return min_sked_10(a); }
    bool min_sked_20(int a) const { return min_period(a, a + 20); }
    bool oh_sked(int a) const { return min_sked(a) && oh(); }
    bool eh_sked(int a) const { return min_sked(a) && eh(); }

    // The minute is a, a + 60/n, a + 2*60/n, ... (values of 60 and more never match).
    bool h_2(int a) const { return repeats(a, 2); }
    bool h_3(int a) const { return repeats(a, 3); }
    bool h_4(int a) const { return repeats(a, 4); }
    bool h_5(int a) const { return repeats(a, 5); }
    bool h_6(int a) const { return repeats(a, 6); }

    // Five-minute slot starting at the clock time hhmm, never past the hour.
    bool sked(int hhmm) const;
    // Clock-time window [from, to), over midnight when to <= from. A time that is
    // not a clock time reports error 110 and gives false.
    bool ct(int from, int to);

  protected:
    virtual void Error_Code(int code) = 0;

  private:
    bool repeats(int a, int times_per_hour) const;
};

} // namespace zenka
