#pragma once
// What one retune put on the air, for the headless front ends: each closed slot
// with its emission parameters, duration and text, and the other sounds started
// (carriers and recordings).

#include "platform/silent_output.h"
#include "synth/emission.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

class Air;

struct SlotReport {
    int channel = 0;
    EmissionParams params;
    std::uint32_t duration_ms = 0;
    std::string text;
};

struct SoundReport {
    enum class Kind { Carrier, Clip };
    Kind kind = Kind::Clip;
    int tone = 0;     // carrier: the tone it was started with
    int qsa = 0;      // carrier: its strength step
    std::string path; // clip: the recording's name, "fone/..."
};

struct RetuneReport {
    int freq = 0;
    std::string utc;
    int send_call = 0;
    std::vector<SlotReport> slots;
    std::vector<SoundReport> sounds;
};

// A sound output that plays nothing and notes the carriers and recordings started.
class SoundCapture final : public SoundOutput {
  public:
    int device_count() const override { return 1; }
    void open_channel(int, const std::filesystem::path&) override {}
    void close_channel(int) override {}
    void loop_carrier(const std::filesystem::path& file) override;
    void stop_carrier() override {}
    void play_recording(std::string_view name) override;
    void close_recording(std::string_view) override {}
    void start_noise() override {}
    void stop_noise() override {}

    // The carriers and clips since the last take; a carrier's tone comes from its
    // file's sample rate divided by `sampling`.
    std::vector<SoundReport> take(int sampling);

  private:
    struct Carrier {
        std::uint32_t rate;
        int amplitude;
    };
    std::mutex mutex_;
    std::vector<SoundReport> sounds_;
    std::vector<Carrier> carriers_; // by the index of their entry in sounds_
};

// The slots the last retune of `a` closed, with the sounds `capture` saw.
RetuneReport report(const Air& a, SoundCapture& capture);

// A text with its control bytes spelled out: <spd 30>, <ton 1200>, <qsa 2>, <tune>.
std::string readable(std::string_view text);
// The report as one JSON object.
std::string to_json(const RetuneReport& r);
// The report as lines of text.
std::string to_text(const RetuneReport& r);

} // namespace zenka
