#pragma once
// Air: what is on the air. The context of one composing pass: the moment and its
// schedule predicates, the random source, the emission parameters, the send
// stack, the text buffers, the station voices, the message counters and the
// traffic state. Generators read and write it by the short names the traffic is
// written in (a.spd = 24; a.send("CQ"); if (a.sked(1230)) ...). It writes no
// file and plays nothing: the pass ends in a Composition, which is played later.

#include "compose/composition.h"
#include "compose/schedule.h"
#include "compose/settings.h"
#include "platform/clock.h"
#include "platform/random_source.h"
#include "synth/emission.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zenka {

// Traffic state shared by the generators of one pass; a pass starts from a fresh one.
struct TrafficState {
    int coast_opchat = 0;
    int qtc = 0, qsu = 0, qru = 0, qru_imi = 0, qsa_imi = 0, gb = 0, qtp = 0;
    int marine_band = 0; // maritime working flag, cleared by every dispatcher pass
    int anm_500 = 0;     // set when an announcement or distress call went out on 500 kHz

    // The working ship and coast station of a maritime contact.
    std::string ship_call, ship_name; // the working ship's call sign and name (__vsl, __qra)
    int vsl_nr = 0;   // its place in the ship register
    int coast_nr = 0; // the coast station's place in coast or mf_coast
    int coast_mf = 0; // a medium-frequency coast station is working
    int anm_sent = 0; // a traffic-list announcement just went out
    // A 500 kHz contact sent on to a working frequency, carried over from the last pass.
    Contact500 contact500;
};

class Air : public Schedule, public EmissionParams, public TrafficState {
    std::unique_ptr<RandomSource> own_random_; // used when no random source is given

  public:
    // A pass at the moment `clock` gives, drawing from `random`, with the receiver's
    // settings. The snapshot `t` is read at once.
    Air(const Clock& clock, RandomSource& random, const ReceiverSettings& settings = {});
    // The same with a random source of its own, in its initial state.
    explicit Air(const Clock& clock, const ReceiverSettings& settings = {});
    ~Air() override;
    Air(const Air&) = delete;
    Air& operator=(const Air&) = delete;

    const Clock& clock;
    RandomSource& random;

    // The receiver's settings, read-only for generators (a.settings.freq, a.settings.hist).
    const ReceiverSettings settings;

    // --- Shared text buffers of the generators ---
    std::string str, str2, str3;

    // --- Station voices and message numbering ---
    // The five stored voices of a conversation; voice(n) is spd<n>, ton<n>, qsa<n>.
    std::array<Voice, 5> voices{};
    Voice& voice(int n) { return voices[static_cast<std::size_t>(n - 1)]; }
    const Voice& voice(int n) const { return voices[static_cast<std::size_t>(n - 1)]; }
    int nr = 0; // message number
    int gr = 0; // group count

    // --- The moment and randomness ---
    // Reads the snapshot t afresh from the clock.
    void refresh_time() { t = clock.utc(); }
    // Refreshes t from the clock and mixes it into the next value.
    std::uint32_t myrand();
    // The runtime's rand(), for the few choices that use it directly.
    int rand() { return random.rand(); }

    // --- Emission parameters ---
    static constexpr int kSlots = Composition::kSlots;
    std::array<EmissionParams, kSlots> slot_params{}; // set of each closed slot
    void stn();
    void stn_ext();
    void create_params();
    EmissionParams& params() { return *this; }
    const EmissionParams& params() const { return *this; }

    // --- Send stack ---
    static constexpr std::size_t kSlotChars = 9999;
    std::array<std::string, kSlots + 1> send_buf{}; // the last one catches overflow
    int open_slot = 0; // index of the open slot, the slots closed so far (send_call)
    void send(std::string_view text);
    int wait(int n);
    void send_stack(std::string_view text);
    void send_still(std::string_view text);

    // --- Conditional sending and keying styles ---
    // How cond() decides. A retune draws; a query that asks what a station could send
    // holds every chance open, or closes every one. The draw is made in every case.
    enum class Chance { drawn, always, never };
    Chance chance = Chance::drawn;
    int cond_draws = 0; // chances drawn so far in this pass
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

    // --- The steady carrier and the recordings ---
    // Notes a carrier file of `count` sample pairs at `tone` (the attenuator takes a
    // strength step off qsa); n0n then asks for it to sound.
    void emit_sound(int tone, int count);
    void n0n(int tone);
    void tuning2(int tone, int pause);
    void fone_cond(int m);
    void play_recording(std::string_view name);

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

    // --- Who is on the air ---
    // The station of each closed slot, as the dispatcher marks it.
    std::array<StationId, kSlots> slot_station{};
    // Marks the sounds asked for from the `from`th on as `station`'s.
    void mark_sounds(std::size_t from, const StationId& station);

    // --- The S-meter and the diagnostic records, kept for the playout ---
    void smetr();
    void Log(std::string_view function, std::string_view info, std::uint32_t param);
    void Error_Code(int code) override;

    // --- The result ---
    // The sounds asked for so far, the meter readings and the records.
    const Composition& so_far() const { return out_; }
    // Ends the pass: the closed slots and all the rest, as a value.
    Composition finish();

  private:
    Air(const Clock& clock, std::unique_ptr<RandomSource> own, RandomSource* random,
        const ReceiverSettings& settings);
    void play_teleprinter(int m, std::string_view recording);
    // Makes voice n current and writes the switch to it into the text.
    void take_voice(int n);
    // A chance drawn: `drawn` as the moment gives it, or as `chance` holds it.
    bool by_chance(bool drawn);

    Composition out_;
    struct CarrierFile {
        int tone = 0, qsa = 0, count = 0;
    } carrier_file_;
    bool carrier_started_ = false;
};

} // namespace zenka
