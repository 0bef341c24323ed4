#pragma once
// The weather family: weather bulletins in figure code and plain language, and navigational
// warnings. Generators are free functions over the context, `void name(Air& a, ...)`; they keep no
// state of their own. Their tables stand beside them in this folder.

#include <span>
#include <string_view>

namespace zenka {

class Air;

// A list of observing stations: index numbers, place codes or place names.
using Stations = std::span<const std::string_view>;

// The last synoptic main hour: 0, 6, 12 or 18.
int meteo_hour(const Air& a);

// One station's report in figure code, appended to the open slot.
void f13_code(Air& a, std::string_view prefix);
void f11_code(Air& a, std::string_view prefix);
void f111_code(Air& a, std::string_view prefix);
// One station's report in the five-group code of kind 253.
void ukr_code(Air& a, std::string_view prefix);

// A synoptic figure-code bulletin of kind 11, 111 or 253 from the first n stations of the list.
void wx_code(Air& a, std::string_view call, std::string_view heading, int kind, Stations stations,
             int n);
// The Italian marine-meteorological bulletin in figures (historical stations only).
void italian_naval_code(Air& a, std::string_view call, Stations places, int n);
// A plain-language observation bulletin from the first n places.
void wx_plain(Air& a, std::string_view call, Stations places, int n);
// Appends a synoptic bulletin header and the text in str2 to the open slot; advances nr.
void synop(Air& a, std::string_view heading1, std::string_view heading2, int repeat);

// Weather announcement calls.
void wx_anm(Air& a, std::string_view call);
void meteo_anm(Air& a, std::string_view call);
void wx_anm_hand(Air& a, std::string_view call);

// The fixed station broadcasts.
void nss_wx(Air& a);
void gfa(Air& a);
void brasil_wx(Air& a);
void japan_wx(Air& a);
void apia_wx(Air& a);
void vpe_wx(Air& a);
// The weather-bureau broadcasts, closed plainly (mode 1) or by spark.
void uswb(Air& a, int mode);
void uswbsf(Air& a, int mode);

// NAVAREA warning broadcasts by the given station.
void navarea_iv(Air& a, std::string_view call);
void navarea_vii(Air& a, std::string_view call);
void navarea_viii(Air& a, std::string_view call);
void navarea_xii(Air& a, std::string_view call);
void navarea_xiii(Air& a, std::string_view call);
void navarea_xiv(Air& a, std::string_view call);

} // namespace zenka
