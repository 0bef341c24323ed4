#pragma once
// A receiver over the catalogue's band at a fixed moment, with a silent sound output and
// no panel: what a test tunes through to see what the band window would be shown.

#include "band/dispatcher.h"
#include "platform/sound/null_sound.h"
#include "shell/panel_view.h"
#include "shell/receiver.h"
#include "support/temp_folder.h"

namespace zenka::test {

struct BandReceiver {
    explicit BandReceiver(const char* utc) : clock(*parse_utc(utc)) {}

    // Retuned to `freq`, as a memory recall retunes.
    void retune(int freq) {
        playout.stop_all();
        rx.settings.freq = freq;
        rx.dsp_freq();
    }

    TempFolder folder;
    FixedClock clock;
    RandomSource random;
    sound::NullSound out;
    Playout playout{out, clock, random, folder.path()};
    NoPanel view;
    Receiver rx{clock, random, playout, view, [](Air& a) { band(a); }};
};

} // namespace zenka::test
