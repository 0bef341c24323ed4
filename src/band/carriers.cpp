#include "band/background.h"
#include "band/dispatcher.h"
#include "band/identity.h"
#include "compose/air.h"

namespace zenka {
namespace {

// The long-wave broadcast transmitters heard as carriers, at strength 4 unless noted.
struct Broadcast {
    int freq;
    int tone;
    int qsa;
};

constexpr Broadcast kLongWave[] = {
    {1620, 1400, 4}, {1710, 1100, 4}, {1770, 1100, 4}, {1830, 1400, 4}, {1890, 1200, 4},
    {1980, 1400, 4}, {2070, 1400, 2}, {2160, 1400, 4}, {2250, 1000, 5}, {2340, 1000, 4},
    {2430, 1000, 4}, {2520, 1000, 4}, {2610, 1300, 4}, {2700, 1000, 4}, {2790, 1000, 4},
};

// Names the carriers asked for from the `from`th sound on.
void name_carriers(Air& a, std::size_t from, const char* label) {
    if (a.so_far().sounds.size() > from)
        a.mark_sounds(from, own_station(label, Service::background));
}

} // namespace

void carriers(Air& a) {
    get_background(a, background_table());

    const std::size_t first = a.so_far().sounds.size();
    a.qsa = 4;
    for (const Broadcast& b : kLongWave) {
        if (a.settings.freq != b.freq) continue;
        a.qsa = b.qsa;
        a.n0n(b.tone);
    }
    name_carriers(a, first, "carrier long-wave broadcaster");

    // Medium-wave broadcasters on the 9 kHz raster from 531 kHz.
    const std::size_t raster = a.so_far().sounds.size();
    a.qsa = a.rand() % 4 + 2;
    if (a.settings.freq > 5309 && a.settings.freq % 90 == 0) a.n0n(a.rand() % 200 + 1000);

    // By night, weaker ones on the 10 kHz raster from 540 kHz.
    if (a.night()) {
        a.qsa = a.rand() % 2;
        if (a.settings.freq > 5399 && a.settings.freq % 100 == 0) a.n0n(a.rand() % 600 + 1300);
    }
    name_carriers(a, raster, "carrier medium-wave broadcaster");
}

} // namespace zenka
