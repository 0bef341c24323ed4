#include "air.h"

#include <cstdio>

namespace zenka {

Air::Air(Clock& c, std::filesystem::path folder) : clock(c), workdir(std::move(folder)) {
    t = clock.utc();
}

std::filesystem::path Air::channel_file(int k) const {
    char name[16];
    std::snprintf(name, sizeof name, "ZENKA0%d.WAV", k);
    return workdir / name;
}

std::uint32_t Air::CreateWave(int k, std::string_view text) {
    return keyer.render(channel_file(k), text).duration_ms;
}

void Air::smetr() {
    if (on_smetr) on_smetr();
}

} // namespace zenka
