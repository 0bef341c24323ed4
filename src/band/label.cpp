#include "band/label.h"

#include <algorithm>
#include <cctype>

namespace zenka {

std::vector<std::string_view> label_emissions(std::string_view label) {
    std::vector<std::string_view> out;
    for (std::size_t at = 0;;) {
        const std::size_t comma = label.find(", ", at);
        out.push_back(label.substr(at, comma - at));
        if (comma == std::string_view::npos) break;
        at = comma + 2;
    }
    return out;
}

std::string_view emission_kind(std::string_view emission) {
    const std::size_t space = emission.find(' ');
    if (space == std::string_view::npos) return emission;
    const std::string_view second = emission.substr(space + 1);
    if (second.find(' ') == std::string_view::npos)
        if (const EmissionKind* k = find_kind(second); k && k->fixed) return second;
    return emission.substr(0, space);
}

const EmissionKind* registered_kind(std::string_view emission) {
    return find_kind(emission_kind(emission));
}

std::string emission_call(std::string_view emission) {
    const std::size_t space = emission.find(' ');
    if (space == std::string_view::npos) return "";
    const bool generator = emission_kind(emission) == emission.substr(0, space);
    std::string_view call = generator ? emission.substr(space + 1) : emission.substr(0, space);
    call = call.substr(0, call.find('/'));
    std::string out(call);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out == "V" ? "" : out;
}

bool drawn_by_chance(const Rule& rule) {
    const std::vector<std::string_view> emissions = label_emissions(rule.label);
    return std::all_of(emissions.begin(), emissions.end(), [](std::string_view e) {
        const EmissionKind* k = registered_kind(e);
        return k && k->by_chance;
    });
}

} // namespace zenka
