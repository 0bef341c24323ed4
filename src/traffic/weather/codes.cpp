// The synoptic figure codes and the bulletins built from them: wx_code, the Italian marine
// bulletin, the plain-language observations, the synoptic header and the announcement calls.

#include "traffic/weather/kit.h"
#include "traffic/weather/tables.h"
#include "traffic/weather/weather.h"

#include <string>

namespace zenka {
using weather::r;
using weather::send_fill;

int meteo_hour(const Air& a) {
    return a.t.hour / 6 * 6;
}

// The random values are drawn as the fields are filled from the last backwards, the repeated
// fifth figure A first.
void f13_code(Air& a, std::string_view prefix) {
    const int A = r(a, 9);
    const int m4 = static_cast<int>(a.myrand() % 4);
    const int m4_3 = static_cast<int>(a.myrand() % 4) + 3;
    const int w = r(a, 99);
    const int c = r(a, 6) + 2;
    const int b = r(a, 5) + 2;
    const int v = r(a, 99);
    const int s = r(a, 99);
    send_fill(a, "%s%02d %02d%01d%01d%01d %02d%01d%01d%01d ",
              {std::string(prefix), s, v, b, c, A, w, m4_3, m4, A});
}

void f11_code(Air& a, std::string_view prefix) {
    f13_code(a, prefix);
    const int f = r(a, 29) + 1;
    const int e = r(a, 9);
    const int d = r(a, 9);
    const int c = r(a, 9);
    const int b = r(a, 26);
    const int t = r(a, 30);
    send_fill(a, "%02d0%02d %01d%01d%01d%02d ", {t, b, c, d, e, f});
}

void f111_code(Air& a, std::string_view prefix) {
    const int B = r(a, 999);
    f11_code(a, prefix);
    const int x = r(a, 99);
    send_fill(a, "%02d%03d ", {x, B});
}

void ukr_code(Air& a, std::string_view prefix) {
    const int P = r(a, 200);
    const int Q = P + r(a, 50);
    const int p1 = r(a, 10), p2 = r(a, 7) + 2, p3 = static_cast<int>(a.myrand() % 4),
              p4 = r(a, 20) + 8;
    const int q1 = r(a, 10), q2 = r(a, 7) + 2, q3 = static_cast<int>(a.myrand() % 4),
              q4 = r(a, 20) + 8;
    const int last = r(a, 99);
    send_fill(a, "%s %03d%02d %d%d%02d %03d%02d %d%d%02d %03d%02d = ",
              {std::string(prefix), P, p1, p2, p3, p4, Q, q1, q2, q3, q4, (Q - P) / 10 * 2, last});
}

void wx_code(Air& a, std::string_view call, std::string_view heading, int kind, Stations stations,
             int n) {
    const std::string C(call);
    // The slot's parameters are those at its close; the switch keeps the call in the rule's voice.
    a.create_params();
    send_times(a, fill("CQ CQ CQ DE %s %s %s METEO *            ", {C, C, C}), 2);
    a.wait(1);
    a.spd = 19;
    a.create_params();
    send_fill(a, "%s %02d%02d00 = ", {std::string(heading), a.t.day, a.t.hour});
    if (kind == 253) {
        a.ton = 900;
        a.qsa = 4;
        a.create_params();
        a.send(" PART I =  ");
    }
    for (int i = 0; i < n && i < static_cast<int>(stations.size()); ++i) {
        const std::string_view entry = stations[static_cast<std::size_t>(i)];
        if (kind == 11) {
            f11_code(a, entry);
            a.send("= ");
        } else if (kind == 111) {
            f111_code(a, entry);
            a.send("= ");
        } else if (kind == 253) {
            ukr_code(a, entry);
        }
    }
    const std::string close = fill(" + de %s ]", {C});
    if (kind == 253)
        weather::close_spark(a, close);
    else
        a.send_stack(close);
}

void italian_naval_code(Air& a, std::string_view call, Stations places, int n) {
    if (a.settings.hist == 0) return;
    const std::string C(call);
    a.create_params();
    send_times(a, fill("CQ CQ CQ V %s %s %s METEO MARINA BULLETIN *            ", {C, C, C}), 2);
    a.spd = 19;
    a.create_params();
    a.wait(1);
    send_fill(a, "METEO MARINA BULLETIN %02d%02d00 = ", {a.t.day, a.t.hour});
    for (int i = 0; i < n && i < static_cast<int>(places.size()); ++i) {
        const int h = r(a, 10), g = r(a, 99), f = r(a, 7), e = r(a, 7);
        const int d = static_cast<int>(a.myrand() % 8), c = r(a, 9), b = r(a, 10), s = r(a, 99);
        send_fill(a, "%s  %02d%d%d%d%d%d%02d%d  =  ",
                  {std::string(places[static_cast<std::size_t>(i)]), s, b, c, d, e, f, g, h});
    }
    a.send(fill(" + V %s ]", {C}));
    a.send_stack("");
}

void wx_plain(Air& a, std::string_view call, Stations places, int n) {
    a.wait(2);
    send_fill(a, "HR WX %02d%02d00 ", {a.t.day, a.t.hour});
    for (int i = 0; i < n && i < static_cast<int>(places.size()); ++i) {
        const int temp = r(a, 15) + 15;
        const int wind = r(a, 10) + 1;
        const std::string dir(wind_dir[static_cast<std::size_t>(r(a, 7))]);
        const int pre = r(a, 200) + 500;
        send_fill(a, "= %s PRE %04d WIND %s %d M/S TEMP %d C  ",
                  {std::string(places[static_cast<std::size_t>(i)]), pre, dir, wind, temp});
    }
    a.send_stack(fill(" + DE %s ]", {std::string(call)}));
}

void synop(Air& a, std::string_view heading1, std::string_view heading2, int repeat) {
    a.sz = 1;
    const int mh = meteo_hour(a);
    send_fill(a,
              repeat == 0 ? "NR %03d %s %s %02d%02d00 AAXX %02d%02d1 = "
                          : "NR %03d %s %s %02d%02d00 RRA AAXX %02d%02d1 = ",
              {a.nr, std::string(heading1), std::string(heading2), a.t.day, mh, a.t.day, mh});
    ++a.nr;
    a.send(a.str2);
    a.wait(5);
}

namespace {
void cq_anm(Air& a, std::string_view call, std::string_view word) {
    const std::string C(call);
    send_times(a, fill("CQ CQ CQ DE %s %s %s %s *            ", {C, C, C, std::string(word)}), 3);
    a.send_stack("");
}
} // namespace

void wx_anm(Air& a, std::string_view call) {
    cq_anm(a, call, "WX");
}

void meteo_anm(Air& a, std::string_view call) {
    cq_anm(a, call, "METEO");
}

void wx_anm_hand(Air& a, std::string_view call) {
    a.hand = 1;
    wx_anm(a, call);
}

} // namespace zenka
