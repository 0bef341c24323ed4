// The fixed weather broadcasts: NSS's gale warning and analysis, GFA's synoptic collective, the
// Brazilian, Japanese, Apia and Port Stanley bulletins and the weather-bureau broadcasts.

#include "traffic/toolkit/dates.h"
#include "traffic/weather/kit.h"
#include "traffic/weather/tables.h"
#include "traffic/weather/weather.h"

#include <string>

namespace zenka {
using weather::r;
using weather::send_fill;

namespace {

// Day, hour, day, main hour, hour, month, day; month, day.
constexpr std::string_view kNssGale =
    "nss nss = part one ii gr 58 = wwnt nss %02d%02d00z zpv/%02d%02d00z uswb %02d00z %s %d "
    "western north atlantic gale warning = low 42n 58w 998 mbs moving ene 25 kts = winds 35 to "
    "45 kts seas 12 to 18 ft within 300 miles of center se semicircle = forecast low 45n 49w "
    "994 mbs by 12z %s %d = winds 35 to 50 kts seas to 20 ft within 400 miles s semicircle = "
    "cold front from low to 38n 60w to 32n 68w = elsewhere winds less than 34 kts = ";

constexpr std::string_view kNssAnalysis =
    "part three ii gr 248 = asnt nss %02d%02d00z 10001 33388 0%02d%02d x  ";

constexpr std::string_view nss_1 =
    "99900 80455 42580 99822 88845 81220 42580 99800 14205 85430 37680 10224 44475 36470 "
    "10301 85560 32730 10198 33322 42580 44530 48480 50440 52400 54360 55320 66655 38600 "
    "36640 34690 32740 30780 28830 66600 41670 40650 39620 37590 35560 66677 47520 45540 "
    "43570 41610 99911 = ";

constexpr std::string_view nss_2 =
    "part four ii gr 96 = fznt nss forecast valid 24 hours = area 1 north of 40n west of 50w "
    "winds sw 25 to 35 kts veering nw 30 to 40 kts after frontal passage seas 10 to 16 ft "
    "rain and snow showers vsby below 2 miles in precipitation = area 2 30n to 40n west of 55w "
    "winds w to nw 20 to 30 kts seas 8 to 12 ft scattered showers = area 3 south of 30n winds "
    "ne 15 to 20 kts seas 5 to 7 ft fair = ships requested to report weather every 6 hours to "
    "nss via nearest coast station = ";

// Month x 120 + hour, day, main hour, day, main hour.
constexpr std::string_view kGfaHeader = "NR %d SMEU01 EGRR %02d%02d00 RRC = AAXX %02d%02d4 = ";

constexpr std::string_view kGfaReports =
    "01001 11456 70133 10021 21005 39876 40012 58015 70222 88572 = "
    "01008 12460 80216 11035 21050 39902 40031 52008 76162 87350 = "
    "01025 11360 62518 10012 21020 30011 40120 52014 60002 85272 = "
    "01241 12470 41912 10044 20001 30086 40151 56009 = "
    "01384 11555 20304 10071 20038 30012 40211 52006 70211 83070 = "
    "03005 11465 81934 10067 20042 39887 40002 57024 72582 87657 = "
    "03772 12583 51206 10094 20061 30142 40247 53011 81171 = "
    "03953 11470 82328 10102 20089 39998 40091 58021 76062 88576 = "
    "04030 11462 72422 11012 21034 39866 39987 56018 73882 87300 = "
    "06011 11358 81825 10048 20031 39951 40028 58017 76066 87652 + DE GFA ]";

constexpr std::string_view kBrasilHeader =
    "= PART THREE = WEATHER FCST VALID FM %02d1200 TO %02d1200 = ";

constexpr std::string_view brasil_wx_4 =
    "AREA ALFA ARROIO CHUI TO CABO SANTA MARTA GRANDE = WIND SE 4 TO 5 BACKING E 3 TO 4 AFTER "
    "1800 UTC = WAVES SE 1.5 TO 2.5 M = VIS GOOD BECOMING MODERATE IN SHOWERS = AREA BRAVO CABO "
    "SANTA MARTA GRANDE TO CABO FRIO = WIND NE 3 TO 4 = WAVES E 1.0 TO 1.5 M = VIS GOOD = "
    "AREA CHARLIE CABO FRIO TO CARAVELAS = WIND NE 4 = WAVES NE 1.5 M = VIS GOOD = ";

constexpr std::string_view brasil_wx_5 =
    "AREA DELTA CARAVELAS TO SALVADOR = WIND E 3 TO 4 = WAVES E 1.0 TO 1.5 M = ISOLATED "
    "SHOWERS = AREA ECHO SALVADOR TO NATAL = WIND SE 4 = WAVES SE 1.5 TO 2.0 M = VIS GOOD = "
    "AREA FOXTROT NATAL TO SAO LUIS = WIND E 4 TO 5 = WAVES E 2.0 M = AREA GOLF SAO LUIS TO "
    "CABO ORANGE = WIND NE 4 = WAVES NE 1.5 M = SCATTERED SHOWERS VIS MODERATE = "
    "METEOROMARINHA RIO = ";

// Next day, day; next day; next day; next day.
constexpr std::string_view kJapan =
    "TOKYO WX %02d1500JST ISSUED AT %02d1900JST = KANTO AREA NORTH WIND 3 CLOUDY OCCASIONALLY "
    "RAIN LATER FINE = SEA MODERATE = NAGOYA WX %02d0300JST = TOKAI AREA NORTHWEST WIND 4 "
    "FINE LATER CLOUDY = SEA SLIGHTLY ROUGH = KOBE WX %02d1500JST = SETONAIKAI EAST WIND 2 "
    "CLOUDY SOMETIMES FINE = FOG PATCHES IN MORNING = SENDAI WX %02d1500JST = TOHOKU PACIFIC "
    "SIDE WEST WIND 5 FINE = SEA ROUGH OFF KINKASAN = ";

// Month, day; weekday.
constexpr std::string_view kUswb =
    "qst qst qst de naa naa naa       uswb %s %d = forecast till 8 pm %s = southeast storm "
    "warnings displayed 10 am delaware breakwater to eastport = disturbance central off "
    "hatteras moving northeast attended by strong shifting gales = atlantic coast north of "
    "hatteras fresh to strong east and northeast winds becoming northwest tonight = rain = "
    "gulf coast moderate north winds fair = marvin ";

constexpr std::string_view kUswbsf =
    "qst qst qst de nph nph nph       uswbsf %s %d = forecast till 5 pm %s = san francisco bay "
    "region fair tonight and tomorrow moderate westerly winds = coast point arena to point "
    "conception fog in the morning fresh northwest winds = off the coast north of cape "
    "mendocino southwest gales with rain = storm warnings ordered 9 am eureka and port "
    "orford = mcadie ";

void uswb_form(Air& a, std::string_view tmpl, int mode) {
    a.spd = 15;
    a.ton = 900;
    a.qsa = 4;
    const std::string text = fill(tmpl, {std::string(months[a.t.month - 1]), a.t.day,
                                         std::string(dayname[(a.t.day_of_week + 6) % 7])});
    if (mode == 1) {
        a.send_stack(text);
        return;
    }
    a.send(text);
    weather::close_spark(a, "");
}

} // namespace

void nss_wx(Air& a) {
    a.spd = 27;
    a.ton = 1000;
    a.qsa = 4;
    send_times(a, "CQ CQ CQ DE NSS NSS NSS  WX *            ", 2);
    a.wait(2);
    const int mh = meteo_hour(a);
    const std::string month(months[a.t.month - 1]);
    send_fill(a, kNssGale,
              {a.t.day, a.t.hour, a.t.day, mh, a.t.hour, month, a.t.day, month, a.t.day});
    send_fill(a, kNssAnalysis, {a.t.day, mh, a.t.day, mh});
    a.send(nss_1);
    a.wait(240);
    a.send(nss_2);
    a.send_stack("  + DE NSS QRU ]");
}

void gfa(Air& a) {
    if (a.t.hour % 4 != 0) return;
    a.spd = 18;
    a.ton = 1200;
    a.qsa = 4;
    a.send("CQ CQ CQ DE GFA GFA GFA HR WX *");
    a.wait(3);
    const int mh = meteo_hour(a);
    send_fill(a, kGfaHeader, {a.t.month * 120 + a.t.hour, a.t.day, mh, a.t.day, mh});
    a.send_stack(kGfaReports);
}

void brasil_wx(Air& a) {
    a.spd = 21;
    const int next = next_day(a);
    send_fill(a, kBrasilHeader, {a.t.day, next});
    a.send(brasil_wx_4);
    a.send(brasil_wx_5);
    a.wait(3);
    a.send_stack("");
}

void japan_wx(Air& a) {
    a.wait(2);
    a.send("HR WX = ");
    const int next = next_day(a);
    send_fill(a, kJapan, {next, a.t.day, next, next, next});
    a.send(" + DE JMC ]");
    a.send_stack("");
}

void apia_wx(Air& a) {
    a.spd = 17;
    a.ton = 1222;
    a.qsa = 1;
    a.send("QST QST QST DE ZMA ZMA ZMA  WX  ");
    for (const std::string_view place : apia_obs_stn) {
        const int sky = static_cast<int>(a.myrand() % 2);
        const int force = r(a, 3) + 1;
        const std::string dir(wind_dir[static_cast<std::size_t>(r(a, 15))]);
        const int X = r(a, 11);
        const int hundredths = r(a, 99);
        const int inches = r(a, 3) + 29;
        send_fill(a, "%s %d %02d %d %d %s %d %s =  ",
                  {std::string(place), inches, hundredths, X + 75, X + 74, dir, force,
                   std::string(clouds[static_cast<std::size_t>(sky)])});
    }
    a.send(" ] de zma");
    weather::close_spark(a, "");
}

void vpe_wx(Air& a) {
    a.spd = 16;
    a.ton = 1777;
    a.qsa = 1;
    a.send("VJD VJD VJD DE VPE VPE VPE  WEATHER    ");
    const std::string dir(wind_dir[static_cast<std::size_t>(r(a, 15))]);
    const int hundredths = r(a, 999);
    const int inches = r(a, 3) + 29;
    send_fill(a, "%d%03d %s 5 gusty and heavy rain =  ] de VPE", {inches, hundredths, dir});
    weather::close_spark(a, "");
}

void uswb(Air& a, int mode) {
    uswb_form(a, kUswb, mode);
}

void uswbsf(Air& a, int mode) {
    uswb_form(a, kUswbsf, mode);
}

} // namespace zenka
