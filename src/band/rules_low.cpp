#include "air.h"
#include "band/beacon_tables.h"
#include "band/catalogue.h"
#include "traffic/calls.h"

namespace zenka {
namespace {

// 12.9 kHz, LOU: the marker, and the automatic Morse test in minutes divisible by 4.
void lou(Air& a) {
    a.spd = 19;
    a.ton = 555;
    a.qsa = 1;
    if (a.t.minute % 4 != 0)
        a.send_still("VVV  VVV  VVV  V  LOU  LOU  LOU  +            ");
    else
        automatic_morse(a, 50);
}

constexpr int kHwuTone = 680;
constexpr int kHwuStrength = 3;

// 14.5 kHz, HWU: five-figure groups in minutes 0 - 14, the bound drawn afresh
// before every group, so 10 to 79 of them.
void hwu_groups(Air& a) {
    if (a.t.minute > 14) return;
    a.spd = 24;
    a.ton = kHwuTone;
    a.qsa = kHwuStrength;
    for (std::uint32_t i = 0; i < a.myrand() % 70 + 10; ++i)
        a.send(a.group5f());
    a.send_stack(" + DE HWU QRU ]");
}

// 14.5 kHz, HWU: the marker in minutes 15 - 59.
void hwu_marker(Air& a) {
    if (a.t.minute < 15) return;
    a.spd = 27;
    a.ton = kHwuTone;
    a.qsa = kHwuStrength;
    a.send_still("VVV  DE  HWU   ");
}

// 189.0 - 191.0 kHz, KFN's spark call, heard best in the middle of the range.
void kfn_spark(Air& a) {
    a.qsa = (a.freq >= 1895 && a.freq <= 1904) ? 1 : 0;
    if (a.cond(5)) {
        a.spd = 17;
        a.ton = 888;
        a.send_spark("KFC  KFC  KFC DE KFN K");
    }
}

const Rule kRules[] = {
    {any_of({118, 120, 121, 123, 128, 130, 131, 132}), omega}, // the Omega chain: silent
    {at(129), lou},
    {at(145), hwu_groups},
    {at(145), hwu_marker},
    {between(1890, 1910), kfn_spark},
};

} // namespace

// VLF and LF up to 200.0 kHz: navigation, naval broadcasts, telegraph and press,
// army, LF maritime and weather stations.
std::span<const Rule> low_block() {
    return kRules;
}

} // namespace zenka
