#include "band/ship_channels.h"

#include "band/rule_kit.h"
#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/calls.h"

#include <algorithm>
#include <initializer_list>

namespace zenka {
namespace {

bool second_in(const Air& a, std::initializer_list<int> seconds) {
    return std::find(seconds.begin(), seconds.end(), a.t.second) != seconds.end();
}

} // namespace

void call_ship(Air& a, const char* station) {
    get_vsl(a);
    clg_cond(a, station, a.ship_call, 2);
}

void ships_425(Air& a) {
    vsl_clg_coast_mf(a, 1);
    if (second_in(a, {2, 42, 6, 46, 22, 57, 24, 59, 26, 52, 28, 54, 30, 5, 33, 11, 36, 14, 39, 17}))
        vsl_clg_coast_mf(a, 0);
    if (second_in(a, {0, 40, 23, 58, 32, 10, 37, 15, 19})) obs_tfc_mf(a, 425);
    if (second_in(a, {1, 41, 25, 51})) obs_special_tfc_mf(a);
    if (a.t.second == 3) call_ship(a, "S3K");
    if (a.t.second == 43) call_ship(a, "4YP");
    if (second_in(a, {7, 47, 20, 55, 27, 53, 34, 12, 18})) port_wave(a, 425);
    if (second_in(a, {8, 48, 21, 56, 29, 4, 35, 13, 38, 16})) russian_vsl(a);
    if (second_in(a, {19, 49, 31, 9})) marine_tuning(a);
}

void ships_454(Air& a) {
    vsl_clg_coast_mf(a, 1);
    if (second_in(a, {0,  3,  4,  6,  8,  10, 12, 14, 16, 18, 21, 23, 25, 27, 29,
                      31, 33, 35, 36, 38, 40, 43, 45, 47, 49, 51, 53, 54, 56, 58}))
        vsl_clg_coast_mf(a, 0);
    if (second_in(a, {11, 15, 24, 37, 46, 57})) port_wave(a, 454);
    if (second_in(a, {7, 13, 19, 20, 39, 50, 59})) russian_vsl(a);
    if (second_in(a, {1, 26, 41, 44})) marine_tuning(a);
    if (second_in(a, {2, 9, 17, 22, 30, 42, 48, 55})) obs_tfc_mf(a, 454);
    if (second_in(a, {5, 28, 34, 52})) obs_special_tfc_mf(a);
    if (a.t.second == 32) call_ship(a, "4YP");
}

void ships_468(Air& a) {
    vsl_clg_coast_mf(a, 1);
    if (a.t.second % 2 == 0 && a.t.second != 0 && a.t.second != 30) vsl_clg_coast_mf(a, 0);
    if (second_in(a, {1, 7, 11, 17, 23, 29, 31, 37, 43, 49, 53, 59})) russian_vsl(a);
    if (second_in(a, {3, 9, 19, 27, 33, 41, 51, 57})) obs_tfc_mf(a, 468);
    if (second_in(a, {5, 21, 39, 55})) obs_special_tfc_mf(a);
    if (second_in(a, {15, 25, 35, 45})) marine_tuning(a);
    if (a.t.second == 13) call_ship(a, "4YP");
    if (a.t.second == 47) send_cq(a, "CBI");
}

void ships_480(Air& a) {
    vsl_clg_coast_mf(a, 1);
    if (a.t.second == 0) call_ship(a, "4YP");
    if (second_in(a, {1,  3,  5,  7,  9,  11, 13, 19, 21, 23, 25, 27,
                      29, 31, 33, 35, 37, 39, 41, 43, 45, 47, 50, 52}))
        vsl_clg_coast_mf(a, 0);
    if (second_in(a, {2, 10, 18, 22, 30, 34, 42, 55})) russian_vsl(a);
    if (second_in(a, {4, 14, 28, 38, 46, 49, 53, 59})) obs_tfc_mf(a, 480);
    if (second_in(a, {6, 17, 24, 56})) obs_special_tfc_mf(a);
    if (second_in(a, {8, 15, 24, 32, 40, 58})) marine_tuning(a);
    if (second_in(a, {12, 20, 36, 44, 48, 54})) port_wave(a, 480);
}

void ships_512(Air& a) {
    if (a.t.second % 2 == 1)
        vsl_clg_coast_mf(a, 0);
    else if (a.t.minute % 21 == 0)
        vsl2vsl_tfc(a);
    else
        obs_tfc_mf(a, 512);
    if (a.cond(2))
        russian_vsl(a);
    else
        port_wave(a, 512);
}

namespace {

// A general call at its minute, keyed by hand and heard only now and then.
struct MinuteCall {
    int minute;
    int spd, ton, qsa;
    const char* text;
};

// clang-format off
// 512.0 kHz, the calls of every hour.
constexpr MinuteCall k512Calls[] = {
    {10, 27, 1555, 1, "CQ CQ CQ DE RUZU RUZU K            "},
    {11, 23, 1333, 2, "CQ CQ CQ DE XVG XVG XVG QRU? PSE UP 454 K            "},
    {25, 27, 1888, 1, "CQ CQ CQ DE UGE2 UGE2 K            "},
    {35, 23, 1333, 2, "CQ CQ CQ DE XVT XVT XVT QRU? PSE UP 425 K            "},
    {49, 27, 1888, 2, "CQ CQ CQ DE CBS CBS CBS QRU? K"},
};
// 512.0 kHz, the Soviet calls in hours divisible by 6.
constexpr MinuteCall k512SovietCalls[] = {
    {45, 27, 1777, 1, "CQ CQ CQ DE UBA UBA OBS? K            "},
    {46, 27, 1999, 1, "CQ CQ CQ DE UMA4 UMA4 QSX 8373 QSS 512 K"},
    {47, 27, 1333, 1, "CQ CQ CQ DE UDY UDY QSX 8373 QSS 512 OBS? K"},
};
// clang-format on

// 512.0 kHz, the Indian coast stations' working at their minutes.
struct IndianCoast {
    int minute, spd, ton;
    const char* call;
    const char* place;
};
constexpr IndianCoast k512IndianCoast[] = {{13, 21, 588, "VWM", "MADRAS"},
                                           {23, 20, 520, "VWC", "CALCUTTA"},
                                           {33, 21, 540, "VWB", "BOMBAY"}};

void cond_call(Air& a, const MinuteCall& c) {
    on_air(a, c.spd, c.ton, c.qsa);
    a.send_cond(c.text);
}

} // namespace

// 512.0 kHz, a working frequency: general calls by minute, the Argentine
// warnings by the clock and the Soviet calls in hours divisible by 6.
void working_512(Air& a) {
    ships_512(a);
    const int minute = a.t.minute;
    for (const MinuteCall& c : k512Calls)
        if (c.minute == minute) cond_call(a, c);
    // The Indian coast stations work their ships by hand at their minutes.
    for (const IndianCoast& c : k512IndianCoast)
        if (c.minute == minute) {
            on_air(a, c.spd, c.ton, 3);
            a.hand = 1;
            coast_station_mf(a, c.call, c.place);
        }
    if (a.sked(1330)) {
        on_air(a, 17, 1444, 2);
        a.send_stack("TTT TTT TTT DE LPC2 LPC2 LPC2 AVISOS A LOS NAVEGANTES");
    }
    if (a.sked(30) || a.sked(1230)) {
        on_air(a, 17, 1444, 2);
        a.send_stack(
            "TTT TTT TTT DE LPD LPD LPD AVISOS A LOS NAVEGANTES Y NOTICIAS SOBRES A LOS RIOS");
    }
    if (a.sked(1700) || a.sked(2200)) {
        on_air(a, 17, 1200, 2);
        a.send_stack(
            "TTT TTT TTT DE LPM LPM LPM AVISOS A LOS NAVEGANTES Y NOTICIAS SOBRES LOS RIOS");
    }
    if (a.t.second == 35) svvv500(a);
    if (a.t.hour % 6 != 0) return;
    for (const MinuteCall& c : k512SovietCalls)
        if (a.m(c.minute)) cond_call(a, c);
}

} // namespace zenka
