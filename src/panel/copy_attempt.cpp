#include "panel/copy_attempt.h"

#include <algorithm>

namespace zenka {

std::vector<CopyChannel> copy_channels(const Composition& c, const PlayReport& played) {
    std::vector<CopyChannel> out;
    for (HearingRow& row : hearing_rows(c, played)) {
        if (row.emission.kind != Emission::Kind::keyed) continue;
        const auto k = static_cast<std::size_t>(row.channel);
        const Slot& slot = c.slots[k];
        out.push_back({std::move(row), slot.text, slot.params, played.chars[k]});
    }
    return out;
}

int strongest_channel(const std::vector<CopyChannel>& channels, std::uint32_t elapsed_ms) {
    int best = -1;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const HearingRow& row = channels[i].row;
        if (elapsed_ms >= row.duration_ms) continue;
        if (best < 0 ||
            row.emission.qsa > channels[static_cast<std::size_t>(best)].row.emission.qsa)
            best = static_cast<int>(i);
    }
    return best;
}

ByteSpan keyed_between(const CopyChannel& ch, std::uint32_t from_ms, std::uint32_t to_ms) {
    const std::vector<CharStart>& s = ch.starts;
    if (s.empty()) return {0, ch.composed.size()};
    // Ends before the first character that begins after `to_ms`.
    const auto after = std::upper_bound(s.begin(), s.end(), to_ms,
                                        [](std::uint32_t ms, const CharStart& c) { return ms < c.ms; });
    const std::size_t end = after == s.end() ? ch.composed.size() : after->at;
    // Starts at the first that begins at `from_ms` or later; at the text's start when
    // nothing had begun before it (the switches ahead of the first character).
    const auto first = std::lower_bound(s.begin(), s.end(), from_ms,
                                        [](const CharStart& c, std::uint32_t ms) { return c.ms < ms; });
    const std::size_t begin = first == s.begin() ? 0 : first == s.end() ? end : first->at;
    return {std::min(begin, end), end};
}

CopyScore score_between(const CopyChannel& ch, std::string_view copy, std::uint32_t from_ms,
                        std::uint32_t to_ms) {
    const ByteSpan span = keyed_between(ch, from_ms, to_ms);
    const std::string_view keyed =
        std::string_view(ch.composed).substr(span.begin, span.end - span.begin);
    return score_copy(keyed_characters(keyed, ch.params), copied_characters(copy, ch.params));
}

PracticeAttempt practice_attempt(const CopyChannel& ch, const CopyScore& s, int freq,
                                 UtcInstant at) {
    const Emission& e = ch.row.emission;
    PracticeAttempt a;
    a.at = at;
    a.freq = freq;
    a.station = e.station.label;
    a.calls = e.station.calls;
    a.spd = e.spd;
    a.keying = e.keying;
    a.qsa = e.qsa;
    a.keyed = s.sent;
    a.right = s.right;
    a.wrong = s.wrong;
    a.missed = s.missed;
    a.extra = s.extra;
    a.copied = s.right + s.wrong + s.extra;
    return a;
}

} // namespace zenka
