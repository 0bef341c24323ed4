#include "band/catalogue.h"
#include "band/rule_kit.h"

namespace zenka {

// 100.0 - 139.9 kHz: naval stations and time signals, market reports, the LF
// ship channels and coast stations.
std::span<const Rule> lf_100_rules() {
    return {};
}

} // namespace zenka
