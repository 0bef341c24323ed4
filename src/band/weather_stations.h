#pragma once
// The weather and navigational-warning stations of the catalogue: the actions of the rules whose
// emissions are weather bulletins and NAVAREA warnings, and a shape for a station's own
// broadcast by a weather generator.

#include "band/rule_kit.h"
#include "traffic/weather/weather.h"

namespace zenka {

// A weather or warning generator that takes the broadcasting station's call sign.
using CallBroadcast = void (*)(Air& a, std::string_view call);

// The station's broadcast in its own voice.
inline void broadcast(Air& a, Station s, CallBroadcast generator) {
    on_air(a, s);
    generator(a, s.call);
}

// The station's synoptic figure-code bulletin in its own voice.
inline void figure_bulletin(Air& a, Station s, std::string_view heading, int kind,
                            Stations stations) {
    on_air(a, s);
    wx_code(a, s.call, heading, kind, stations, static_cast<int>(stations.size()));
}

void nss_21(Air& a);
void nss_22(Air& a);
void nss_51(Air& a);
void uswbsf_64(Air& a);
void jrw_69(Air& a);
void gfa_73(Air& a);
void raz_79(Air& a);
void oha_wx(Air& a, int slot);
void rno_86(Air& a);
void raz_105(Air& a);
void sxa_109(Air& a);
void uswb_113(Air& a);
void jmc_wx(Air& a);
void rag_136(Air& a);
void uswbsf_157(Air& a);
void egb_167(Air& a);
void apia_375(Air& a);
void vic_395(Air& a);
void italian_coast_418(Air& a);
void cwa_495(Air& a);
void navarea_475(Air& a);

} // namespace zenka
