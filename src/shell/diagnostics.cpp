#include "air.h"

#include <cstdio>
#include <string>

namespace zenka {

// The watchers log from their own threads, so records are written one at a time,
// and the time of a record is read for it alone rather than into the shared `t`.
void Air::Log(std::string_view function, std::string_view info, std::uint32_t param) {
    const std::lock_guard lock(log_mutex_);
    if (on_log) on_log(function, info, param);
    if (!debug) return;
    const SystemTime now = clock.utc();
    std::FILE* f = std::fopen(log_file.c_str(), "a");
    if (f == nullptr) return; // the record is lost, as a log must never stop the receiver
    const std::string fn(function), in(info);
    std::fprintf(
        f,
        "\n Function: %s \n Info: %s \n Time: %02d:%02d:%02d:%02d  Ticks:%d \n freq: %d  \n"
        " spd: %d  \n ton: %d \n qsa: %d \n qrh: %d \n rto: %d \n f1: %d \n sz: %d \n"
        " hand: %d \n  spacing: %d \n additional param: %u\n",
        fn.c_str(), in.c_str(), now.hour, now.minute, now.second, now.milliseconds,
        static_cast<int>(clock.tick_count()), freq, spd, ton, qsa, qrh, rto, _f1, sz, hand,
        slot_params[0].spacing, param);
    std::fclose(f);
}

void Air::Error_Code(int code) {
    char text[32];
    std::snprintf(text, sizeof text, "Error code: %d", code);
    Log("ERROR", text, static_cast<std::uint32_t>(code));
}

} // namespace zenka

namespace zenka {

void Air::get_statistics() {
    if (!debug) return;
    const std::lock_guard lock(log_mutex_);
    std::FILE* f = std::fopen(log_file.c_str(), "a");
    if (f == nullptr) return;
    std::fprintf(f,
                 "\n ZENKA Version: %d.%02d\n Resource statistics\n Background: %d\n Beacons: %d",
                 4, 29, 64, 266);
    std::fclose(f);
}

void Air::close_files() {
    stop_all_devs();
    for (int k = 0; k <= 9; ++k) {
        std::error_code ignored; // a missing file is skipped
        std::filesystem::remove(channel_file(k), ignored);
    }
}

} // namespace zenka
