#include "shell/copy_check.h"

#include "playout/playout.h"
#include "shell/retune_report.h"
#include "shell/text_format.h"

#include <cstdio>

namespace zenka {
namespace {

std::uint32_t duration_of(Keyer& keyer, RandomSource& random, std::string_view text,
                          const EmissionParams& params, const KeyerSetup& setup) {
    // Put back what a measure changes, so that every trial starts where keying would.
    const RandomSource before = random;
    const int last_space = keyer.last_space, tuning_flag = keyer.tuning_flag;
    const std::uint32_t ms = keyer.measure(text, params, setup).duration_ms;
    random = before;
    keyer.last_space = last_space;
    keyer.tuning_flag = tuning_flag;
    return ms;
}

} // namespace

std::size_t keyed_within(Keyer& keyer, RandomSource& random, std::string_view text,
                         const EmissionParams& params, const KeyerSetup& setup, std::uint32_t ms) {
    // A longer start never keys in less time: the longest that fits, by halving.
    std::size_t lo = 0, hi = text.size();
    if (duration_of(keyer, random, text, params, setup) <= ms) return hi;
    while (hi - lo > 1) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (duration_of(keyer, random, text.substr(0, mid), params, setup) <= ms)
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

std::optional<CopyCheck> check_copy(const Composition& c, int channel, std::string_view copy,
                                    Keyer& keyer, RandomSource& random,
                                    std::optional<std::uint32_t> heard_ms) {
    if (channel < 0 || channel >= static_cast<int>(c.slots.size())) return std::nullopt;
    CopyCheck check;
    check.channel = channel;
    check.slot = c.slots[static_cast<std::size_t>(channel)];
    const KeyerSetup setup = keyer_setup(c.settings);
    // The channels before it are keyed first, from the same source, as playing keys them.
    for (int k = 0; k < channel; ++k) {
        const Slot& before = c.slots[static_cast<std::size_t>(k)];
        keyer.measure(before.text, before.params, setup);
    }
    const std::string_view text = check.slot.text;
    check.duration_ms = duration_of(keyer, random, text, check.slot.params, setup);
    check.heard_ms = heard_ms ? std::min(*heard_ms, check.duration_ms) : check.duration_ms;
    const std::size_t keyed =
        heard_ms ? keyed_within(keyer, random, text, check.slot.params, setup, check.heard_ms)
                 : text.size();
    check.keyed_bytes = static_cast<int>(keyed);
    check.score = score_copy(keyed_characters(text.substr(0, keyed), check.slot.params),
                             copied_characters(copy, check.slot.params));
    return check;
}

std::string to_text(const CopyCheck& k) {
    const EmissionParams& p = k.slot.params;
    const CopyScore& s = k.score;
    std::string out = format("channel %d  %d wpm  %s keying  strength %d  %.1f of %.1f s\n",
                             k.channel, p.spd, std::string(keying_name(keying_of(p))).c_str(),
                             keyed_strength(p.qsa), k.heard_ms / 1000.0, k.duration_ms / 1000.0);
    out += format("sent %d  right %d  wrong %d  missed %d  extra %d  error rate %.1f%%\n", s.sent,
                  s.right, s.wrong, s.missed, s.extra, 100.0 * s.error_rate());
    return out + s.marked() + "\n";
}

std::string to_json(const CopyCheck& k) {
    const EmissionParams& p = k.slot.params;
    const CopyScore& s = k.score;
    std::string out = format("{\"channel\": %d, \"spd\": %d, \"keying\": \"%s\", \"qsa\": %d, "
                             "\"duration_ms\": %u, \"heard_ms\": %u, ",
                             k.channel, p.spd, std::string(keying_name(keying_of(p))).c_str(),
                             keyed_strength(p.qsa), k.duration_ms, k.heard_ms);
    out += format("\"sent\": %d, \"right\": %d, \"wrong\": %d, \"missed\": %d, \"extra\": %d, "
                  "\"error_rate\": %.4f, \"marked\": ",
                  s.sent, s.right, s.wrong, s.missed, s.extra, s.error_rate());
    json_string(out, s.marked());
    return out + "}";
}

} // namespace zenka
