#include "band/catalogue.h"
#include "band/rule_kit.h"

namespace zenka {
namespace {

// 189.0 - 191.0 kHz, KFN's spark call, heard best in the middle of the range.
void kfn_spark(Air& a) {
    a.qsa = (a.freq >= 1895 && a.freq <= 1904) ? 1 : 0;
    if (a.cond(5)) {
        a.spd = 17;
        a.ton = 888;
        a.send_spark("KFC  KFC  KFC DE KFN K");
    }
}

// clang-format off
const Rule kRules[] = {
    {between(1890, 1910), "KFN spark", kfn_spark},
};
// clang-format on

} // namespace

// 140.0 - 200.0 kHz: the LF calling frequency and ship channels, traffic lists,
// army nets, naval and weather stations.
std::span<const Rule> lf_140_rules() {
    return kRules;
}

} // namespace zenka
