#pragma once
// Air: what is on the air. The one context that holds the receiver's state, the
// emission parameters, the random source and the send store; generators and the
// renderer read and write it by the short names the traffic is written in
// (a.spd = 24; a.send("CQ"); if (a.sked(1230)) ...).

#include "band/schedule.h"
#include "channels/sound_channels.h"
#include "platform/clock.h"
#include "platform/crt_rand.h"
#include "platform/sound_output.h"
#include "synth/emission.h"
#include "synth/keyer.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace zenka {

// Sees every diagnostic record, whether or not the log file is on.
using LogObserver =
    std::function<void(std::string_view function, std::string_view info, std::uint32_t param)>;

class Air : public Schedule, public EmissionParams {
    std::unique_ptr<SoundOutput> own_out_; // used when no sound output is given

  public:
    // Channel files are written into `workdir` and played on `out`.
    Air(Clock& clock, SoundOutput& out, std::filesystem::path workdir);
    // The same, silent.
    explicit Air(Clock& clock, std::filesystem::path workdir = ".");
    ~Air() override;
    Air(const Air&) = delete;
    Air& operator=(const Air&) = delete;

    Clock& clock;
    SoundOutput& out;
    std::filesystem::path workdir;

    // --- Receiver settings (owned by the panel) ---
    int freq = 0;     // tuned frequency in units of 100 Hz
    int sampling = 4; // playback rate multiplier: 4 normal pitch, 3 three quarters
    int filter = 0;   // narrow audio filter
    int att = 0;      // attenuator
    int channel = 1;  // audio channels written into the file header
    int hist = 1;     // historical stations
    int clips = 1;    // audio clips
    int bkgnd = 1;    // background stations
    int qrn = 1;      // band noise
    int scan = 0;     // scanning

    // --- Shared text buffers of the generators ---
    std::string str, str2, str3;

    // --- Traffic state shared by the generators, reset by every retune ---
    int coast_opchat = 0;
    int qtc = 0, qsu = 0, qru = 0, qru_imi = 0, qsa_imi = 0, gb = 0, qtp = 0;
    int marine_band = 0; // maritime working flag, cleared by every dispatcher pass
    int anm_500 = 0;     // set when an announcement or distress call went out on 500 kHz

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
    // Starts the runtime's generator from another state (it starts from 1).
    void seed_runtime(std::uint32_t seed) { crt_.reset(seed); }

    // --- Emission parameters ---
    static constexpr int kSlots = 7;
    std::array<EmissionParams, kSlots> slot_params{}; // set of each closed slot
    int emission_nr = 0;                              // slot being rendered
    void stn();
    void stn_ext();
    void load_cw_param();
    void create_params();
    EmissionParams& params() { return *this; }

    // --- Send store ---
    static constexpr std::size_t kSlotChars = 9999;
    std::array<std::string, kSlots + 1> send_buf{};    // the last one catches overflow
    int send_call = 0;                                 // index of the open slot
    std::uint32_t emission_time = 0;                   // ms of the last emission rendered
    std::array<std::uint32_t, kSlots> slot_duration{}; // ms of each slot played, 0 if not
    void send(std::string_view text);
    int wait(int n);
    void send_stack(std::string_view text);
    void send_still(std::string_view text);
    void Activate_Send_Stack();

    // --- Sound channels ---
    void sound(int k);
    void timer0_start(std::uint32_t ms) { channels.timer_start(0, ms); }
    void timer1_start(std::uint32_t ms) { channels.timer_start(1, ms); }
    void timer2_start(std::uint32_t ms) { channels.timer_start(2, ms); }
    void timer3_start(std::uint32_t ms) { channels.timer_start(3, ms); }
    void timer4_start(std::uint32_t ms) { channels.timer_start(4, ms); }
    void timer5_start(std::uint32_t ms) { channels.timer_start(5, ms); }
    void timer6_start(std::uint32_t ms) { channels.timer_start(6, ms); }
    void stop_all_devs() { channels.stop_all_devs(); }

    // --- Conditional sending and keying styles ---
    int cond(int n);
    void send_cond(std::string_view text);
    void send_cond_par(std::string_view text, int n);
    void send_cond_bug(std::string_view text);
    void send_cond_bug_f1(std::string_view text);
    void bug();
    void bug_off() { rto = 0; }
    void hs() { spacing = 3; }
    void f1();
    void tuning();
    void ts();
    void ts2(std::string_view text);

    // --- The steady carrier and the voice clip ---
    std::filesystem::path carrier_file() const;
    void emit_sound(int tone, int count);
    void n0n(int tone);
    void tuning2(int tone, int pause);
    void fone_cond(int m);

    // --- Teleprinter, data and facsimile-type signals ---
    void rtlx_cond_50_170(std::string_view text, int m);
    void rtlx_cond_75_170(std::string_view text, int m);
    void rtlx_cond_50_425(std::string_view text, int m);
    void rtlx_cond_75_425(std::string_view text, int m);
    void rtlx_cond_50_850(std::string_view text, int m);
    void rtlx_cond_75_850(std::string_view text, int m);
    void rtlx_cond_arqe_96(std::string_view text, int m);
    void rtlx_cond(std::string_view text, int shift, int baud, int m);
    void rtlx(std::string_view text, int shift, int baud);
    void sitor();
    void data(int speed, int strength);
    void hell() {}
    void fax(int a, int b);

    // --- Text elements (each writes its own buffer and returns it) ---
    char rand_lat();                      // A .. Z
    char rand_fig();                      // 0 .. 9
    const std::string& call4l();          // str: four-character call sign and a space
    const std::string& group5l(int mode); // str: five letters and a space
    const std::string& group4l();         // str2
    const std::string& group3l();         // str2
    const std::string& group5f();         // str: five figures and a space
    const std::string& group4f();         // str
    const std::string& group3f();         // str
    void nato_call3();                    // str2: letter, figure 1 .. 9, letter

    // --- Calling procedures ---
    void hello();        // str2: the greeting for the hour
    void french_hello(); // str2: "BJR" by day, "BSR" by night
    void clg_cond(std::string_view called, std::string_view calling, int form);
    void send_vvv(std::string_view call);
    const std::string& vvv(); // str: 3 .. 12 letters V and a space
    void qtc_qsk(std::string_view text);
    void send_times(std::string_view text, int n);
    void send_spark(std::string_view text);
    int next_day();

    // --- Station voices in a conversation ---
    void stn1();
    void stn2();
    void stn3();
    void stn4();
    void stn5();
    void dialog1(std::string_view text);
    void dialog2(std::string_view text);
    void dialog3(std::string_view text);
    void dialog4(std::string_view text);
    void dialog5(std::string_view text);

    // --- Rendering ---
    Keyer keyer{*this};
    std::filesystem::path channel_file(int k) const;
    // Renders `text` into channel k's file; returns its playing time in ms (0: nothing to play).
    std::uint32_t CreateWave(int k, std::string_view text);

    // --- Panel hooks ---
    std::function<void()> on_smetr;
    void smetr();

    // --- Diagnostics ---
    int debug = 0; // the log file is written only when on
    std::filesystem::path log_file = "RX_LOG.TXT";
    LogObserver on_log;
    void Log(std::string_view function, std::string_view info, std::uint32_t param);
    void Error_Code(int code) override;
    void get_statistics();
    // Stops everything and deletes the channel files and the carrier file.
    void close_files();

  private:
    Air(Clock& clock, std::unique_ptr<SoundOutput> own, SoundOutput* out,
        std::filesystem::path workdir);
    void play_teleprinter(int m, std::string_view recording);
    void voice(int spd_n, int ton_n, int qsa_n);

    CrtRand crt_;
    std::mutex log_mutex_;

  public:
    // Last, so that its watchers have ended before anything they log through goes.
    SoundChannels channels;
};

} // namespace zenka
