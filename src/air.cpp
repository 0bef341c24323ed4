#include "air.h"

#include <cstdio>

namespace zenka {

namespace {

// A sound output that plays nothing, for a context that only composes and renders.
class SilentOutput final : public SoundOutput {
  public:
    int device_count() const override { return 0; }
    void open_channel(int, const std::filesystem::path&) override {}
    void close_channel(int) override {}
    void loop_carrier(const std::filesystem::path&) override {}
    void stop_carrier() override {}
    void play_recording(std::string_view) override {}
    void close_recording(std::string_view) override {}
    void start_noise() override {}
    void stop_noise() override {}
};

} // namespace

Air::Air(Clock& c, std::unique_ptr<SoundOutput> own, SoundOutput* output,
         std::filesystem::path folder)
    : own_out_(std::move(own)), clock(c), out(output != nullptr ? *output : *own_out_),
      workdir(std::move(folder)),
      channels(out, clock,
               [this](std::string_view f, std::string_view i, std::uint32_t p) { Log(f, i, p); }) {
    t = clock.utc();
}

Air::Air(Clock& c, SoundOutput& output, std::filesystem::path folder)
    : Air(c, nullptr, &output, std::move(folder)) {}

Air::Air(Clock& c, std::filesystem::path folder)
    : Air(c, std::make_unique<SilentOutput>(), nullptr, std::move(folder)) {}

Air::~Air() = default;

std::filesystem::path Air::channel_file(int k) const {
    char name[16];
    std::snprintf(name, sizeof name, "ZENKA0%d.WAV", k);
    return workdir / name;
}

std::uint32_t Air::CreateWave(int k, std::string_view text) {
    return keyer.render(channel_file(k), text).duration_ms;
}

std::filesystem::path Air::carrier_file() const {
    return workdir / "ZENKA09.WAV";
}

void Air::sound(int k) {
    channels.sound(k, channel_file(k));
}

void Air::smetr() {
    if (on_smetr) on_smetr();
}

} // namespace zenka
