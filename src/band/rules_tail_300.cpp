#include "band/aero_stations.h"
#include "band/catalogue.h"
#include "band/coast_working.h"
#include "band/rule_kit.h"
#include "band/weather_stations.h"
#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/naval/naval.h"
#include "traffic/toolkit/calling.h"

#include <cstdio>
#include <string_view>

namespace zenka {
namespace {

// 300.0 kHz, PPR: the time signals at 01 and 13 hours, the call in minutes
// 50 - 54, the announcement in 55 - 58 and the signal itself in minute 59.
void ppr(Air& a) {
    if (!a.h(1) && !a.h(13)) return;
    on_air(a, "PPR");
    if (a.ms(50)) {
        send_times(a, "CQ CQ CQ DE PPR PPR PPR  ", 4);
        brasil_wx(a);
    } else if (a.min_period(55, 59))
        times(a, "SIGNAES HORARIOS DE PPR  ", 3);
    else if (a.m(59))
        a.ts2("PPR");
}

void uma4(Air& a) {
    if (a.h_4(7)) message(a, "UMA4", "CQ CQ CQ DE UMA4 UMA4 UMA4 OBS? K");
}

void rplmd_320(Air& a) {
    if (a.min_period(0, 30) && a.cond(3)) cond_call(a, "RPLMD", "CQ CQ CQ DE RPLMD RPLMD QRU? K");
}

void upv_qtc(Air& a) {
    if (a.sked(300) || a.sked(1500)) message(a, "UPV", "CQ CQ CQ DE UPV UPV UPV QTC? K");
}

void upol_322(Air& a) {
    if (a.min_period(0, 30) && a.cond(3)) cond_call(a, "UPOL", "CQ CQ CQ DE UPOL UPOL QRV? K");
}

void upv_obs(Air& a) {
    if (a.ms(40)) message(a, "UPV", "CQ CQ CQ DE UPV UPV UPV OBS QRV K");
    obs_receiving(a, "UPV");
}

void rplmd_325(Air& a) {
    if (a.min_period(30, 0) && a.cond(3)) cond_call(a, "RPLMD", "VVV VVV DE RPLMD RPLMD QTC? K");
}

void uox(Air& a) {
    if (a.ct(400, 2000)) marker(a, "UOX", "VVV VVV VVV DE UOX UOX UOX            ");
}

// 333.0 kHz, GFYV's weather marker at 06:15 and 12:15.
void gfyv(Air& a) {
    if (a.sked(615) || a.sked(1215)) {
        on_air(a, 26, 888, 1);
        a.send_still("CQ CQ CQ DE GFYV GFYV GFYV WX *             ");
    } else {
        norway_aero_qsx(a);
    }
}

// 333.0 kHz, CLA's Spanish press at 15:00 and 20:00.
void cla_press(Air& a) {
    if (a.ct(1500, 1515) || a.ct(2000, 2015)) {
        on_air(a, 30, 1770, 1);
        a.send_stack("cq cq cq de cla cla  emission  de  noticias  = la habana = el gobierno "
                     "anuncia la apertura de nuevas lineas de navegacion entre la habana y "
                     "veracruz = los precios del azucar suben en el mercado de nueva york = "
                     "fin  de cla +");
    }
}

void cla_wx(Air& a) {
    if (a.ct(1400, 1415)) {
        on_air(a, 23, 888, 1);
        a.send_stack("CQ CQ CQ DE CLA CLA CLA WX ");
    }
}

void xae(Air& a) {
    if (a.ct(0, 15) || a.ct(1600, 1615)) {
        on_air(a, 16, 500, 1);
        send_spark(a, "CQ CQ CQ DE XAE XAE XAE METEO              ");
    }
}

// --- 343.0 - 403.0 kHz ---

void ufu(Air& a) {
    if (a.eh() && a.ms(20)) message(a, "UFU", "CQ CQ CQ DE UFU UFU UFU QTC? K");
}

void upm_345(Air& a) {
    if (a.ms(25)) message(a, "UPM", "CQ CQ CQ DE UPM UPM UPM WX K");
}

// 355.0 kHz: three markers through the day, TIKC calling in minutes 45 - 59.
void uhy_marker(Air& a) {
    if (a.ct(0, 800)) marker(a, "UHY", "VVV VVV VVV DE UHY UHY UHY            ");
}

void rao_marker(Air& a) {
    if (a.ct(800, 1600)) marker(a, "RAO", "VVV VVV VVV DE RAO RAO RAO            ");
}

void npu(Air& a) {
    if (a.ct(1600, 0)) marker(a, "NPU", "VVV VVV VVV DE NPU NPU NPU            ");
}

void ffm(Air& a) {
    if (a.m(5) || a.m(35)) {
        on_air(a, "FFM");
        send_cq_anm(a, "FFM", "AVIS AUX NAVIGATEURS =");
    }
}

void uix(Air& a) {
    if (a.ct(2200, 600)) marker(a, "UIX", "VVV VVV VVV DE UIX UIX UIX            ");
}

// 374.0 kHz, an aircraft reporting its time over the fix and its height.
void aircraft_report(Air& a) {
    if (!a.cond(3)) return;
    a.nato_call3();
    const int height = static_cast<int>(a.myrand() % 60) + 5;
    char report[64];
    std::snprintf(report, sizeof report, "%s QTR %02d%02d QAH %d00 K", a.str2.c_str(), a.t.hour,
                  a.t.minute, height);
    a.send_stack(report);
}

void zkn(Air& a) {
    if (a.cond(5)) {
        on_air(a, 17, 1690, 1);
        a.send_stack("CQ CQ CQ DE ZKN ZKN ZKN  HR WX ON RQ + K");
    }
}

void lml(Air& a) {
    if (a.cond(4)) {
        on_air(a, 23, 890, 3);
        a.send_stack("CQ CQ CQ DE LML LML LML K");
    }
}

void sph(Air& a) {
    if (a.sked(130) || a.sked(1330)) message(a, "SPH", "CQ CQ CQ DE SPH SPH SPH QTC? K");
}

void uay(Air& a) {
    if (a.eh() && a.ms(0)) message(a, "UAY", "UCB UCB UCB DE UAY UAY QTC? K");
}

void ucb(Air& a) {
    if (a.eh() && a.ms(5)) message(a, "UCB", "UAY UAY DE UCB UCB QRV K");
}

void vca(Air& a) {
    if (a.min_period(0, 20) && a.cond(2)) cond_call(a, "VCA", "CQ CQ CQ DE VCA VCA VCA QRU? K");
}

void lrf(Air& a) {
    if (a.min_period(20, 0)) marker(a, "LRF", "VVV VVV VVV DE LRF LRF LRF            ");
}

void lmj(Air& a) {
    if (a.min_period(15, 30) && a.cond(3)) cond_call(a, "LMJ", "CQ CQ CQ DE LMJ LMJ LMJ QSA? K");
}

// 400.0 kHz: markers by the clock, the Italian storm warnings at 08:00, 13:00
// and 18:00 (each station five minutes after the one before, ICA at 25), calls
// and spark in the hours between.
void nma(Air& a) {
    if (a.ct(0, 600)) marker(a, "NMA", "VVV VVV VVV DE NMA NMA NMA            ");
}

bool tim_message_time(const Air& a) {
    return a.min_sked_10(30);
}

void tim_marker(Air& a) {
    if (a.ct(2000, 0) && !tim_message_time(a))
        marker(a, "TIM", "VVV VVV VVV DE TIM TIM TIM            ");
}

void inm(Air& a) {
    if (a.ct(1000, 1400)) marker(a, "INM", "VVV VVV VVV DE INM INM INM            ");
}

void vcf(Air& a) {
    if (a.ct(600, 800) && a.cond(3)) cond_call(a, "VCF", "CQ CQ CQ DE VCF VCF VCF QRU? K");
}

void jtj(Air& a) {
    if (a.ct(1500, 1600)) spark(a, "JTJ", "CQ CQ CQ DE JTJ JTJ JTJ K");
}

// The storm-warning slot `minute` past 08, 13 and 18 hours.
bool storm_slot(const Air& a, int minute) {
    return a.sked(800 + minute) || a.sked(1300 + minute) || a.sked(1800 + minute);
}

void idl(Air& a) {
    if (storm_slot(a, 0)) repeat(a, "IDL", "CQ CQ CQ V IDL IDL IDL AVVISI TEMPESTA    ", 3);
}

void ich(Air& a) {
    if (storm_slot(a, 5)) repeat(a, "ICH", "CQ CQ CQ V ICH ICH ICH AVVISI TEMPESTA    ", 3);
}

void icv(Air& a) {
    if (storm_slot(a, 10)) repeat(a, "ICV", "CQ CQ CQ V ICV ICV ICV AVVISI TEMPESTA    ", 3);
}

void ico(Air& a) {
    if (a.ct(1900, 1930)) spark(a, "ICO", "CQ CQ CQ V ICO ICO ICO K");
}

void ica(Air& a) {
    if (storm_slot(a, 25)) repeat(a, "ICA", "CQ CQ CQ V ICA ICA ICA AVVISI TEMPESTA    ", 3);
}

void hjw(Air& a) {
    if (a.ct(1600, 1700) && a.ms(0)) message(a, "HJW", "CQ CQ CQ DE HJW HJW HJW QRU? K");
}

void tim_message(Air& a) {
    if (a.ct(2000, 0) && tim_message_time(a))
        message(a, "TIM", "CQ CQ CQ DE TIM TIM TIM QTC 2 = K");
}

void hpk(Air& a) {
    if (a.sked(400) || a.sked(1600)) message(a, "HPK", "CQ CQ CQ DE HPK HPK HPK QTC? K");
}

// --- 530.0 - 999.0 kHz ---

void uel(Air& a) {
    if (a.min_period(5, 0)) marker(a, "UEL", "VVV VVV VVV DE UEL UEL UEL            ");
}

void rmp(Air& a) {
    if (a.min_period(0, 15) && a.cond(3)) cond_call(a, "RMP", "CQ CQ CQ DE RMP RMP RMP QRU? K");
}

void wym(Air& a) {
    if (a.ms(15)) message(a, "WYM", "CQ CQ CQ DE WYM WYM WYM QTC? K");
}

void wyg(Air& a) {
    if (a.ms(20)) message(a, "WYG", "CQ CQ CQ DE WYG WYG WYG QTC? K");
}

void wzy(Air& a) {
    if (a.ms(25)) message(a, "WZY", "CQ CQ CQ DE WZY WZY WZY QTC? K");
}

void upol_550(Air& a) {
    if (a.min_period(30, 0) && a.cond(3)) cond_call(a, "UPOL", "CQ CQ CQ DE UPOL UPOL QRU? K");
}

void upm_574(Air& a) {
    if (a.min_period(0, 30) && a.cond(3)) cond_call(a, "UPM", "CQ CQ CQ DE UPM UPM UPM QRU? K");
}

void xfu(Air& a) {
    if (a.h_2(20)) {
        on_air(a, "XFU");
        send_cq(a, "XFU");
    }
}

void wvj(Air& a) {
    if (a.min_period(30, 45)) spark(a, "WVJ", "CQ CQ CQ DE WVJ WVJ WVJ K");
}

void wrl(Air& a) {
    if (a.sked(200) || a.sked(2000)) message(a, "WRL", "CQ CQ CQ DE WRL WRL WRL QTC? K");
}

// 665.1 - 666.9 kHz, spark ship calls.
void kat(Air& a) {
    if (a.min_period(0, 30) && a.cond(3)) {
        on_air(a, 17, 590, 4);
        a.qrh = 1;
        send_spark(a, "CQ CQ CQ V KAT KAT KAT UP 6TT K");
    }
}

void kau(Air& a) {
    if (a.min_period(30, 0) && a.cond(3)) {
        on_air(a, 16, 510, 4);
        send_spark(a, "CQ CQ CQ V KAU KAU KAU UP 6TT K");
    }
}

void fsm(Air& a) {
    if (a.min_period(0, 30) && a.cond(3)) {
        on_air(a, 15, 550, 3);
        a.hand = 1;
        send_spark(a, "< FEI FEI FEU FEU V FSM FSM FSM QTE? K");
    }
}

void ship_sparks(Air& a) {
    kat(a);
    kau(a);
    fsm(a);
}

void fup(Air& a) {
    if (a.ct(600, 2200)) marker(a, "FUP", "VVV VVV VVV DE FUP FUP FUP            ");
}

void ncm(Air& a) {
    if (a.min_period(0, 15) && a.cond(3)) spark(a, "NCM", "CQ CQ CQ DE NCM NCM NCM K");
}

void zmk(Air& a) {
    if (a.min_period(40, 0) && a.cond(3)) cond_call(a, "ZMK", "CQ CQ CQ DE ZMK ZMK ZMK QRU? K");
}

void kbv(Air& a) {
    if (a.min_period(0, 30) && a.cond(3)) spark(a, "KBV", "CQ CQ CQ DE KBV KBV KBV K");
}

void sac(Air& a) {
    if (a.min_period(30, 0) && a.cond(3)) spark(a, "SAC", "CQ CQ CQ DE SAC SAC SAC K");
}

// 999.0 kHz and above, the spark weather net.
void hand_spark(Air& a, int spd, int ton, int qsa, std::string_view text) {
    on_air(a, spd, ton, qsa);
    a.hand = 1;
    send_spark(a, text);
}

void kag(Air& a) {
    if (a.sked(700)) hand_spark(a, 14, 560, 2, "< CQ CQ CQ V KAG KAG KAG METEO ");
}

void kaf(Air& a) {
    if (a.sked(705)) hand_spark(a, 15, 560, 2, "< CQ CQ CQ V KAF KAF KAF METEO ");
}

void kbr_meteo(Air& a) {
    if (a.sked(710)) hand_spark(a, 15, 560, 2, "< < < KBR KBR KBR METEO ");
}

void kbr_call(Air& a) {
    if (a.min_period(15, 20)) hand_spark(a, 15, 540, 2, "< KAF KAF KAF V KBR KBR K");
}

void kbw(Air& a) {
    if (a.min_period(20, 30)) hand_spark(a, 14, 550, 3, "< < ^ ^ KAJ KAJ KAJ V KBW K");
}

void kbc(Air& a) {
    if (a.min_period(30, 40)) {
        on_air(a, 12, 530, 4);
        a.bug();
        send_spark(a, "<  KBW KBW KBW V KBC K");
    }
}

void kbl(Air& a) {
    if (a.min_period(40, 0)) hand_spark(a, 16, 520, 5, "<<< KAG KAG KAG V KBL + K");
}

// clang-format off
const Rule kRules[] = {
    {at(3000), "PPR times, brasil_wx, signaes times, PPR ts2", ppr},
    {any_of({3050, 3800}), "UMA4 text", uma4},
    {at(3075), "fleetwave_975", [](Air& a) { fleetwave_975(a); }},
    {at(3100), "marine_qte MRGL", [](Air& a) { if (a.min_period(40, 50) && a.cond(3)) marine_qte(a, 1, "MRGL"); }},
    {at(3200), "RPLMD cond", rplmd_320},
    {at(3210), "UPV text", upv_qtc},
    {at(3220), "acft_clg_gnd DIK", [](Air& a) { if (a.cond(4)) acft_clg_gnd(a, "DIK"); }},
    {at(3220), "aero_qte OXS2", [](Air& a) { if (a.cond(2)) aero_qte(a, 2, "OXS2"); }},
    {at(3225), "UPOL cond", upol_322},
    {at(3225), "UPV text, rcvg_obs_msg UPV", upv_obs},
    {at(3250), "australian_gnd", [](Air& a) { australian_gnd(a); }},
    {at(3250), "RPLMD cond", rplmd_325},
    {at(3260), "UOX marker", uox},
    {at(3270), "clg_327", [](Air& a) { if (a.cond(3)) clg_327(a); }},
    {at(3295), "gnd_ans_acft ILS", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "ILS"); }},
    {at(3300), "gnd_ans_acft DIJ", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "DIJ"); }},
    {at(3300), "gnd_ans_acft DIR", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "DIR"); }},
    {at(3300), "gnd_ans_acft DIM", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "DIM"); }},
    {at(3300), "gnd_ans_acft DIS", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "DIS"); }},
    {at(3300), "norway_aero", [](Air& a) { norway_aero(a); }},
    {at(3330), "int_clg_333", [](Air& a) { int_clg_333(a); }},
    {at(3330), "australian_aero", [](Air& a) { australian_aero(a); }},
    {at(3330), "german_fb DORM", [](Air& a) { if (a.min_sked_20(0)) german_fb(a, "DORM"); }},
    {at(3330), "german_fb DODB", [](Air& a) { if (a.min_sked_20(20)) german_fb(a, "DODB"); }},
    {at(3330), "german_fb DOFW", [](Air& a) { if (a.min_sked_20(40)) german_fb(a, "DOFW"); }},
    {at(3330), "GFYV marker, norway_aero_qsx", gfyv},
    {at(3330), "old_aero_qte", [](Air& a) { if (a.cond(8)) old_aero_qte(a, 5, ""); }},
    {at(3330), "cla text", cla_press},
    {at(3330), "CLA text", cla_wx},
    {at(3330), "XAE spark", xae},
    {at(3350), "gnd_ans_acft AWC", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "AWC"); }},
    {at(3350), "gnd_ans_acft YRI", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "YRI"); }},
    {at(3357), "gnd_ans_acft ILE", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "ILE"); }},
    {at(3357), "gnd_ans_acft ILY", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "ILY"); }},
    {at(3360), "gnd_ans_acft DDA", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "DDA"); }},
    {at(3360), "gnd_ans_acft DDB", [](Air& a) { if (a.cond(10)) gnd_ans_acft(a, "DDB"); }},
    {at(3360), "gnd_ans_acft DIA", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "DIA"); }},
    {at(3360), "gnd_ans_acft DIB", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "DIB"); }},
    {at(3360), "gnd_ans_acft DIC", [](Air& a) { if (a.cond(8)) gnd_ans_acft(a, "DIC"); }},
    {at(3360), "gnd_ans_acft DIF", [](Air& a) { if (a.cond(10)) gnd_ans_acft(a, "DIF"); }},
    {at(3360), "gnd_ans_acft DIG", [](Air& a) { if (a.cond(13)) gnd_ans_acft(a, "DIG"); }},
    {at(3360), "gnd_ans_acft DIH", [](Air& a) { if (a.cond(14)) gnd_ans_acft(a, "DIH"); }},
    {at(3360), "gnd_ans_acft DIN", [](Air& a) { if (a.cond(11)) gnd_ans_acft(a, "DIN"); }},
    {at(3360), "gnd_ans_acft DIO", [](Air& a) { if (a.cond(15)) gnd_ans_acft(a, "DIO"); }},
    {at(3360), "gnd_ans_acft DIQ", [](Air& a) { if (a.cond(13)) gnd_ans_acft(a, "DIQ"); }},
    {at(3360), "gnd_ans_acft DIR", [](Air& a) { if (a.cond(7)) gnd_ans_acft(a, "DIR"); }},
    {at(3360), "gnd_ans_acft DIS", [](Air& a) { if (a.cond(12)) gnd_ans_acft(a, "DIS"); }},
    {at(3360), "gnd_ans_acft DIW", [](Air& a) { if (a.cond(9)) gnd_ans_acft(a, "DIW"); }},
    {at(3360), "gnd_ans_acft DIZ", [](Air& a) { if (a.cond(14)) gnd_ans_acft(a, "DIZ"); }},
    {at(3360), "gnd_ans_acft DU", [](Air& a) { if (a.cond(16)) gnd_ans_acft(a, "DU"); }},
    {at(3360), "gnd_ans_acft TXD", [](Air& a) { if (a.cond(15)) gnd_ans_acft(a, "TXD"); }},
    {at(3360), "gnd_ans_acft TXE", [](Air& a) { if (a.cond(17)) gnd_ans_acft(a, "TXE"); }},
    {at(3360), "gnd_ans_acft FSZ", [](Air& a) { if (a.cond(19)) gnd_ans_acft(a, "FSZ"); }},
    {at(3360), "gnd_ans_acft FGH", [](Air& a) { if (a.cond(18)) gnd_ans_acft(a, "FGH"); }},
    {at(3360), "gnd_ans_acft YRD", [](Air& a) { if (a.cond(20)) gnd_ans_acft(a, "YRD"); }},
    {at(3360), "gnd_ans_acft YRF", [](Air& a) { if (a.cond(21)) gnd_ans_acft(a, "YRF"); }},
    {at(3365), "gnd_ans_acft SAT", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "SAT"); }},
    {at(3370), "great_lakes_old WGO", [](Air& a) { if (a.settings.hist && a.t.month >= 4 && a.min_period(20, 28)) great_lakes_old(a, "WGO"); }},
    {at(3375), "gnd_ans_acft DDK", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "DDK"); }},
    {at(3380), "gnd_ans_acft DDF", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "DDF"); }},
    {at(3380), "gnd_ans_acft DDN", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "DDN"); }},
    {at(3380), "gnd_ans_acft DDP", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "DDP"); }},
    {at(3380), "gnd_ans_acft DDV", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "DDV"); }},
    {at(3380), "gnd_ans_acft FNC", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "FNC"); }},
    {at(3380), "gnd_ans_acft FNS", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "FNS"); }},
    {at(3380), "gnd_ans_acft HBW", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "HBW"); }},
    {at(3400), "gnd_ans_acft DDG", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "DDG"); }},
    {at(3400), "gnd_ans_acft DDX", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "DDX"); }},
    {at(3400), "gnd_ans_acft DDK", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "DDK"); }},
    {at(3400), "gnd_ans_acft DDU", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "DDU"); }},
    {at(3400), "gnd_ans_acft DIW", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "DIW"); }},
    {at(3400), "gnd_ans_acft FND", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "FND"); }},
    {at(3400), "gnd_ans_acft HBZ", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "HBZ"); }},
    {at(3400), "gnd_ans_acft TXE", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "TXE"); }},
    {at(3400), "gnd_ans_acft YRK", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "YRK"); }},
    {at(3400), "gnd_ans_acft YRN", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "YRN"); }},
    {at(3420), "gnd_ans_acft DDL", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "DDL"); }},
    {at(3420), "gnd_ans_acft DDM", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "DDM"); }},
    {at(3420), "gnd_ans_acft DDT", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "DDT"); }},
    {at(3420), "gnd_ans_acft DDU", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "DDU"); }},
    {at(3420), "gnd_ans_acft DDW", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "DDW"); }},
    {at(3420), "gnd_ans_acft FNL", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "FNL"); }},
    {at(3430), "UFU text", ufu},
    {at(3430), "great_lakes_old WCY", [](Air& a) { if (a.settings.hist && a.t.month >= 4 && a.min_period(0, 8)) great_lakes_old(a, "WCY"); }},
    {at(3430), "great_lakes_old WHT", [](Air& a) { if (a.settings.hist && a.t.month >= 4 && a.min_period(40, 48)) great_lakes_old(a, "WHT"); }},
    {at(3430), "great_lakes_old WHQ", [](Air& a) { if (a.settings.hist && a.t.month >= 4 && a.min_period(50, 58)) great_lakes_old(a, "WHQ"); }},
    {at(3430), "great_lakes_old WRL", [](Air& a) { if (a.settings.hist && a.t.month >= 4 && a.min_period(20, 28)) great_lakes_old(a, "WRL"); }},
    {at(3450), "gnd_ans_acft DDX3", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "DDX3"); }},
    {at(3450), "gnd_ans_acft HSR", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "HSR"); }},
    {at(3450), "UPM text", upm_345},
    {at(3460), "aerodrome_freq HBW", [](Air& a) { aerodrome_freq(a, "HBW"); }},
    {at(3470), "aerodrome_freq HBX", [](Air& a) { aerodrome_freq(a, "HBX"); }},
    {at(3480), "gnd_ans_acft FNC", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "FNC"); }},
    {at(3480), "gnd_ans_acft FND", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "FND"); }},
    {at(3480), "gnd_ans_acft FNL", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "FNL"); }},
    {at(3480), "gnd_ans_acft FNS", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "FNS"); }},
    {at(3500), "aerodrome_freq HBY", [](Air& a) { aerodrome_freq(a, "HBY"); }},
    {at(3545), "polish_army_old HOD/DSJ", [](Air& a) { polish_army_old(a, "HOD", "DSJ"); }},
    {at(3550), "UHY marker", uhy_marker},
    {at(3550), "RAO marker", rao_marker},
    {at(3550), "NPU marker", npu},
    {at(3550), "TIKC vvv", [](Air& a) { if (a.min_period(45, 0)) send_vvv(a, "TIKC"); }},
    {at(3570), "gnd_ans_acft XANV", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "XANV"); }},
    {at(3570), "marine_qte MRGK", [](Air& a) { if (a.min_period(0, 10) && a.cond(3)) marine_qte(a, 0, "MRGK"); }},
    {at(3575), "russian_navy_2ww", [](Air& a) { russian_navy_2ww(a); }},
    {at(3590), "gnd_ans_acft XAPX", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "XAPX"); }},
    {at(3600), "aero_stn CXN/MVD", [](Air& a) { if (a.reg2_day()) { on_air(a, "CXN"); aero_stn(a, "CXN", "MVD"); } }},
    {at(3600), "gnd_ans_acft YTU", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "YTU"); }},
    {any_of({3610, 3940}), "FFM anm", ffm},
    {at(3625), "polish_army_old BYD/PLM", [](Air& a) { polish_army_old(a, "BYD", "PLM"); }},
    {at(3630), "HHP vvv", [](Air& a) { if (a.min_period(0, 15)) send_vvv(a, "HHP"); }},
    {at(3650), "gnd_ans_acft XACN", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "XACN"); }},
    {at(3705), "UIX marker", uix},
    {at(3730), "gnd_ans_acft XANP", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "XANP"); }},
    {at(3735), "polish_army_old UTC/NSE", [](Air& a) { polish_army_old(a, "UTC", "NSE"); }},
    {at(3740), "nato_call3", aircraft_report},
    {at(3750), "old_aero_qte, marine_qte", [](Air& a) { if (a.t.minute % 2 == 1) old_aero_qte(a, 1, ""); else marine_qte(a, 2, ""); }},
    {at(3750), "ZKN text", zkn},
    {at(3750), "LML text", lml},
    {at(3750), "chilean_old_nw CCJ", [](Air& a) { if (a.sked(203) || a.sked(1413)) { a.ton = 510; a.qsa = 1; chilean_old_nw(a, "CCJ"); } }},
    {at(3750), "apia_wx", apia_375},
    {at(3770), "gnd_ans_acft XANW", [](Air& a) { if (a.cond(4)) gnd_ans_acft(a, "XANW"); }},
    {at(3800), "SPH text", sph},
    {at(3800), "gnd_ans_acft XADA", [](Air& a) { if (a.cond(6)) gnd_ans_acft(a, "XADA"); }},
    {at(3850), "UAY text", uay},
    {at(3850), "UCB text", ucb},
    {at(3900), "VCA cond", vca},
    {at(3900), "LRF marker", lrf},
    {at(3920), "gnd_ans_acft XACW", [](Air& a) { if (a.cond(3)) gnd_ans_acft(a, "XACW"); }},
    {at(3940), "alaska_packers_vsl", [](Air& a) { if (a.settings.hist && a.t.month >= 5 && a.t.month <= 9 && a.cond(4)) alaska_packers_vsl(a); }},
    {at(3945), "LMJ cond", lmj},
    {at(3950), "wx_anm VIC", vic_395},
    {at(3955), "russian_navy_2ww", [](Air& a) { russian_navy_2ww(a); }},
    {at(3960), "usarmy_vsl", [](Air& a) { usarmy_vsl(a); }},
    {at(3980), "gnd_ans_acft XANH", [](Air& a) { if (a.cond(5)) gnd_ans_acft(a, "XANH"); }},
    {at(3990), "old_aero_qte", [](Air& a) { if (a.cond(3)) old_aero_qte(a, 4, ""); }},
    {at(4000), "NMA marker", nma},
    {at(4000), "TIM marker", tim_marker},
    {at(4000), "INM marker", inm},
    {at(4000), "VCF cond", vcf},
    {at(4000), "JTJ spark", jtj},
    {at(4000), "IDL times", idl},
    {at(4000), "ICH times", ich},
    {at(4000), "ICV times", icv},
    {at(4000), "ICO spark", ico},
    {at(4000), "ICA times", ica},
    {at(4000), "old_vsl_qtc", [](Air& a) { if (a.ct(100, 300) && a.cond(4)) old_vsl_qtc(a); }},
    {at(4000), "HJW text", hjw},
    {at(4000), "TIM text", tim_message},
    {at(4020), "polish_army_old CAA/LRC", [](Air& a) { polish_army_old(a, "CAA", "LRC"); }},
    {at(4030), "HPK text", hpk},
    {at(4570), "uscg NOY", [](Air& a) { uscg(a, "NOY"); }},
    {at(4570), "polish_army_old AOT/KKY", [](Air& a) { polish_army_old(a, "AOT", "KKY"); }},
    {at(5300), "UEL marker", uel},
    {at(5380), "RMP cond", rmp},
    {at(5380), "WYM text", wym},
    {at(5380), "WYG text", wyg},
    {at(5380), "WZY text", wzy},
    {at(5500), "UPOL cond", upol_550},
    {at(5740), "UPM cond", upm_574},
    {at(5800), "XFU cq", xfu},
    {at(6315), "wvj spark", wvj},
    {at(6565), "polish_army_old ERA/PDK", [](Air& a) { polish_army_old(a, "ERA", "PDK"); }},
    {at(6600), "WRL text", wrl},
    {range(6651, 6669), "KAT spark, KAU spark, FSM spark", ship_sparks},
    {at(6670), "FUP marker", fup},
    {at(6850), "NCM spark", ncm},
    {at(7330), "polish_army_old MCZ/ZBR", [](Air& a) { polish_army_old(a, "MCZ", "ZBR"); }},
    {at(7500), "ZMK cond", zmk},
    {at(8000), "KBV spark", kbv},
    {at(8000), "SAC spark", sac},
    {at(9210), "polish_army_old DLZ/PIL", [](Air& a) { polish_army_old(a, "DLZ", "PIL"); }},
    {from(9990), "KAG spark", kag},
    {from(9990), "KAF spark", kaf},
    {from(9990), "KBR spark", kbr_meteo},
    {from(9990), "KBR spark", kbr_call},
    {from(9990), "KBW spark", kbw},
    {from(9990), "KBC spark", kbc},
    {from(9990), "KBL spark", kbl},
};
// clang-format on

} // namespace

// 300.0 kHz and up of the tail: beacons' neighbours, aeronautical and weather stations,
// 457.0 and 530.0 kHz, the broadcast band's spark stations.
std::span<const Rule> tail_300_rules() {
    return kRules;
}

} // namespace zenka
