#pragma once
// Renders a text as Morse telegraphy into a channel file: character by
// character, element by element, with the emission parameters of the context.

#include "platform/rewrite_file.h"
#include "synth/sample_sink.h"
#include "synth/wave_header.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zenka {

class Air;

struct RenderResult {
    enum class Outcome { Written, Suppressed, FileError };
    Outcome outcome = Outcome::Written;
    std::uint32_t duration_ms = 0; // playing time of the file; 0 unless Written
    std::string error;             // what went wrong with the file
};

// What changed since the keying quantities were last derived.
enum class ParamChange { Render, Speed, Tone, Strength };

class Keyer {
  public:
    explicit Keyer(Air& air) : a(air) {}
    Keyer(const Keyer&) = delete;
    Keyer& operator=(const Keyer&) = delete;

    // Renders `text` (up to its first zero byte) into `file` with the current
    // parameters of the context.
    RenderResult render(const std::filesystem::path& file, std::string_view text);

    // Derives dot_size (and the final tone) from spd, ton, sampling and filter.
    void load_params(ParamChange change);

    // Render state; last_space and tuning_flag carry over from one render to the next.
    int last_space = 0;
    int tuning_flag = 0;
    std::uint32_t rto_rand = 0; // extension of the element being written, in cycles
    std::uint32_t dot_size = 0; // waveform cycles per dot unit
    int old_flt = 0;            // the receiver's filter while a spark render forces it on
    WaveHeader wavehdr;

    // Largest number of samples a file can hold (its sizes are 32-bit).
    static constexpr std::uint64_t kMaxSamples = 0xFFFFFFFFull - 36 - 4;

  private:
    void prop();
    void walk(std::string_view text);
    void restore_filter();

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

    Air& a;
    RewriteFile file_;
    SampleSink out_;
    bool filter_forced_ = false;
};

} // namespace zenka
