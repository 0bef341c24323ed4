#include "compose/schedule.h"

namespace zenka {

bool Schedule::min_period(int a, int b) const {
    if (b > a) return !ml(a) && !mh(b - 1);
    return t.minute >= a || t.minute <= b - 1;
}

bool Schedule::repeats(int a, int times_per_hour) const {
    const int step = 60 / times_per_hour;
    for (int i = 0; i < times_per_hour; ++i)
        if (t.minute == a + i * step) return true;
    return false;
}

bool Schedule::sked(int hhmm) const {
    const int first = hhmm % 100;
    return t.hour == hhmm / 100 && t.minute >= first && t.minute <= first + 4;
}

bool Schedule::ct(int from, int to) {
    if (from / 100 > 23 || to / 100 > 23 || from % 100 > 59 || to % 100 > 59) {
        Error_Code(110);
        return false;
    }
    const int now = t.hour * 100 + t.minute;
    if (to > from) return now >= from && now < to;
    return now >= from || now < to;
}

} // namespace zenka
