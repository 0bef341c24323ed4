#pragma once
// One set of emission parameters: how a text is keyed.

#include <string_view>

namespace zenka {

// A station's voice: its keying speed, beat tone and strength.
struct Voice {
    int spd = 0; // words per minute
    int ton = 0; // beat tone, Hz
    int qsa = 0; // strength 0 - 5

    friend bool operator==(const Voice&, const Voice&) = default;
};

struct EmissionParams {
    int spd = 20;     // words per minute; a dot unit lasts 1.2 / spd seconds
    int qsa = 3;      // strength step 0 (weakest) .. 5
    int ton = 1000;   // tone request in Hz
    int rto = 0;      // bug-key dash weighting: 0 off, 1..20 up to +1.5 units, above +2
    int _f1 = 0;      // frequency-shift keying: gaps filled with a lower tone
    int sz = 0;       // cut zero: "0" keyed as "T"
    int qrh = 0;      // frequency drift (carried, not rendered)
    int qsb = 0;      // fading (carried, not rendered)
    int katokana = 0; // kana Morse: lower case selects the kana signs
    int bw = 0;       // inverted keying
    int hand = 0;     // hand keying jitter
    int spark = 0;    // spark transmitter sound
    int spacing = 2;  // letter-gap multiplier in dot units

    friend bool operator==(const EmissionParams&, const EmissionParams&) = default;
};

// The strength a step is keyed at: a step above 5 (the in-band switch sends 0 as 6, since a
// zero byte would end the text) is keyed as 0.
constexpr int keyed_strength(int qsa) {
    return qsa > 5 ? 0 : qsa;
}

// How an emission is keyed, as a listener tells it by ear.
enum class Keying {
    machine, // a keyboard or tape: even elements
    hand,    // a straight key: the elements and gaps wander
    bug,     // a semi-automatic key: even dots, long dashes
    spark,   // a spark transmitter's rough note
    f1,      // frequency-shift keying: the gaps filled with a second tone
};

constexpr Keying keying_of(const EmissionParams& p) {
    if (p.spark) return Keying::spark;
    if (p._f1) return Keying::f1;
    if (p.rto) return Keying::bug;
    if (p.hand) return Keying::hand;
    return Keying::machine;
}

// "machine", "hand", "bug", "spark", "F1".
constexpr std::string_view keying_name(Keying k) {
    switch (k) {
    case Keying::machine:
        return "machine";
    case Keying::hand:
        return "hand";
    case Keying::bug:
        return "bug";
    case Keying::spark:
        return "spark";
    case Keying::f1:
        return "F1";
    }
    return "";
}

} // namespace zenka
