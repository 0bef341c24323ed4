#pragma once
// A listener's copy of one emission checked: the slot a retune put on channel N, the
// characters it had keyed by a moment (all of them, or those of its first seconds), and
// the copy aligned against them.

#include "compose/composition.h"
#include "shell/copy_score.h"
#include "synth/keyer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zenka {

struct CopyCheck {
    int channel = 0;
    Slot slot;
    std::uint32_t duration_ms = 0; // the whole emission
    std::uint32_t heard_ms = 0;    // the part the copy is scored against
    int keyed_bytes = 0;           // the bytes of the text keyed within heard_ms
    CopyScore score;
};

// The longest start of `text` that `keyer` keys within `ms`, in bytes. The keyer's random
// source and the state it carries from one text to the next are put back after each trial,
// so every trial keys as one render from here would.
std::size_t keyed_within(Keyer& keyer, RandomSource& random, std::string_view text,
                         const EmissionParams& params, const KeyerSetup& setup, std::uint32_t ms);

// Checks `copy` against the emission on `channel` of `c`, keyed by `keyer` (drawing from
// `random` as playing would), up to `heard_ms` into it (the whole of it when empty).
// Empty when the retune closed no slot on that channel.
std::optional<CopyCheck> check_copy(const Composition& c, int channel, std::string_view copy,
                                    Keyer& keyer, RandomSource& random,
                                    std::optional<std::uint32_t> heard_ms = {});

// The check as lines of text: the emission, the figures, the copy marked.
std::string to_text(const CopyCheck& check);
// The check as one JSON object.
std::string to_json(const CopyCheck& check);

} // namespace zenka
