#pragma once
// The steady carrier's file "ZENKA09.WAV": a square wave of two samples a period
// at a sample rate of sampling x tone, so that its pitch is half that rate.

#include "compose/composition.h"

#include <filesystem>

namespace zenka {

// Carrier amplitude (about 128) per strength step; 6 and 7 give a silent carrier.
int carrier_amplitude(int qsa);

// Writes the carrier `r` asks for; false if the file could not be written whole.
bool write_carrier_file(const std::filesystem::path& file, const SoundRequest& r, int sampling,
                        int channel);

} // namespace zenka
