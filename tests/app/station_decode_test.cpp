// A sample of the catalogue's fixed-text stations, drawn at random, rendered by
// `zenka render` and read back by the multimon-ng Morse decoder: what is heard
// is what `zenka text` says the station sends.

#include "band/catalogue.h"
#include "support/generator_sweep.h"
#include "support/morse_text.h"
#include "support/rule_sweep.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <regex>
#include <span>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::letters_and_figures;
using test::run;

std::string zenka(const std::string& args) {
    return std::string(ZENKA_EXE) + " " + args;
}

struct Slot {
    int channel = 0;
    // Machine keying at a steady pitch and at most 25 wpm, which the decoder follows.
    bool plain = false;
    int duration_ms = 0;
    bool switches = false; // the text changes speed, tone or strength: a conversation
    std::string text;
};

// The slots of a `zenka text --json` report. Texts of the sampled stations hold
// no quotes or escapes.
std::vector<Slot> slots_of(const std::string& json) {
    static const std::regex slot(
        R"re(\{"channel": (\d), "spd": (\d+), "ton": \d+, "qsa": \d+, "rto": (\d+), "f1": (\d+), "sz": (\d+), "qrh": (\d+), "qsb": (\d+), "katokana": (\d+), "bw": \d+, "hand": (\d+), "spark": (\d+), "spacing": (\d+), "duration_ms": (\d+), "text": "((?:[^"\\]|\\u[0-9a-f]{4})*)", "station": )re");
    std::vector<Slot> out;
    for (auto it = std::sregex_iterator(json.begin(), json.end(), slot);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        Slot s;
        s.channel = std::stoi(m[1]);
        s.plain = std::stoi(m[2]) <= 25 && m[3] == "0" && m[4] == "0" && m[5] == "0" &&
                  m[6] == "0" && m[7] == "0" && m[8] == "0" && m[9] == "0" && m[10] == "0" &&
                  m[11] == "2";
        s.duration_ms = std::stoi(m[12]);
        // The parameter switches of a conversation come as \u escapes: back to their bytes.
        const std::string text = m[13];
        for (std::size_t k = 0; k < text.size(); ++k) {
            if (text[k] == '\\' && k + 5 < text.size()) {
                s.text += static_cast<char>(std::stoi(text.substr(k + 2, 4), nullptr, 16));
                s.switches = true;
                k += 5;
            } else {
                s.text += text[k];
            }
        }
        out.push_back(s);
    }
    return out;
}

// A station that a rule sends: the rule's frequency, an instant when it sends, and
// its call sign as the slot text shows it.
struct Candidate {
    int freq;
    std::string at;
    std::string call;
};

std::vector<Candidate> fixed_text_stations() {
    static const std::regex item(R"(^([A-Z0-9]{3,5}) (marker|text|cq|anm|vvv|times)$)");
    std::vector<Candidate> out;
    const Catalogue catalogue = station_catalogue();
    for (auto rules : {catalogue.low, catalogue.marine, catalogue.tail}) {
        for (const Rule& rule : rules) {
            const std::string label(rule.label);
            const std::string first = label.substr(0, label.find(", "));
            std::smatch m;
            if (!std::regex_match(first, m, item)) continue;
            const std::string call = m[1];
            const auto when = test::sweep_rule(rule, [&](const Air& a) {
                return a.open_slot > 0 && a.send_buf[0].find(call) != std::string::npos;
            });
            if (when) out.push_back({test::first_frequency(rule), format_utc(*when), call});
        }
    }
    return out;
}

// Machine-steady keying that the decoder follows, in a text without control bytes or quotes.
bool plain_slot(const Air& a, int k) {
    const EmissionParams& p = a.slot_params[static_cast<std::size_t>(k)];
    const std::string& text = a.send_buf[static_cast<std::size_t>(k)];
    const bool printable = std::all_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\';
    });
    return printable && p.spd <= 25 && p.rto == 0 && p._f1 == 0 && p.sz == 0 && p.qrh == 0 &&
           p.qsb == 0 && p.katokana == 0 && p.hand == 0 && p.spark == 0 && p.spacing == 2;
}

// Stations of a generator whose first emission matches `item` (the call sign in group
// `call_group`): a rule, an instant when one of the station's longer texts (a telegram, a query
// of the ship's name, a weather report...) is keyed plainly, and its call.
std::vector<Candidate> working_stations(const std::regex& item, int call_group) {
    std::vector<Candidate> out;
    const Catalogue catalogue = station_catalogue();
    for (auto rules : {catalogue.low, catalogue.marine, catalogue.tail})
        for (const Rule& rule : rules) {
            const std::string label(rule.label);
            std::smatch m;
            const std::string first = label.substr(0, label.find(", "));
            if (!std::regex_match(first, m, item)) continue;
            const std::string call = m[call_group];
            // Each instant composed as `zenka text` composes it, from a fresh random source.
            std::optional<UtcInstant> when;
            const UtcInstant midnight = *parse_utc("2024-01-07T00:00:00Z");
            for (int minute = 0; minute < 24 * 60 && !when; ++minute) {
                const UtcInstant at = midnight + std::chrono::minutes(minute) +
                                      std::chrono::seconds(minute * 13 % 60);
                FixedClock clock(at);
                RandomSource random;
                ReceiverSettings settings;
                settings.freq = test::first_frequency(rule);
                Air a(clock, random, settings);
                a.stn();
                rule.act(a);
                for (int k = 0; k < a.open_slot && k < Air::kSlots && !when; ++k) {
                    const std::string& text = a.send_buf[static_cast<std::size_t>(k)];
                    if (text.find(call) != std::string::npos && plain_slot(a, k) &&
                        letters_and_figures(text).size() >= 20)
                        when = at;
                }
            }
            if (when) out.push_back({test::first_frequency(rule), format_utc(*when), call});
        }
    return out;
}

// The navies' fleet broadcasts, their tapes keyed by machine.
std::vector<Candidate> fleet_broadcast_stations() {
    static const std::regex item(R"(^(naval_coast|naval_coast_old|brasilian_navy) ([A-Z]{3})\b.*)");
    return working_stations(item, 2);
}

// The strengths and speeds an exchange switches to, in the order of its turns.
struct Turns {
    std::vector<int> strengths, speeds;
};

Turns turns_of(const std::string& text) {
    Turns t;
    for (std::size_t k = 0; k + 1 < text.size(); ++k) {
        const int value = static_cast<unsigned char>(text[k + 1]);
        if (text[k] == 0x01) t.speeds.push_back(value), ++k;
        else if (text[k] == 0x02) k += 2;
        else if (text[k] == 0x03) t.strengths.push_back(value), ++k;
    }
    return t;
}

// Instants at which the 500 kHz rule puts a ship's call, the coast station's answer and the
// ship's reply on a channel of their own, the two stations keyed plainly and at most 25 wpm.
std::vector<Candidate> calling_exchanges() {
    std::vector<Candidate> out;
    const Catalogue catalogue = station_catalogue();
    const auto rule = std::find_if(catalogue.marine.begin(), catalogue.marine.end(),
                                   [](const Rule& r) { return r.label.starts_with("sos1"); });
    if (rule == catalogue.marine.end()) return out;
    const UtcInstant start = *parse_utc("2024-01-08T00:00:00Z");
    for (int k = 0; k < 3 * 24 * 60 && out.size() < 12; ++k) {
        const UtcInstant at = start + std::chrono::minutes(k) + std::chrono::seconds(k * 17 % 60);
        FixedClock clock(at);
        RandomSource random;
        ReceiverSettings settings;
        settings.freq = 5000;
        Air a(clock, random, settings);
        a.stn();
        rule->act(a);
        for (int s = 0; s < a.open_slot && s < Air::kSlots; ++s) {
            const std::string& text = a.send_buf[static_cast<std::size_t>(s)];
            const std::string plain = test::plain_text(text);
            const EmissionParams& p = a.slot_params[static_cast<std::size_t>(s)];
            const Turns t = turns_of(text);
            static const std::regex sent_up(R"( UP \d+(\.5)?/\d+(\.5)?)");
            const bool exchange = std::regex_search(plain, sent_up) && t.strengths.size() >= 3;
            const bool keyed_plainly =
                !t.strengths.empty() && t.strengths.front() > 0 && t.strengths.front() <= 5 &&
                std::all_of(t.strengths.begin(), t.strengths.end(),
                            [&](int q) { return q >= 1 && q <= 5; }) &&
                std::all_of(t.speeds.begin(), t.speeds.end(), [](int v) { return v <= 25; });
            const bool printable = std::all_of(plain.begin(), plain.end(), [](char c) {
                return static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\';
            });
            if (exchange && keyed_plainly && printable && p.rto == 0 && p.hand == 0 && p.qrh == 0 &&
                p.spacing == 2 && p.spark == 0)
                out.push_back({5000, format_utc(at), plain.substr(plain.find_first_not_of(' '), 8)});
        }
    }
    return out;
}

// Renders each station in turn and reads it back with multimon-ng until `wanted` of them
// have been decoded; returns how many were.
int decode_sample(const test::TempFolder& folder, const std::vector<Candidate>& stations,
                  int wanted, bool conversations = false) {
    int decoded_count = 0;
    for (const Candidate& c : stations) {
        if (decoded_count == wanted) break;
        const std::string where = " --freq " + std::to_string(c.freq / 10) + "." +
                                  std::to_string(c.freq % 10) + " --at " + c.at;
        const test::Ran text = run(zenka("text" + where + " --json"), false);
        EXPECT_EQ(text.status, 0) << where;
        std::vector<Slot> slots = slots_of(text.out);
        for (Slot& s : slots)
            s.text = test::plain_text(s.text);
        const auto slot = std::find_if(slots.begin(), slots.end(), [&](const Slot& s) {
            return (conversations || !s.switches) && s.text.find(c.call) != std::string::npos;
        });
        if (slot == slots.end() || !slot->plain) continue; // keyed by hand, spark, F1 ...

        const std::string wav = (folder / "station.wav").string();
        const std::string loud = (folder / "loud.wav").string();
        const int seconds = std::min(60, slot->duration_ms / 1000 + 1);
        const test::Ran render =
            run(zenka("render" + where + " --seconds " + std::to_string(seconds) + " --channel " +
                      std::to_string(slot->channel) + (conversations ? " --qrn off" : "") +
                      " --out " + wav));
        EXPECT_EQ(render.status, 0) << where << "\n" << render.out;
        // The stations of a conversation come in at their own strengths: a compander brings
        // them to one level for the decoder, as an operator rides the gain.
        const std::string level =
            conversations ? " compand 0.005,0.5 -80,-80,-60,-10,0,-3 0 -10 norm -1" : " norm -1";
        EXPECT_EQ(run("sox " + wav + " " + loud + level).status, 0);
        std::string heard = run("multimon-ng -q -c -a MORSE_CW -t wav " + loud).out;
        heard = letters_and_figures(std::regex_replace(heard, std::regex("<[A-Z]+>"), ""));
        const std::string sent = letters_and_figures(slot->text);
        std::cout << c.call << where << ": heard " << heard.size() << " of " << sent.size()
                  << " letters and figures\n";
        // The render may end inside the text: what was heard is where the text begins,
        // up to the last character, which the cut may have halved.
        EXPECT_GE(heard.size(), std::min<std::size_t>(20, sent.size() - 1)) << where;
        EXPECT_TRUE(sent.starts_with(heard.substr(0, heard.size() - 1)))
            << where << "\nsent:  " << sent << "\nheard: " << heard;
        ++decoded_count;
    }
    return decoded_count;
}

// Shuffles the stations by the sample seed: a new sample on request, the seed printed so that a
// failure can be repeated.
void draw_sample(std::vector<Candidate>& stations, const char* what) {
    const char* env = std::getenv("ZENKA_DECODE_SEED");
    const unsigned seed = env != nullptr ? static_cast<unsigned>(std::stoul(env)) : 1931u;
    std::cout << "sample seed " << seed << " (ZENKA_DECODE_SEED), " << stations.size() << " "
              << what << " to draw from\n";
    std::shuffle(stations.begin(), stations.end(), std::mt19937(seed));
}

TEST(StationDecode, ARandomSampleOfFixedStationsReadsBackAsSent) {
    test::TempFolder folder;
    std::vector<Candidate> stations = fixed_text_stations();
    ASSERT_GE(stations.size(), 6u);
    draw_sample(stations, "stations");
    EXPECT_EQ(decode_sample(folder, stations, 6), 6);
}

TEST(StationDecode, CoastStationsWorkingShipsReadBackAsSent) {
    test::TempFolder folder;
    std::vector<Candidate> stations =
        working_stations(std::regex(R"(^coast_station_mf(_bug)? ([A-Z0-9]{3,4})/[A-Z]+$)"), 2);
    ASSERT_GE(stations.size(), 4u);
    draw_sample(stations, "coast stations");
    EXPECT_EQ(decode_sample(folder, stations, 4), 4);
}

// A plain-language weather bulletin (JRW's Pacific observations at 69.0 kHz) and a NAVAREA
// warning list (VWG at 417.5 kHz), each found by words of its own text.
TEST(StationDecode, WeatherBulletinsReadBackAsSent) {
    test::TempFolder folder;
    const std::vector<Candidate> bulletins = {{690, "2026-12-08T12:01:00Z", "HR WX"},
                                              {4175, "2026-12-08T04:31:00Z", "NAVAREA EIGHT"}};
    EXPECT_EQ(decode_sample(folder, bulletins, 2), 2);
}

TEST(StationDecode, FleetBroadcastsReadBackAsSent) {
    test::TempFolder folder;
    std::vector<Candidate> stations = fleet_broadcast_stations();
    ASSERT_GE(stations.size(), 8u);
    draw_sample(stations, "fleet broadcasts");
    EXPECT_EQ(decode_sample(folder, stations, 3), 3);
}

TEST(StationDecode, AerodromeWeatherReadsBackAsSent) {
    test::TempFolder folder;
    std::vector<Candidate> stations =
        working_stations(std::regex(R"(^aero_wx ([A-Z0-9]{3,4})$)"), 1);
    ASSERT_GE(stations.size(), 3u);
    draw_sample(stations, "aerodrome weather stations");
    EXPECT_EQ(decode_sample(folder, stations, 3), 3);
}

TEST(StationDecode, ShipsCallingOn500kHzReadBackAsSent) {
    test::TempFolder folder;
    std::vector<Candidate> exchanges = calling_exchanges();
    ASSERT_GE(exchanges.size(), 2u);
    draw_sample(exchanges, "calling exchanges");
    EXPECT_EQ(decode_sample(folder, exchanges, 2, true), 2);
}

} // namespace
} // namespace zenka
