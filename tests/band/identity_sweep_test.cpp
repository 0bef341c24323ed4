// Who is on the air, over the whole dial at several instants: every slot and every
// sound carries a label of the catalogue or of the band's own stations (beacons,
// background signals, carriers), a service, and calls that its text keys.

#include "band/catalogue.h"
#include "band/dispatcher.h"
#include "compose/air.h"
#include "compose/station_id.h"
#include "platform/clock.h"
#include "synth/in_band.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace zenka {
namespace {

constexpr int kLowest = 100;    // 10.0 kHz
constexpr int kHighest = 10004; // 1000.4 kHz

// Six instants: both halves of the year, every part of the day, odd and even seconds
// and milliseconds, so that chance-drawn stations and the minute-gated ones both come up.
UtcInstant instant(int k) {
    using namespace std::chrono;
    const UtcInstant base =
        *parse_utc(k % 2 == 0 ? "2025-01-06T00:00:00Z" : "2025-07-08T00:00:00Z");
    return base + hours(k * 7 % 24) + minutes(k * 13 % 60) + seconds(k * 29 % 60) +
           milliseconds(k * 311 % 1000);
}

Composition compose_at(int k, int freq) {
    FixedClock clock(instant(k));
    RandomSource random;
    random.seed = static_cast<std::uint32_t>(freq * 7919 + k);
    random.seed_runtime(static_cast<std::uint32_t>(k + 1));
    ReceiverSettings s;
    s.freq = freq;
    s.hist = k % 2 == 0;
    s.bkgnd = 1;
    Air a(clock, random, s);
    a.stn();
    band(a);
    return a.finish();
}

std::set<std::string, std::less<>> catalogue_labels() {
    std::set<std::string, std::less<>> labels;
    const Catalogue c = station_catalogue();
    for (std::span<const Rule> block : {c.low, c.marine, c.tail})
        for (const Rule& r : block)
            labels.emplace(r.label);
    return labels;
}

bool own_label(std::string_view label) {
    for (std::string_view prefix : {"beacon ", "background ", "carrier "})
        if (label.starts_with(prefix) && label.size() > prefix.size()) return true;
    return false;
}

// The text as it is keyed, in capitals: switches dropped, lower case folded unless kana.
std::string keyed_capitals(const Slot& slot) {
    std::string out;
    for (std::size_t i = 0; i < slot.text.size();) {
        if (const std::size_t n = switch_size(slot.text, i); n > 0) {
            out += ' ';
            i += n;
            continue;
        }
        char c = slot.text[i++];
        if (!slot.params.katokana && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        out += c;
    }
    return out;
}

// The call stands in the text as a word: no letter or figure on either side.
bool keys_word(const std::string& text, std::string_view call) {
    const auto alnum = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); };
    for (std::size_t at = text.find(call); at != std::string::npos; at = text.find(call, at + 1)) {
        const std::size_t end = at + call.size();
        if ((at == 0 || !alnum(text[at - 1])) && (end == text.size() || !alnum(text[end])))
            return true;
    }
    return false;
}

std::string fault_of(const StationId& s, const std::set<std::string, std::less<>>& labels) {
    if (s.label.empty()) return "no label";
    if (!labels.contains(s.label) && !own_label(s.label)) return "label \"" + s.label + "\"";
    if (s.service == Service::unknown) return "no service for \"" + s.label + "\"";
    return "";
}

TEST(IdentitySweep, EverySlotAndSoundNamesItsStation) {
    const auto labels = catalogue_labels();
    int slots = 0, with_calls = 0, sounds = 0, reported = 0;
    std::set<Service> services;
    std::ostringstream faults;
    const auto fail = [&](int k, int freq, const std::string& what) {
        if (reported++ < 40)
            faults << freq / 10 << "." << freq % 10 << " kHz at " << format_utc(instant(k)) << ": "
                   << what << "\n";
    };
    for (int k = 0; k < 6; ++k) {
        for (int freq = kLowest; freq <= kHighest; ++freq) {
            const Composition c = compose_at(k, freq);
            for (std::size_t i = 0; i < c.slots.size(); ++i) {
                const Slot& slot = c.slots[i];
                ++slots;
                services.insert(slot.station.service);
                if (std::string f = fault_of(slot.station, labels); !f.empty())
                    fail(k, freq, "slot " + std::to_string(i) + ": " + f);
                const std::string keyed = keyed_capitals(slot);
                for (const std::string& call : slot.station.calls)
                    if (!keys_word(keyed, call))
                        fail(k, freq,
                             "slot " + std::to_string(i) + " of \"" + slot.station.label +
                                 "\" does not key " + call);
                with_calls += !slot.station.calls.empty();
            }
            for (const SoundRequest& s : c.sounds) {
                ++sounds;
                services.insert(s.station.service);
                if (std::string f = fault_of(s.station, labels); !f.empty())
                    fail(k, freq,
                         (s.kind == SoundRequest::Kind::Carrier ? "carrier: " : "recording: ") + f);
            }
        }
    }
    EXPECT_EQ(reported, 0) << faults.str();
    // The sweep meets the band: many slots, most of them naming their stations, carriers
    // and recordings, and the families of the band among them.
    EXPECT_GT(slots, 1000);
    EXPECT_GT(with_calls, slots * 3 / 4);
    EXPECT_GT(sounds, 100);
    for (Service s : {Service::maritime, Service::calling_500, Service::weather, Service::naval,
                      Service::aeronautical, Service::telecom, Service::beacon,
                      Service::time_signal, Service::background})
        EXPECT_TRUE(services.contains(s)) << service_name(s);
    std::cout << slots << " slots, " << with_calls << " naming calls, " << sounds << " sounds\n";
}

TEST(CallsInText, TelegraphyOrderSendersFirst) {
    EXPECT_EQ(calls_in_text("CQ CQ CQ DE WCC WCC K", false), (std::vector<std::string>{"WCC"}));
    // The sender of "X DE Y" first, then the station called that does not answer.
    EXPECT_EQ(calls_in_text("KFS DE WSC QTC 2 K", false), (std::vector<std::string>{"WSC", "KFS"}));
    EXPECT_EQ(calls_in_text("KFS DE WSC K  WSC DE KFS R", false),
              (std::vector<std::string>{"WSC", "KFS"}));
    // The old "V" and a doubled DE; lower case keyed as capitals; Q codes and prosigns no calls.
    EXPECT_EQ(calls_in_text("CQ V dan V DAN", false), (std::vector<std::string>{"DAN"}));
    EXPECT_EQ(calls_in_text("QRU DE DE NAA AR", false), (std::vector<std::string>{"NAA"}));
    EXPECT_EQ(calls_in_text("VVV VVV DE TTT", false), (std::vector<std::string>{}));
    // A switch inside the text separates words.
    EXPECT_EQ(calls_in_text("DE\x01\x14GKA", false), (std::vector<std::string>{"GKA"}));
    // In a kana slot lower case letters are kana signs, no call.
    EXPECT_EQ(calls_in_text("JOS DE jcs", true), (std::vector<std::string>{}));
}

TEST(CallsInText, NamedCallsInTheOrderKeyed) {
    EXPECT_EQ(named_calls_in_text("VVV NAA NAA NSS", false, {"NSS", "NAA", "NPG"}),
              (std::vector<std::string>{"NAA", "NSS"}));
    EXPECT_EQ(named_calls_in_text("NAAX", false, {"NAA"}), (std::vector<std::string>{}));
}

} // namespace
} // namespace zenka
