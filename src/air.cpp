#include "air.h"

#include "platform/silent_output.h"

#include <cstdio>

namespace zenka {

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
