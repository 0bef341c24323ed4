#pragma once
// Reading a rule's label: its emissions in order ("NAA marker, auto"), the kind of
// each (a fixed text after a call sign, "NAA marker", or a generator with its
// arguments, "coast_station_lf FFP/LEHAVRE"), the station each names, and what the
// registry of emission kinds says of them.

#include "band/catalogue.h"
#include "traffic/registry.h"

#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// "NAA marker, auto" -> {"NAA marker", "auto"}.
std::vector<std::string_view> label_emissions(std::string_view label);

// The kind of one emission: "NAA marker" -> "marker", "ts" -> "ts",
// "coast_station_lf FFP/LEHAVRE" -> "coast_station_lf".
std::string_view emission_kind(std::string_view emission);

// The registered kind of one emission, or null for a kind the registry lacks.
const EmissionKind* registered_kind(std::string_view emission);

// The call sign an emission names, in upper case: the station of a fixed text
// ("NAA marker" -> "NAA") or a generator's first argument ("coast_station_mf
// PCH/SCHEVENINGEN" -> "PCH"); empty when it names none (a kind alone, or the
// unnamed "V" station).
std::string emission_call(std::string_view emission);

// A rule all of whose emissions are drawn by chance at any hour (the operators'
// chat, the aircraft, the long-wave ship working), rather than kept to a timetable.
bool drawn_by_chance(const Rule& rule);

} // namespace zenka
