#include "band/catalogue.h"

#include <vector>

namespace zenka {

std::span<const Rule> low_block() {
    static const std::vector<Rule> rules = [] {
        std::vector<Rule> all;
        for (auto part : {vlf_rules(), lf_rules(), lf_100_rules(), lf_140_rules()})
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }();
    return rules;
}

Catalogue station_catalogue() {
    return {low_block(), marine_block(), tail_block()};
}

} // namespace zenka
