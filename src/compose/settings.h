#pragma once
// The receiver's settings as a retune reads them: the tuned frequency and the
// switches of the panel. The receiver owns them; a composing pass gets a copy.

#include "platform/audio_filter.h"

namespace zenka {

struct ReceiverSettings {
    int freq = 0;                 // tuned frequency in units of 100 Hz
    int sampling = 4;             // playback rate multiplier: 4 normal pitch, 3 three quarters
    Filter filter = Filter::flt2; // audio filter, FLT1 or FLT2
    int att = 0;                  // attenuator
    int channel = 1;              // audio channels written into the file header
    int hist = 1;                 // historical stations
    int clips = 1;                // audio clips
    int bkgnd = 1;                // background stations
    int qrn = 1;                  // band noise
    int scan = 0;                 // scanning

    friend bool operator==(const ReceiverSettings&, const ReceiverSettings&) = default;
};

} // namespace zenka
