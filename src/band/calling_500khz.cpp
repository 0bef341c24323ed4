#include "band/calling_500khz.h"

#include "band/announcements_500khz.h"
#include "band/rule_kit.h"
#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/toolkit/calls.h"
#include "traffic/weather/weather.h"

#include <algorithm>
#include <initializer_list>

#include <array>

namespace zenka {
namespace {

constexpr const char* kDistressNmo =
    "DDD SOS DE NMO 090613Z THE VESSEL TAI KI IS SINKING POSIT 40-30 N 169 W . 7  P O B  . "
    "VESSEL IS CHINESE JUNK BROWN IN COLOR . VESSEL MAY BE ABANDONED TO LIFERAFT . POSSIBLE CRT 3 "
    "SIGNALS ON 500/8364 . VESSELS PROCEED AND ASSIST . ADVISE COURSE SPEED AND ETA = DE NMO ]";

constexpr const char* kDistressDan =
    "DDD DE DAN DAN DAN = GERMAN MS MARIANNEWEHR / DIPJ AT 0335 GMT IN POSITION 1,5 MILES "
    "NORTHWEST ELBEONE LIGHTVESSEL HEAVY LIST . LIFEBOATS RUHRSTAHL AND HERMANNAPELT AND SEVERAL "
    "AIRCRAFTS SEARCHING IN AREA STOP 3 DEAD MEN PICKED UP 6 MEN STILL MISSING STOP SHIPS IN AREA "
    "PSE KEEP FURTHER SHARP LOOKOUT = 141148Z + DE DAN";

// Coast stations that ask the ships on 500 kHz for traffic; the last is never drawn.
constexpr std::array<const char*, 44> kMfCoast500QssNo = {
    "FFX", "FIA", "FRM", "FRR", "FRT", "L2H", "L3J", "LGE", "LGH", "LGY", "OHD",
    "OHF", "OHX", "PWO", "TIR", "UCX", "UFR", "UFU", "UFW", "UIX", "UPY", "UZT",
    "VAB", "VAD", "VAG", "VAH", "VAJ", "VAK", "VAL", "VAP", "VAW", "VAX", "VAY",
    "VBZ", "VCB", "VCL", "VCN", "VCU", "VGX", "VKT", "VQB", "VYR", "YMA", "YPO"};

bool silence_period(int minute) {
    return minute == 15 || minute == 16 || minute == 17 || minute == 45 || minute == 46 ||
           minute == 47;
}

void distress(Air& a, int speed, int tone, int strength, const char* text) {
    a.spd = speed;
    a.ton = tone;
    a.qsa = strength;
    a.send(text);
    a.send_stack("");
}

} // namespace

// 500 kHz, the international calling and distress frequency, in layers.
void calling_and_distress(Air& a) {
    a.refresh_time();
    a.anm_500 = 0;

    // Distress episodes at fixed times of day.
    if (a.h(9) && a.m(18)) sos1(a);
    if (a.h(10) && a.m(56)) sos2(a);
    if (a.h(3) && a.m(12)) sos3(a);
    if (a.h(6) && a.m(13)) distress(a, 16, 1400, 1, kDistressNmo);
    if (a.h(11) && a.m(47)) distress(a, 16, 900, 4, kDistressDan);

    // Announcements valid every hour.
    if (a.m(0) && a.od()) {
        a.wait(10);
        send_cq_anm(a, "FFP", "METEO QSW 435 =");
    }
    if (a.m(3)) send_cq_anm(a, "CNW", "WX QSW416UP=");
    if (a.m(5)) send_cq_anm(a, "L2B", "WX QSW 416");
    if (a.m(0) && a.eh()) send_cq_anm(a, a.ed() ? "9AR" : "YUR", "TFC LIST QSW 439.5");
    if (a.m(0) && a.oh()) send_cq_anm(a, "KPH", "TFC LIST QSW 426 +");

    a.qsa = 4;
    timetable_500khz(a);
    if ((a.h(3) || a.h(22)) && a.m(25)) vpe_wx(a); // Port Stanley's weather to VJD

    // The silence periods: only a short check of the frequency, early in the minute.
    if (silence_period(a.t.minute)) {
        if (a.t.second <= 29) {
            a.stn();
            a.wait(a.rand() % 10 + 2);
            a.dialog1("VVVV  ");
            a.dialog2("SP");
            a.dialog1("SRI");
            a.send_stack("");
        }
        return;
    }

    a.stn();
    const int minute = a.t.minute;
    if (minute == 0 || minute == 14 || minute == 18 || minute == 30 || minute == 44 ||
        minute == 48) {
        if ((minute == 14 || minute == 44) && a.t.second <= 29) {
            opchat(a);
            coast_clg_vsl(a);
        }
        return;
    }

    vsl_coast_tfc_500k(a, 1);
    // Nothing announced in this pass: the ordinary life of the frequency.
    if (a.anm_500 != 0) return;
    vsl_coast_tfc_500k(a, 0);
    const int second = a.t.second;
    const auto at = [second](std::initializer_list<int> seconds) {
        return std::find(seconds.begin(), seconds.end(), second) != seconds.end();
    };
    if (at({12, 33, 44})) navigational_tfc(a);
    if (at({17, 27, 37, 54})) coast_clg_vsl(a);
    if (at({8, 18, 24, 51})) opchat(a);
    if (at({14, 23, 31})) bandxonly(a);
    if (second == 25) vsl2vsl_tfc(a);
    if (second == 55) svvv500(a);
    if (second == 36) qsp(a);
    if (second == 38) vsl500cq(a);
    if (at({2, 13, 41})) a.tuning();
    if (at({5, 11, 20, 35, 47, 58})) vsl_coast_tfc_500k(a, 1);
    if (second == 10 || second == 26) {
        a.stn();
        a.qsa = 1;
        send_cq_anm(a, kMfCoast500QssNo[a.myrand() % 43], "QRU? K");
    }
}

} // namespace zenka
