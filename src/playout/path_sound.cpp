#include "playout/path_sound.h"

#include "platform/sound/random_draw.h"

#include <algorithm>

namespace zenka {
namespace {

enum class Band { Vlf, Lf, Mf };

Band band_of(int freq) { // units of 100 Hz
    if (freq < 300) return Band::Vlf;
    if (freq < 3000) return Band::Lf;
    return Band::Mf;
}

} // namespace

ChannelSound channel_sound(const EmissionParams& params, const ReceiverSettings& settings,
                           const SystemTime& utc, std::uint64_t seed) {
    sound::RandomDraw draw(seed);
    ChannelSound s;
    s.seed = draw.next();
    s.spark = params.spark != 0;
    s.f1 = params._f1 != 0;
    const bool night = !daytime(utc);
    switch (band_of(settings.freq)) {
    case Band::Mf:
        s.fade_rate_hz = night ? draw.between(0.05, 0.6) : draw.between(0.02, 0.08);
        s.fade_depth = night ? draw.between(0.7, 1.0) : draw.between(0.0, 0.15);
        break;
    case Band::Lf:
        s.fade_rate_hz = night ? draw.between(0.02, 0.15) : 0.02;
        s.fade_depth = night ? draw.between(0.2, 0.5) : 0.05;
        break;
    case Band::Vlf:
        break; // steady
    }
    if (params.qsb != 0) {
        s.fade_rate_hz = draw.between(0.1, 0.6);
        s.fade_depth = std::max(s.fade_depth, draw.between(0.9, 1.0));
    }
    if (s.spark) s.chirp_hz = 10.0; // the spark gap's note settles at every key-down
    // qrh 1 wanders at least 5 Hz in every minute, qrh 2 nearly 10 Hz.
    if (params.qrh == 1) {
        s.drift_hz = 9.0;
        s.chirp_hz = 6.0;
    } else if (params.qrh >= 2) {
        s.drift_hz = 16.0;
        s.chirp_hz = 15.0;
    }
    return s;
}

ReceiverSound receiver_sound(const ReceiverSettings& settings, const SystemTime& utc,
                             std::uint64_t seed) {
    ReceiverSound r;
    r.filter = settings.filter;
    r.att = settings.att;
    r.seed = seed;
    const bool night = !daytime(utc);
    const bool hot = summer(utc);
    switch (band_of(settings.freq)) {
    case Band::Vlf:
        r.noise_db = 6.0;
        r.crash_rate_hz = 2.0;
        break;
    case Band::Lf:
        r.noise_db = 3.0;
        r.crash_rate_hz = 1.2;
        break;
    case Band::Mf:
        r.noise_db = 0.0;
        r.crash_rate_hz = 0.4;
        break;
    }
    if (night) {
        r.noise_db += band_of(settings.freq) == Band::Mf ? 4.0 : 2.0;
        r.crash_rate_hz *= 2.0;
    }
    if (hot) {
        r.noise_db += night ? 4.0 : 2.0;
        r.crash_rate_hz *= 3.0;
    }
    return r;
}

} // namespace zenka
