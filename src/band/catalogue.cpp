#include "band/catalogue.h"

#include <initializer_list>
#include <vector>

namespace zenka {

namespace {

std::vector<Rule> joined(std::initializer_list<std::span<const Rule>> parts) {
    std::vector<Rule> all;
    for (auto part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

std::span<const Rule> low_block() {
    static const std::vector<Rule> rules =
        joined({vlf_rules(), lf_rules(), lf_100_rules(), lf_140_rules()});
    return rules;
}

std::span<const Rule> marine_block() {
    static const std::vector<Rule> rules = joined({marine_rules(), marine_470_rules()});
    return rules;
}

std::span<const Rule> tail_block() {
    static const std::vector<Rule> rules = joined({tail_rules(), tail_300_rules()});
    return rules;
}

Catalogue station_catalogue() {
    return {low_block(), marine_block(), tail_block()};
}

} // namespace zenka
