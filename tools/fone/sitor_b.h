#pragma once
// SITOR-B, the forward-error-correcting broadcast mode of CCIR 476 used by NAVTEX:
// 100 baud, 170 Hz shift, no start or stop units. A phasing period of alternating
// phasing signals (2 in the DX position, 1 in the RX position) lets receivers find the
// word boundaries; then every character goes out twice, first in the DX position and
// again five places later in the RX position (time diversity), and three idle alphas
// end the emission.

#include "sound.h"

#include <cstdint>
#include <vector>

namespace zenka::fone {

// The word sequence for `words`, after `phasing_pairs` phasing pairs.
std::vector<std::uint8_t> sitor_b_stream(const std::vector<std::uint8_t>& words, int phasing_pairs);

// A NAVTEX weather forecast with its ZCZC header and NNNN end.
Sound make_sitor_b();

} // namespace zenka::fone
