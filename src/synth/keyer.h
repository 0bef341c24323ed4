#pragma once
// Renders a text as Morse telegraphy into a channel file: character by
// character, element by element, with one slot's emission parameters and the
// receiver's settings.

#include "platform/audio_filter.h"
#include "platform/clock.h"
#include "platform/random_source.h"
#include "platform/rewrite_file.h"
#include "synth/emission.h"
#include "synth/sample_sink.h"
#include "synth/wave_header.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// The pitch a slot with tone `ton` starts at: its file runs at sampling x tone (FLT2
// doubles the tone first), and a mark is an 8-sample cycle.
double keyed_pitch_hz(int ton, int sampling, Filter filter);

// What the keyer needs of the receiver.
struct KeyerSetup {
    int freq = 0;                 // tuned frequency in units of 100 Hz: weakens by path and time
    int sampling = 4;             // playback rate multiplier
    Filter filter = Filter::flt2; // audio filter
    int att = 0;                  // attenuator
    int channel = 1;              // audio channels written into the file header
};

// The moment a character of the text starts in the channel file: the byte of the text it is
// (switches are no characters and have no entry) and the time from the start of the file.
struct CharStart {
    std::size_t at = 0;
    std::uint32_t ms = 0;

    friend bool operator==(const CharStart&, const CharStart&) = default;
};

// A stretch in which the station's transmitter sounds (a mark, a spark, the lower tone of
// frequency-shift keying): from and to in milliseconds from the start of the file, and
// how loud at its loudest, 1 being a mark at full strength.
struct KeyDown {
    // Sound closer than this to the last stretch (samples) goes on with it.
    static constexpr std::uint64_t kBridge = 24;

    std::uint32_t from_ms = 0;
    std::uint32_t to_ms = 0;
    float level = 0;

    friend bool operator==(const KeyDown&, const KeyDown&) = default;
};

struct RenderResult {
    enum class Outcome { Written, Suppressed, FileError };
    Outcome outcome = Outcome::Written;
    std::uint32_t duration_ms = 0; // playing time of the file; 0 unless Written
    std::string error;             // what went wrong with the file
    int qsa = 0;                   // strength at the end, for the S-meter
    // The file's sizes ran out (kMaxSamples) before the end of the text: only
    // its first `keyed` bytes are in the file.
    bool cut_short = false;
    std::size_t keyed = 0;
};

// What changed since the keying quantities were last derived.
enum class ParamChange { Render, Speed, Tone, Strength };

class Keyer {
  public:
    // Hand keying draws from `random`, mixing in the time `clock` gives; the path
    // weakening reads the hour from it.
    Keyer(const Clock& clock, RandomSource& random) : clock_(clock), random_(random) {}
    Keyer(const Keyer&) = delete;
    Keyer& operator=(const Keyer&) = delete;

    // Renders `text` (up to its first zero byte) into `file`.
    RenderResult render(const std::filesystem::path& file, std::string_view text,
                        const EmissionParams& params, const KeyerSetup& setup);
    // The same into the open descriptor `fd`, which stays the caller's.
    RenderResult render(int fd, std::string_view text, const EmissionParams& params,
                        const KeyerSetup& setup);

    // The same without a file: what the render would give, its duration above all.
    // It draws from the random source as the render does.
    RenderResult measure(std::string_view text, const EmissionParams& params,
                         const KeyerSetup& setup);

    // A measure that also gives the stretches keyed down in the first `horizon_ms` of the
    // file, in order, into `key_downs`. The whole text is walked, so that it draws from the
    // random source exactly as the render would.
    RenderResult measure_keying(std::string_view text, const EmissionParams& params,
                                const KeyerSetup& setup, std::uint32_t horizon_ms,
                                std::vector<KeyDown>& key_downs);

    // When each character of the last render or measure starts, in the order keyed, with the
    // speed and tone the in-band switches set and hand keying as drawn; the characters cut off
    // at the file's limit have none. Empty after a render that wrote nothing. A front end shows
    // the text in step with the sound from it.
    const std::vector<CharStart>& chars() const { return timeline_; }

    // Derives dot_size (and the final tone) from spd, ton, sampling and filter.
    void load_params(ParamChange change);

    // The parameters and settings of the render under way (or the last one), as
    // the in-band switches, the attenuator and the path have changed them.
    EmissionParams p;
    KeyerSetup rx;

    // Render state; last_space and tuning_flag carry over from one render to the next.
    int last_space = 0;
    int tuning_flag = 0;
    std::uint32_t rto_rand = 0; // extension of the element being written, in cycles
    std::uint32_t dot_size = 0; // waveform cycles per dot unit
    WaveHeader wavehdr;

    // Largest number of samples a file can hold (its sizes are 32-bit).
    static constexpr std::uint64_t kMaxSamples = 0xFFFFFFFFull - 36 - 4;

  private:
    // Takes the slot's parameters and settings and derives the keying quantities.
    void start(const EmissionParams& params, const KeyerSetup& setup);
    // Keys the text into the open file_ and completes it.
    RenderResult render_open(std::string_view text);
    // Keys the text into out_ after the leading space.
    void key(std::string_view text);
    std::uint32_t duration_ms() const;
    // The result of a render that has keyed its text into out_.
    // Also makes the timeline of its characters.
    RenderResult keyed_result();
    void prop();
    void walk(std::string_view text);
    // The measure, noting the runs of sound before byte `until` when `runs` is given.
    RenderResult measured(std::string_view text, const EmissionParams& params,
                          const KeyerSetup& setup, std::vector<SoundRun>* runs,
                          std::uint64_t until);

    void letter(unsigned char ch, std::uint32_t n);
    void dot(std::uint32_t n);
    void dash(std::uint32_t n);
    void space(std::uint64_t n);
    void dot_inv(std::uint32_t n);
    void dash_inv(std::uint32_t n);
    void space_inv(std::uint64_t n);
    void space_f1(std::uint64_t n);
    void spark_dot(std::uint64_t e);
    void spark_dash(std::uint64_t e);

    // Hand-keying extension for an element of base length m cycles.
    std::uint64_t hand_extension(std::uint64_t m);
    // myrand() mod m, or 0 when m is 0.
    std::uint64_t draw_below(std::uint64_t m);

    const Clock& clock_;
    RandomSource& random_;
    RewriteFile file_;
    SampleSink out_;
    std::size_t text_size_ = 0; // bytes of the text up to its first zero byte
    std::size_t keyed_ = 0;     // of them keyed in full
    struct ByteStart {
        std::size_t at;
        std::uint64_t byte; // of the file's data
    };
    std::vector<ByteStart> chars_;    // where each character keyed starts
    std::vector<CharStart> timeline_; // the same in milliseconds, of what was kept
    std::vector<SoundRun> runs_;      // the runs of sound of the last measure_keying
};

} // namespace zenka
