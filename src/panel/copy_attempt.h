#pragma once
// Copy practice on one channel of a retune, as plain values: the channels there are to copy,
// the one taken by default, the characters a channel keyed between two moments, a typed copy
// scored against them, and the attempt the practice log keeps. No Qt here.

#include "compose/composition.h"
#include "panel/band_rows.h"
#include "playout/playout.h"
#include "shell/copy_score.h"
#include "shell/practice_log.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// A keyed channel as it plays: its line of Now hearing, and its text as composed (switches
// and signs keyed by a control code and all) with the moment each keyed byte starts.
struct CopyChannel {
    HearingRow row;
    std::string composed;
    EmissionParams params;
    std::vector<CharStart> starts;
};

// The keyed channels a retune started, in channel order.
std::vector<CopyChannel> copy_channels(const Composition& c, const PlayReport& played);

// The one copied by default: the strongest of those still keying `elapsed_ms` after the
// start, the first of equals; its place in `channels`, or -1 when none is keying.
int strongest_channel(const std::vector<CopyChannel>& channels, std::uint32_t elapsed_ms);

// The bytes of the composed text whose characters begin from `from_ms` to `to_ms`, both
// included: the characters keyed_by() counts for the row, with the signs among them that
// have no character of the row's text. All of it while the keying times are not known.
struct ByteSpan {
    std::size_t begin = 0, end = 0;
    friend bool operator==(const ByteSpan&, const ByteSpan&) = default;
};
ByteSpan keyed_between(const CopyChannel& ch, std::uint32_t from_ms, std::uint32_t to_ms);

// `copy` scored against what the channel keyed from `from_ms` to `to_ms`.
CopyScore score_between(const CopyChannel& ch, std::string_view copy, std::uint32_t from_ms,
                        std::uint32_t to_ms);

// The attempt as the practice log keeps it, scored at `at` while tuned to `freq`.
PracticeAttempt practice_attempt(const CopyChannel& ch, const CopyScore& s, int freq,
                                 UtcInstant at);

} // namespace zenka
