#pragma once
// The naval and military family: fleet broadcasts, naval coast stations, army nets and the MF naval
// stations. Generators are free functions over the context, `void name(Air& a, ...)`; they keep no
// state of their own. Their tables stand beside them in this folder (tables.h).

#include "traffic/naval/tables.h"

#include <string_view>

namespace zenka {

class Air;

// --- Naval shore stations and warships ---
// A fleet broadcast: the marker tape, or a ship worked, or a figure-cipher message, or nothing.
// The ship is one of the first count - 1 calls.
void naval_coast(Air& a, std::string_view tape, std::string_view own_call, CallList calls,
                 int count);
// The same in the older procedure; NPM sends its fleet telegram where the others keep silent.
void naval_coast_old(Air& a, std::string_view tape, std::string_view own_call, CallList calls,
                     int count);
// The tape, with ship working in even hours and a letter-cipher message in odd hours.
void italian_naval(Air& a, std::string_view tape, std::string_view own_call);
// A figure-cipher broadcast in even seconds, the running tape in odd ones.
void brasilian_navy(Air& a, std::string_view own_call);
// A wartime fleet figure message, by chance.
void russian_navy_2ww(Air& a);
// One short letter burst.
void uboot_mf(Air& a);
// One machine burst at 600 words per minute.
void courier(Air& a);
// Three stations sending "F", "T" and "G" in turn.
void ftg(Air& a);
// A coast-guard station's call to a merchant vessel, by chance.
void jap_coast_guard(Air& a, std::string_view own_call);
// A three-turn operator exchange between two stations.
void usn_old_ochat(Air& a, std::string_view own_call, std::string_view other_call);

// --- Military nets ---
// A flash of figure groups and a code word in frequency-shift keying, in minutes divisible by 5.
void xxx_flash(Air& a, std::string_view text, int mode);
// An army net's call to an out-station or a figure message, by chance.
void polish_army_old(Air& a, std::string_view called, std::string_view own_call);
// One kana call between two random stations.
void rand_jap_mil_call(Air& a);
// count + 1 kana groups appended to the open slot, which stays open. The length code: 4 or 5
// signs and a space, 6 or 7 four or five signs and three spaces.
void kato_groups(Air& a, int length, int count);
// A kana cipher message closed with " K"; a length of 128 and more keeps the current voice.
void katokana_qtc(Air& a, int length, int count);

// --- MF naval and army stations ---
// GBR's fleet broadcast: the message list at 20 wpm, the messages at 40.
void gbr_navy(Air& a);
// GBR's broadcast to all British ships.
void gbr_naval(Air& a);
// A fleet-wave call from a shore station to a ship, in spark.
void fleetwave_975(Air& a);
// An aircraft calling one of the first n - 1 ground stations.
void usarmy_air_corps(Air& a, std::span<const std::string_view> stations, int n);
// An army boat calling a shore station.
void usarmy_vsl(Air& a);
// One state police station calling another.
void pa_state_police(Air& a);
// An army net call from `calling` to `called`, by chance.
void can_army(Air& a, std::string_view called, std::string_view calling);

} // namespace zenka
