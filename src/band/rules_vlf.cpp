#include "band/beacon_tables.h"
#include "band/catalogue.h"
#include "band/rule_kit.h"

namespace zenka {
namespace {

// 12.9 kHz, LOU: the marker, and the automatic Morse test in minutes divisible by 4.
void lou(Air& a) {
    on_air(a, "LOU");
    marker_or_auto(a, "VVV  VVV  VVV  V  LOU  LOU  LOU  +            ", 4, 50);
}

// 14.5 kHz, HWU: five-figure groups in minutes 0 - 14, the bound drawn afresh
// before every group, so 10 to 79 of them; the marker in minutes 15 - 59.
void hwu(Air& a) {
    on_air(a, "HWU");
    if (a.t.minute <= 14) {
        for (std::uint32_t i = 0; i < a.myrand() % 70 + 10; ++i)
            a.send(a.group5f());
        a.send_stack(" + DE HWU QRU ]");
    } else {
        a.spd = 27;
        a.send_still("VVV  DE  HWU   ");
    }
}

// clang-format off
const Rule kRules[] = {
    {any_of({118, 120, 121, 123, 128, 130, 131, 132}), "omega", omega},
    {at(129), "LOU marker, auto", lou},
    {at(145), "HWU text, HWU marker", hwu},
};
// clang-format on

} // namespace

// VLF, 10.0 - 39.9 kHz: naval broadcasts, navigation and the transoceanic
// telegraph links.
std::span<const Rule> vlf_rules() {
    return kRules;
}

} // namespace zenka
