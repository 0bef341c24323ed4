#include "shell/station_directory.h"

#include "band/identity.h"
#include "band/label.h"
#include "shell/dial.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <span>

namespace zenka {
namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string upper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

template <class T> void add_once(std::vector<T>& to, const T& value) {
    if (std::find(to.begin(), to.end(), value) == to.end()) to.push_back(value);
}

// The runs of the dial a rule covers.
std::vector<FrequencySpan> spans_of(const Frequencies& f) {
    std::vector<FrequencySpan> out;
    for (int freq = kDialLowest; freq <= kDialHighest; ++freq) {
        if (!f.contains(freq)) continue;
        if (!out.empty() && out.back().hi == freq - 1)
            out.back().hi = freq;
        else
            out.push_back({freq, freq});
    }
    return out;
}

// Rising, each once, the ones that overlap or touch joined.
void join(std::vector<FrequencySpan>& spans) {
    std::sort(spans.begin(), spans.end(),
              [](const FrequencySpan& a, const FrequencySpan& b) { return a.lo < b.lo; });
    std::vector<FrequencySpan> out;
    for (const FrequencySpan& s : spans) {
        if (!out.empty() && s.lo <= out.back().hi + 1)
            out.back().hi = std::max(out.back().hi, s.hi);
        else
            out.push_back(s);
    }
    spans = std::move(out);
}

// The arguments of a generator emission ("coast_station_mf JCS/CHIOSHI" -> JCS, CHIOSHI);
// none for a fixed text or a kind alone.
std::vector<std::string> generator_arguments(std::string_view emission) {
    std::vector<std::string> out;
    const std::size_t space = emission.find(' ');
    if (space == std::string_view::npos || emission_kind(emission) != emission.substr(0, space))
        return out;
    std::string_view args = emission.substr(space + 1);
    for (std::size_t at = 0; at <= args.size();) {
        const std::size_t slash = std::min(args.find('/', at), args.size());
        if (slash > at) out.push_back(upper(args.substr(at, slash - at)));
        at = slash + 1;
    }
    return out;
}

// The calls a label names, each once, in order.
std::vector<std::string> label_calls(std::string_view label) {
    std::vector<std::string> calls;
    for (std::string_view e : label_emissions(label))
        if (std::string call = emission_call(e); !call.empty()) add_once(calls, call);
    return calls;
}

} // namespace

std::string DirectoryEntry::name() const {
    if (call.empty()) return kind;
    std::string out = call;
    for (const std::string& p : places) {
        out += ' ';
        out += p;
    }
    return out;
}

std::string DirectoryEntry::services_text() const {
    std::string out;
    for (Service s : services) {
        if (service_name(s).empty()) continue;
        if (!out.empty()) out += ", ";
        out += service_name(s);
    }
    return out;
}

std::string DirectoryEntry::freqs_text() const {
    std::string out;
    for (const FrequencySpan& s : freqs) {
        if (!out.empty()) out += ", ";
        out += dial_text(s.lo);
        if (s.hi != s.lo) {
            out += " - ";
            out += dial_text(s.hi);
        }
    }
    if (!out.empty()) out += " kHz";
    return out;
}

std::vector<int> DirectoryEntry::probes(std::size_t limit) const {
    std::vector<int> out;
    for (const FrequencySpan& s : freqs) {
        if (out.size() >= limit) break;
        out.push_back(s.lo + (s.hi - s.lo) / 2);
    }
    return out;
}

bool DirectoryEntry::is(const StationId& s) const {
    if (std::find(labels.begin(), labels.end(), s.label) == labels.end()) return false;
    if (call.empty()) return true;
    if (std::find(s.calls.begin(), s.calls.end(), call) != s.calls.end()) return true;
    // A slot naming none of the label's stations is the label's first one's.
    const std::vector<std::string> named = label_calls(s.label);
    const bool names_one = std::any_of(s.calls.begin(), s.calls.end(), [&](const std::string& c) {
        return std::find(named.begin(), named.end(), c) != named.end();
    });
    return !names_one && !named.empty() && named.front() == call;
}

StationDirectory::StationDirectory(const Catalogue& catalogue) {
    const std::array<std::span<const Rule>, 3> blocks = {catalogue.low, catalogue.marine,
                                                         catalogue.tail};
    std::set<std::string> calls;
    for (const auto& block : blocks)
        for (const Rule& rule : block)
            for (std::string& c : label_calls(rule.label))
                calls.insert(std::move(c));

    std::map<std::string, DirectoryEntry> by_call, by_kind;
    for (const auto& block : blocks) {
        for (const Rule& rule : block) {
            const std::vector<FrequencySpan> spans = spans_of(rule.freq);
            if (spans.empty()) continue;
            const std::vector<std::string_view> emissions = label_emissions(rule.label);
            const std::vector<Service> services = emission_services(rule, spans.front().lo);
            const bool names_calls = !label_calls(rule.label).empty();
            for (std::size_t i = 0; i < emissions.size(); ++i) {
                const std::string call = emission_call(emissions[i]);
                // What a rule that names stations sends without a call is theirs.
                if (call.empty() && names_calls) continue;
                const std::string kind(emission_kind(emissions[i]));
                DirectoryEntry& e = call.empty() ? by_kind[kind] : by_call[call];
                e.call = call;
                if (call.empty()) e.kind = kind;
                const std::vector<std::string> args = generator_arguments(emissions[i]);
                for (std::size_t a = call.empty() ? 0 : 1; a < args.size(); ++a)
                    if (!calls.contains(args[a]) && !args[a].empty() &&
                        !std::all_of(args[a].begin(), args[a].end(),
                                     [](unsigned char c) { return std::isdigit(c) != 0; }))
                        add_once(e.places, args[a]);
                if (i < services.size() && services[i] != Service::unknown)
                    add_once(e.services, services[i]);
                e.freqs.insert(e.freqs.end(), spans.begin(), spans.end());
                add_once(e.labels, std::string(rule.label));
            }
        }
    }
    entries_.reserve(by_call.size() + by_kind.size());
    for (auto* group : {&by_call, &by_kind})
        for (auto& [key, e] : *group) {
            join(e.freqs);
            // A word of a search is found in one of these, never across two.
            e.searched = lower(e.call);
            e.searched += '\n';
            e.searched += e.kind;
            for (const std::string& p : e.places) {
                e.searched += '\n';
                e.searched += lower(p);
            }
            for (Service s : e.services) {
                e.searched += '\n';
                e.searched += service_name(s);
            }
            entries_.push_back(std::move(e));
        }
}

const StationDirectory& StationDirectory::of_catalogue() {
    static const StationDirectory directory(station_catalogue());
    return directory;
}

const DirectoryEntry* StationDirectory::find(std::string_view call) const {
    const std::string key = upper(call);
    const auto it = std::lower_bound(
        entries_.begin(), entries_.end(), key, [](const DirectoryEntry& e, const std::string& k) {
            return !e.call.empty() && e.call < k;
        });
    return it != entries_.end() && it->call == key ? &*it : nullptr;
}

std::vector<std::string> search_words(std::string_view text) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        out.push_back(lower(text.substr(start, end - start)));
        at = end;
    }
    return out;
}

bool matches(const DirectoryEntry& e, const std::vector<std::string>& words) {
    return std::all_of(words.begin(), words.end(), [&](const std::string& w) {
        return e.searched.find(w) != std::string::npos;
    });
}

std::vector<std::size_t> StationDirectory::search(std::string_view text) const {
    const std::vector<std::string> words = search_words(text);
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (matches(entries_[i], words)) out.push_back(i);
    return out;
}

NextOnAir next_on_air(const OnAirQuery& q, UtcInstant now, const DirectoryEntry& e,
                      std::chrono::minutes horizon, std::stop_token stop) {
    const std::vector<int> probes = e.probes();
    for (int f : probes)
        for (const OnAir& here : on_air(q, now, f, f, stop))
            for (const Heard& h : here.heard)
                if (e.is(h.station)) return {NextOnAir::When::now, now, f, h.station.by_chance};
    NextOnAir best;
    for (int f : probes) {
        if (stop.stop_requested()) return {};
        for (const Coming& c : coming_up(q, now, f, f, horizon, stop)) {
            if (!e.is(c.station)) continue;
            if (best.when != NextOnAir::When::later || c.at < best.at)
                best = {NextOnAir::When::later, c.at, f, c.station.by_chance};
            break;
        }
    }
    return best;
}

std::string station_name(const StationId& s, const StationDirectory& directory) {
    const std::vector<std::string> named = label_calls(s.label);
    std::string call;
    for (const std::string& c : s.calls)
        if (std::find(named.begin(), named.end(), c) != named.end()) {
            call = c;
            break;
        }
    if (call.empty())
        for (const std::string& c : s.calls)
            if (directory.find(c) != nullptr) {
                call = c;
                break;
            }
    if (call.empty() && !s.calls.empty()) call = s.calls.front();
    if (call.empty()) return s.label;
    const DirectoryEntry* e = directory.find(call);
    return e != nullptr ? e->name() : call;
}

} // namespace zenka
