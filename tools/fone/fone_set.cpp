#include "fone_set.h"

#include "band_noise.h"
#include "rtty.h"
#include "sitor_b.h"
#include "ssb_voice.h"
#include "wefax.h"
#include "woodpecker.h"

namespace zenka::fone {
namespace {

// Speech first: it is the one that can fail for want of data, and then nothing is written.
constexpr FoneFile kFiles[] = {
    {"ssb-002.wav", Container::Wav16, make_ssb_voice},   // speech on single sideband
    {"noise.wav", Container::Wav16, make_noise_loop},    // band noise, a seamless loop
    {"rtt-001.wav", Container::Wav16, make_rtty_50_170}, // RTTY 50 baud, 170 Hz shift
    {"rtt-001.mp3", Container::Mp3, make_rtty_50_425},   // RTTY 50 baud, 425 Hz shift
    {"rtt-002.wav", Container::Wav16, make_rtty_75_850}, // RTTY 75 baud, 850 Hz shift
    {"sitorb.wav", Container::Wav16, make_sitor_b},      // NAVTEX on SITOR-B
    {"fax-001.wav", Container::Wav16, make_fax},         // weather fax, 120 lpm
    {"othr-001.wav", Container::Wav16, make_woodpecker}, // over-the-horizon radar
};

} // namespace

std::span<const FoneFile> fone_files() {
    return kFiles;
}

} // namespace zenka::fone
