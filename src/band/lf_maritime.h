#pragma once
// Long-wave coast stations whose rules hold several emissions: the South African stations
// sharing 125 and 136 kHz, VAS and GKU with their traffic lists after the announcement on
// 143 kHz, the Great Lakes stations on 419 kHz.

#include "band/station_voices.h"

#include <string_view>

namespace zenka {

class Air;

// A long-wave coast station working ships in minutes from - to of the hour, in the voice
// its rule gives.
void lf_coast(Air& a, int from, int to, Voice voice, std::string_view call,
              std::string_view place);
// A live-stock market report from `market` on weekdays at hhmm, in the rule's voice.
void market_report(Air& a, int hhmm, Voice voice, std::string_view call,
                   std::string_view market);

// ZSC, ZSD, ZSQ and ZSV, each in its quarter of the hour.
void south_african_coast(Air& a);
// 127.0 kHz: VAS's list after its announcement at minute 13 on 143 kHz, its working later.
void vas_127(Air& a);
// 149.0 kHz: GKU's list in hours divisible by 3 after its announcement, its working later.
void gku_149(Air& a);
// 419.0 kHz: the Great Lakes stations in turn through the hour, in the shipping season.
void great_lakes_419(Air& a);

} // namespace zenka
