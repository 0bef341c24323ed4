#pragma once
// The station directory: every station of the catalogue, one entry each, with the
// frequencies its rules cover and the service it belongs to, searchable by call, place
// or service; and when an entry is next on the air, as the now-and-next queries find it.
//
// A station is a call sign as a rule's label names it ("coast_station_mf JCS/CHIOSHI" is
// JCS, at CHIOSHI; "NAA marker" is NAA). Traffic a rule names no call for ("omega",
// "vsl_lf_channel") is one entry for each kind of it. A station in several rules, or on
// several frequencies, is one entry with all of them.

#include "band/catalogue.h"
#include "compose/station_id.h"
#include "platform/clock.h"
#include "shell/on_air.h"

#include <chrono>
#include <cstddef>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// A frequency or a closed range of them, in units of 100 Hz.
struct FrequencySpan {
    int lo = 0;
    int hi = 0;

    friend bool operator==(const FrequencySpan&, const FrequencySpan&) = default;
};

struct DirectoryEntry {
    std::string call;                // in capitals; empty for traffic named by its kind
    std::string kind;                // that kind ("omega"), for an entry without a call
    std::vector<std::string> places; // the names a rule gives beside the call ("CHIOSHI")
    std::vector<Service> services;   // in the order first met
    std::vector<FrequencySpan> freqs; // rising, each once, neighbouring ones joined
    std::vector<std::string> labels;  // the labels of the rules that name it
    std::string searched; // the call, places, services and kind, in lower case, a line each

    // "JCS CHIOSHI", or the kind.
    std::string name() const;
    // "maritime, 500 kHz"
    std::string services_text() const;
    // "418.5, 425.0 kHz", "189.0 - 191.0 kHz"
    std::string freqs_text() const;
    // Where the queries look for it, at most `limit`: each frequency, and the middle
    // of each range.
    std::vector<int> probes(std::size_t limit = kProbes) const;
    static constexpr std::size_t kProbes = 16;

    // Whether `s`, as a query found it on the air, is this station.
    bool is(const StationId& s) const;
};

class StationDirectory {
  public:
    // The whole catalogue's, built once on first use.
    static const StationDirectory& of_catalogue();

    explicit StationDirectory(const Catalogue& catalogue);

    // By call, then the entries without a call by kind.
    const std::vector<DirectoryEntry>& entries() const { return entries_; }
    // The indices of the entries that every word of `words` (blank-separated, any case)
    // is found in: in the call, a place, a service or the kind. Every entry for no words.
    std::vector<std::size_t> search(std::string_view words) const;
    // The entry of a call sign, or null.
    const DirectoryEntry* find(std::string_view call) const;

  private:
    std::vector<DirectoryEntry> entries_;
};

// The words of a search, in lower case.
std::vector<std::string> search_words(std::string_view text);
// Whether each word is in one of the entry's texts (the call, a place, a service, the
// kind), any case.
bool matches(const DirectoryEntry& e, const std::vector<std::string>& words);

// When a station is next heard.
struct NextOnAir {
    enum class When { now, later, not_within };
    When when = When::not_within;
    UtcInstant at{}; // now: the instant asked about; later: the minute it comes on
    int freq = 0;    // where; 0 for not_within
    bool by_chance = false; // drawn by chance: it may call then, not certain to

    friend bool operator==(const NextOnAir&, const NextOnAir&) = default;
};

// Whether the station is on the air at `now` at one of its probes, or else the first
// minute within `horizon` at which coming_up finds it coming on at one of them (the
// earliest, the lowest frequency of a minute).
NextOnAir next_on_air(const OnAirQuery& q, UtcInstant now, const DirectoryEntry& e,
                      std::chrono::minutes horizon = std::chrono::hours(24),
                      std::stop_token stop = {});

// A name for a bookmark of what is heard: the station's first call and the place the
// directory has for it ("JCS CHIOSHI"), else its label.
std::string station_name(const StationId& s, const StationDirectory& directory);

} // namespace zenka
