#pragma once
// The fixed background stations: on a few exact frequencies a recorded or
// synthesised signal (voice, teleprinter, facsimile, SITOR, a carrier) is heard
// beneath the traffic while BGND is on.

#include <span>

namespace zenka {

class Air;

struct BackgroundEntry {
    int freq; // units of 100 Hz
    int code; // which signal, and how often it repeats
};

// The 64 entries, in the order that decides which one counts: the first match.
std::span<const BackgroundEntry> background_table();

// Starts the background signal of the tuned frequency, if any.
void get_background(Air& a, std::span<const BackgroundEntry> table);

} // namespace zenka
