#pragma once
// Atmospheric noise of the long and medium waves as an AM receiver renders it: a steady
// band-limited hiss with a low rumble, and static crashes from distant lightning - sharp
// impulsive clicks, often in quick bursts, of widely varying strength.
//
// Everything is generated as one period of a loop (wrap-around filtering, crashes that
// run over the end continue at the start), so the result repeats without a seam.

#include "sound.h"

#include <cstdint>

namespace zenka::fone {

struct NoiseRecipe {
    double seconds;
    int rate;
    std::uint64_t seed;
    double hiss_rms;           // level of the steady hiss
    double crashes_per_second; // mean number of lightning events
    double crash_peak;         // burst level of the strongest crashes, before limiting
};

Signal band_noise(const NoiseRecipe& recipe);

// The loop the receiver plays under everything: 30 s at 8000 samples/s.
Sound make_noise_loop();

} // namespace zenka::fone
