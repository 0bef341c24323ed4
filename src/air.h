#pragma once
// Air: what is on the air. The one context that holds the receiver's state, the
// emission parameters, the random source and the send store; generators and the
// renderer read and write it by the short names the traffic is written in
// (a.spd = 24; a.send("CQ"); if (a.sked(1230)) ...).

#include "band/schedule.h"
#include "platform/clock.h"
#include "platform/crt_rand.h"
#include "synth/emission.h"
#include "synth/keyer.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace zenka {

// Sees every diagnostic record, whether or not the log file is on.
using LogObserver =
    std::function<void(std::string_view function, std::string_view info, std::uint32_t param)>;

class Air : public Schedule, public EmissionParams {
public:
    // Channel files are written into `workdir`.
    explicit Air(Clock& clock, std::filesystem::path workdir = ".");
    Air(const Air&) = delete;
    Air& operator=(const Air&) = delete;

    Clock& clock;
    std::filesystem::path workdir;

    // --- Receiver settings (owned by the panel) ---
    int freq = 0;     // tuned frequency in units of 100 Hz
    int sampling = 4; // playback rate multiplier: 4 normal pitch, 3 three quarters
    int filter = 0;   // narrow audio filter
    int att = 0;      // attenuator
    int channel = 1;  // audio channels written into the file header

    // --- Station voices and message numbering ---
    int spd1 = 0, ton1 = 0, qsa1 = 0;
    int spd2 = 0, ton2 = 0, qsa2 = 0;
    int spd3 = 0, ton3 = 0, qsa3 = 0;
    int spd4 = 0, ton4 = 0, qsa4 = 0;
    int spd5 = 0, ton5 = 0, qsa5 = 0;
    int nr = 0; // message number
    int gr = 0; // group count

    // --- Randomness ---
    std::uint32_t rand_seed = 11111;
    // Refreshes t from the clock and mixes it into the next value.
    std::uint32_t myrand();
    // The runtime's rand(), for the few choices that use it directly.
    int rand() { return crt_.rand(); }

    // --- Emission parameters ---
    static constexpr int kSlots = 7;
    std::array<EmissionParams, kSlots> slot_params{}; // set of each closed slot
    int emission_nr = 0;                               // slot being rendered
    void stn();
    void stn_ext();
    void load_cw_param();
    void create_params();
    EmissionParams& params() { return *this; }

    // --- Send store ---
    static constexpr std::size_t kSlotChars = 9999;
    std::array<std::string, kSlots + 1> send_buf{}; // the last one catches overflow
    int send_call = 0;                               // index of the open slot
    void send(std::string_view text);

    // --- Rendering ---
    Keyer keyer{*this};
    std::filesystem::path channel_file(int k) const;
    // Renders `text` into channel k's file; returns its playing time in ms (0: nothing to play).
    std::uint32_t CreateWave(int k, std::string_view text);

    // --- Panel hooks ---
    std::function<void()> on_smetr;
    void smetr();

    // --- Diagnostics ---
    int debug = 0;                               // the log file is written only when on
    std::filesystem::path log_file = "RX_LOG.TXT";
    LogObserver on_log;
    void Log(std::string_view function, std::string_view info, std::uint32_t param);
    void Error_Code(int code) override;

private:
    CrtRand crt_;
};

} // namespace zenka
