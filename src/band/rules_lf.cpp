#include "band/catalogue.h"
#include "band/rule_kit.h"

namespace zenka {

// 40.0 - 99.9 kHz: naval and commercial long-wave stations, time signals,
// weather and market reports.
std::span<const Rule> lf_rules() {
    return {};
}

} // namespace zenka
