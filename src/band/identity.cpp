#include "band/identity.h"

#include "band/catalogue.h"
#include "band/label.h"
#include "compose/air.h"
#include "traffic/registry.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace zenka {
namespace {

// The service a generator family gives; unknown for the fixed texts and the machine
// emissions, which take their station's.
Service family_service(Family f, bool on_500) {
    switch (f) {
    case Family::fixed_text:
    case Family::machine:
        return Service::unknown;
    case Family::time_signal:
        return Service::time_signal;
    case Family::navigation:
        return Service::beacon;
    case Family::maritime:
        return Service::maritime;
    case Family::calling_500:
        return on_500 ? Service::calling_500 : Service::maritime;
    case Family::weather:
        return Service::weather;
    case Family::naval:
        return Service::naval;
    case Family::military:
        return Service::military;
    case Family::aeronautical:
        return Service::aeronautical;
    case Family::telecom:
        return Service::telecom;
    }
    return Service::unknown;
}

bool is_time_signal(const EmissionKind* k) {
    return k != nullptr && k->family == Family::time_signal && k->name != "tuning";
}

// One emission of a label, read once.
struct Emission {
    std::string call;         // the station it names, or ""
    const EmissionKind* kind; // null for a kind the registry lacks
    Service service;          // what its kind gives, unknown for a fixed text or machine
};

// A rule's label read once: its emissions, the calls it names and what they say.
struct RuleIdentity {
    StationId station; // label, the calls the label names, by_chance; service unknown
    std::vector<Emission> emissions;
    Service generators = Service::unknown; // the service of the rule's first generator
    bool time_signals = false;             // the rule sends time signals
};

// The arguments of a generator emission that may be call signs ("WQL/IDG" -> WQL, IDG).
std::vector<std::string> argument_calls(std::string_view emission) {
    std::vector<std::string> out;
    const std::size_t space = emission.find(' ');
    if (space == std::string_view::npos) return out;
    std::string_view args = emission.substr(space + 1);
    for (std::size_t at = 0; at <= args.size();) {
        const std::size_t slash = std::min(args.find('/', at), args.size());
        std::string arg(args.substr(at, slash - at));
        std::transform(arg.begin(), arg.end(), arg.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (!arg.empty()) out.push_back(arg);
        at = slash + 1;
    }
    return out;
}

RuleIdentity read_rule(const Rule& rule) {
    RuleIdentity r;
    r.station.label = rule.label;
    r.station.by_chance = drawn_by_chance(rule);
    const bool on_500 = rule.freq.contains(5000);
    for (std::string_view e : label_emissions(rule.label)) {
        Emission em{emission_call(e), registered_kind(e), Service::unknown};
        if (em.kind != nullptr) em.service = family_service(em.kind->family, on_500);
        if (em.kind != nullptr && !em.kind->fixed && r.generators == Service::unknown &&
            em.kind->family != Family::time_signal)
            r.generators = em.service;
        r.time_signals = r.time_signals || is_time_signal(em.kind);
        if (!em.call.empty() && std::find(r.station.calls.begin(), r.station.calls.end(),
                                          em.call) == r.station.calls.end())
            r.station.calls.push_back(em.call);
        r.emissions.push_back(std::move(em));
    }
    return r;
}

// Everything read from the station catalogue once: each rule's identity, in block order,
// and the service of every call a generator names.
struct CatalogueIdentities {
    Catalogue catalogue = station_catalogue();
    std::array<std::vector<RuleIdentity>, 3> blocks;
    std::unordered_map<std::string, Service> call_service;

    CatalogueIdentities() {
        const std::array<std::span<const Rule>, 3> spans = {catalogue.low, catalogue.marine,
                                                            catalogue.tail};
        for (std::size_t b = 0; b < spans.size(); ++b) {
            for (const Rule& rule : spans[b]) {
                blocks[b].push_back(read_rule(rule));
                const bool on_500 = rule.freq.contains(5000);
                for (std::string_view e : label_emissions(rule.label)) {
                    const EmissionKind* k = registered_kind(e);
                    if (k == nullptr || k->fixed) continue;
                    const Service s = family_service(k->family, on_500);
                    if (s == Service::unknown || s == Service::time_signal) continue;
                    for (const std::string& call : argument_calls(e))
                        call_service.emplace(call, s);
                }
            }
        }
    }

    // The identity of a rule of the catalogue, or null for a rule from elsewhere.
    const RuleIdentity* find(const Rule& rule) const {
        const std::array<std::span<const Rule>, 3> spans = {catalogue.low, catalogue.marine,
                                                            catalogue.tail};
        for (std::size_t b = 0; b < spans.size(); ++b) {
            const Rule* first = spans[b].data();
            if (&rule >= first && &rule < first + spans[b].size())
                return &blocks[b][static_cast<std::size_t>(&rule - first)];
        }
        return nullptr;
    }

    Service of_call(std::string_view call) const {
        const auto it = call_service.find(std::string(call));
        return it == call_service.end() ? Service::unknown : it->second;
    }
};

const CatalogueIdentities& identities() {
    static const CatalogueIdentities instance;
    return instance;
}

// The second marks of a time signal: "E" and four blanks, again and again.
bool holds_second_marks(std::string_view text) {
    return text.find("E    E    E    E    ") != std::string_view::npos;
}

std::vector<std::string> slot_calls(std::string_view text, bool kana,
                                    const std::vector<std::string>& named) {
    std::vector<std::string> calls = calls_in_text(text, kana);
    if (calls.empty()) calls = named_calls_in_text(text, kana, named);
    return calls;
}

// The emission of the rule that sent a slot naming `calls`.
const Emission* emission_of(const RuleIdentity& r, const std::vector<std::string>& calls,
                            std::string_view text) {
    if (r.emissions.empty()) return nullptr;
    if (r.emissions.size() == 1) return &r.emissions.front();
    if (r.time_signals && holds_second_marks(text))
        for (const Emission& e : r.emissions)
            if (is_time_signal(e.kind)) return &e;
    for (const std::string& call : calls)
        for (const Emission& e : r.emissions)
            if (e.call == call && !is_time_signal(e.kind)) return &e;
    for (const Emission& e : r.emissions)
        if (e.kind != nullptr && !e.kind->fixed) return &e;
    return &r.emissions.front();
}

Service station_service(const RuleIdentity& r, const Emission* e,
                        const std::vector<std::string>& calls, int freq, std::string_view text) {
    if (e != nullptr && e->service != Service::unknown) return e->service;
    if (r.generators != Service::unknown) return r.generators;
    if (e != nullptr && !e->call.empty())
        if (const Service s = identities().of_call(e->call); s != Service::unknown) return s;
    for (const std::string& call : calls)
        if (const Service s = identities().of_call(call); s != Service::unknown) return s;
    return default_service(freq, text);
}

// The identity read once for a rule of the catalogue; one from elsewhere is read into
// `scratch`.
const RuleIdentity& identity_of(const Rule& rule, RuleIdentity& scratch) {
    if (const RuleIdentity* known = identities().find(rule)) return *known;
    scratch = read_rule(rule);
    return scratch;
}

bool has_word(std::string_view text, std::string_view word) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const bool starts = at == 0 || text[at - 1] == ' ';
        const std::size_t end = at + word.size();
        if (starts && (end == text.size() || text[end] == ' ')) return true;
    }
    return false;
}

} // namespace

Service default_service(int freq, std::string_view text) {
    for (std::string_view w : {"WX", "METEO", "OBS", "TTT"})
        if (has_word(text, w)) return Service::weather;
    if (freq < 1000) return Service::naval;
    if (freq <= 2000) return Service::telecom;
    if (freq <= 4050) return Service::aeronautical;
    return Service::maritime;
}

StationId own_station(std::string label, Service service, std::string_view call, bool by_chance) {
    StationId s;
    s.label = std::move(label);
    s.service = service;
    s.by_chance = by_chance;
    if (!call.empty()) s.calls.emplace_back(call);
    return s;
}

void mark_on_air(Air& a, int first_slot, std::size_t first_sound, const StationId& station) {
    for (int k = std::max(first_slot, 0); k < std::min(a.open_slot, Air::kSlots); ++k) {
        const auto i = static_cast<std::size_t>(k);
        StationId& s = a.slot_station[i];
        s = station;
        s.calls = slot_calls(a.send_buf[i], a.slot_params[i].katokana != 0, station.calls);
    }
    a.mark_sounds(first_sound, station);
}

std::vector<Service> emission_services(const Rule& rule, int freq) {
    RuleIdentity scratch;
    const RuleIdentity& r = identity_of(rule, scratch);
    std::vector<Service> out;
    out.reserve(r.emissions.size());
    for (const Emission& e : r.emissions) {
        std::vector<std::string> calls;
        if (!e.call.empty()) calls.push_back(e.call);
        out.push_back(station_service(r, &e, calls, freq, ""));
    }
    return out;
}

void run_rule(Air& a, const Rule& rule) {
    const int first_slot = a.open_slot;
    const std::size_t first_sound = a.so_far().sounds.size();
    rule.act(a);
    RuleIdentity scratch;
    const RuleIdentity& r = identity_of(rule, scratch);
    for (int k = std::max(first_slot, 0); k < std::min(a.open_slot, Air::kSlots); ++k) {
        const auto i = static_cast<std::size_t>(k);
        const std::string_view text = a.send_buf[i];
        StationId& s = a.slot_station[i];
        s.label = r.station.label;
        s.calls = slot_calls(text, a.slot_params[i].katokana != 0, r.station.calls);
        const Emission* e = emission_of(r, s.calls, text);
        s.service = station_service(r, e, s.calls, a.settings.freq, text);
        s.by_chance = r.station.by_chance || (e != nullptr && e->kind && e->kind->by_chance);
        const Frequencies::Nominal stands = rule.freq.nominal(a.settings.freq);
        s.freq = stands.freq;
        s.reach = stands.reach;
    }
    if (a.so_far().sounds.size() > first_sound) {
        StationId s = r.station;
        const Emission* e = emission_of(r, s.calls, "");
        s.service = station_service(r, e, s.calls, a.settings.freq, "");
        a.mark_sounds(first_sound, s);
    }
}

} // namespace zenka
