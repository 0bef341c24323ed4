// The whole dial composed at many instants, without sound: every pass keeps the
// limits of the send stack and the keyer, leaves no placeholder, and comes out
// the same when composed again from the same inputs.
//
// The quick form takes every eighth instant; ZENKA_SWEEP=full in the environment
// takes all 96 (CI runs it under the sanitizers).

#include "band/dispatcher.h"
#include "compose/air.h"
#include "platform/clock.h"
#include "synth/morse_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {
namespace {

constexpr int kLowest = 100;    // 10.0 kHz
constexpr int kHighest = 10004; // 1000.4 kHz
constexpr int kInstants = 96;
constexpr std::size_t kLongestText = 9999;

// Instant k of the sweep: the days of the week in turn, a winter and a summer
// half, the hours round the clock, seconds and milliseconds odd and even.
UtcInstant instant(int k) {
    using namespace std::chrono;
    const UtcInstant winter = *parse_utc("2025-01-05T00:00:00Z"); // a Sunday
    const UtcInstant summer = *parse_utc("2025-07-06T00:00:00Z"); // a Sunday
    return (k % 2 == 0 ? winter : summer) + days(k % 7) + hours(k * 5 % 24) +
           minutes(k * 17 % 60) + seconds(k * 31 % 60) + milliseconds(k * 389 % 1000);
}

ReceiverSettings settings_of(int k, int freq) {
    ReceiverSettings s;
    s.freq = freq;
    s.hist = k % 4 < 2;
    s.bkgnd = k % 2;
    return s;
}

struct Pass {
    Composition composition;
    std::string open_text; // what was left in the open slot
};

Pass compose_pass(int k, int freq) {
    FixedClock clock(instant(k));
    RandomSource random;
    random.seed = static_cast<std::uint32_t>(freq * 7919 + k);
    random.seed_runtime(static_cast<std::uint32_t>(k + 1));
    Air a(clock, random, settings_of(k, freq));
    a.stn();
    band(a);
    const auto open = static_cast<std::size_t>(std::min(a.open_slot, Air::kSlots));
    Pass p{{}, a.send_buf[open]};
    p.composition = a.finish();
    return p;
}

// A byte the keyer knows: a space, the tuning dash, code 160 (the operators' chat
// scripts key it as a letter gap) or a character of the Morse table (lower case
// folded unless the slot keys kana).
bool keyable(unsigned char c, const EmissionParams& p) {
    if (c == ' ' || c == 0x04 || c == 0xA0) return true;
    if (c > 0x7F) return false;
    if (!p.katokana && c >= 0x61) c = static_cast<unsigned char>(c - 0x20);
    if (p.sz && c == '0') c = 'T';
    return cw_table[c] > 1;
}

// A printf-style placeholder left unfilled ("%s", "%02d") at text[i]. A '%' standing
// alone is the letter E with an accent (..-..), which station texts key ("M%T%O").
bool placeholder_at(const std::string& text, std::size_t i) {
    std::size_t k = i + 1;
    while (k < text.size() && (std::isdigit(static_cast<unsigned char>(text[k])) || text[k] == '-'))
        ++k;
    return k < text.size() && std::string_view("sdcuxl").find(text[k]) != std::string_view::npos;
}

// What is wrong with one slot, or "".
std::string fault_in(const Slot& slot) {
    const EmissionParams& p = slot.params;
    if (slot.text.size() > kLongestText) return "text of " + std::to_string(slot.text.size());
    if (p.spd < 1 || p.spd > 600) return "speed " + std::to_string(p.spd);
    if (p.qsa < 0 || p.qsa > 5) return "strength " + std::to_string(p.qsa);
    if (p.ton < 1 || p.ton > 5000) return "tone " + std::to_string(p.ton);
    if (p.rto < 0 || p.rto > 39) return "dash weighting " + std::to_string(p.rto);
    if (p.qrh < 0 || p.qrh > 2) return "drift " + std::to_string(p.qrh);
    for (int flag : {p._f1, p.sz, p.qsb, p.katokana, p.bw, p.hand, p.spark})
        if (flag != 0 && flag != 1) return "switch " + std::to_string(flag);
    if (p.spacing < 1 || p.spacing > 9) return "spacing " + std::to_string(p.spacing);
    const std::string& t = slot.text;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto c = static_cast<unsigned char>(t[i]);
        // The in-band switches: a byte of the switch that was lost (a zero ends a
        // text) takes the text's next letters for its value. Strength 0 goes as 6.
        if (c == 0x01 || c == 0x03) { // speed or strength and its byte
            if (i + 1 >= t.size()) return "cut parameter switch";
            const auto value = static_cast<unsigned char>(t[++i]);
            if (c == 0x03 && value > 6) return "strength switch " + std::to_string(value);
        } else if (c == 0x02) { // tone and its two bytes
            if (i + 2 >= t.size()) return "cut tone switch";
            const int tone = static_cast<unsigned char>(t[i + 1]) +
                             256 * static_cast<unsigned char>(t[i + 2]);
            if (tone < 100 || tone > 5000) return "tone switch " + std::to_string(tone);
            i += 2;
        } else if (c == 0) {
            return "zero byte at " + std::to_string(i);
        } else if (c == '%' && placeholder_at(t, i)) {
            return "placeholder at " + std::to_string(i);
        } else if (!keyable(c, p)) {
            return "unkeyable byte " + std::to_string(c) + " at " + std::to_string(i);
        }
    }
    return "";
}

// Every fault of one pass, one line each.
std::string faults_of(const Pass& pass) {
    std::ostringstream out;
    const Composition& c = pass.composition;
    if (c.slots.size() > static_cast<std::size_t>(Composition::kSlots))
        out << c.slots.size() << " slots\n";
    if (!pass.open_text.empty()) out << "open slot left with \"" << pass.open_text << "\"\n";
    for (std::size_t k = 0; k < c.slots.size(); ++k)
        if (const std::string f = fault_in(c.slots[k]); !f.empty())
            out << "slot " << k << ": " << f << "\n";
    for (const SoundRequest& s : c.sounds)
        if (s.kind == SoundRequest::Kind::Recording && s.name.find('%') != std::string::npos)
            out << "recording " << s.name << "\n";
    return out.str();
}

bool same(const Composition& x, const Composition& y) {
    return x.slots == y.slots && x.slots_closed == y.slots_closed && x.sounds == y.sounds &&
           x.meter == y.meter;
}

bool full_sweep() {
    const char* v = std::getenv("ZENKA_SWEEP");
    return v != nullptr && std::string_view(v) == "full";
}

TEST(BandSweep, EveryPassKeepsTheLimitsAndRepeats) {
    const int step = full_sweep() ? 1 : 8;
    int passes = 0, on_air = 0, reported = 0;
    for (int k = 0; k < kInstants; k += step) {
        for (int freq = kLowest; freq <= kHighest; ++freq) {
            const Pass pass = compose_pass(k, freq);
            ++passes;
            on_air += !pass.composition.slots.empty();
            std::string faults = faults_of(pass);
            // Composing again from the same inputs gives the same value.
            if (freq % 5 == 0 && !same(compose_pass(k, freq).composition, pass.composition))
                faults += "a second pass differs\n";
            if (!faults.empty() && reported++ < 40)
                ADD_FAILURE() << freq / 10 << "." << freq % 10 << " kHz at "
                              << format_utc(instant(k)) << " (hist " << settings_of(k, freq).hist
                              << ", bkgnd " << settings_of(k, freq).bkgnd << "):\n"
                              << faults;
        }
    }
    EXPECT_EQ(reported, 0) << "passes with faults";
    // The band is not silent: a station is on the air somewhere at every instant.
    EXPECT_GT(on_air, passes / 100);
    std::cout << passes << " passes, " << on_air << " with a station on the air\n";
}

} // namespace
} // namespace zenka
