// Memory with the band window open over 2,000 retunes: the panel, the receiver over
// the real band with a silent sound output, and the window following every retune,
// its timers and the minute's lists running, the clock seven seconds on a retune.
// The heap in use (glibc's count) and the resident size are read after 200 retunes,
// when every list has been filled once, and again after 2,000; goal: the heap grows
// by less than 256 KiB between the two. The exit status is 1 when it does not.

#include "band/dispatcher.h"
#include "panel/band_window.h"
#include "panel/panel.h"
#include "panel/settings_file.h"
#include "platform/clock.h"
#include "platform/silent_output.h"
#include "platform/work_folder.h"
#include "shell/receiver.h"

#include <QApplication>
#include <QDir>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <random>
#include <string>

namespace {

long resident_kib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
    return -1;
}

std::size_t heap_in_use() {
    return mallinfo2().uordblks;
}

} // namespace

int main(int argc, char** argv) {
    using namespace std::chrono_literals;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = argc > 0 ? 1 : 0;
    QApplication app(qt_argc, argv);
    zenka::WorkFolder work;
    if (!work.ok()) {
        std::fprintf(stderr, "band window bench: %s\n", work.error().c_str());
        return 2;
    }
    zenka::FixedClock clock(*zenka::parse_utc("2026-12-08T06:13:02Z"));
    zenka::RandomSource random;
    zenka::SilentOutput out;
    zenka::Playout playout(out, clock, random, work.path());
    zenka::Panel panel;
    zenka::Receiver rx(clock, random, playout, panel, [](zenka::Air& a) { zenka::band(a); });
    panel.attach(rx);
    panel.show();
    zenka::SettingsFile settings(QString::fromStdString((work.path() / "zenka.ini").string()));
    zenka::BandWindow window(rx, clock, settings, &panel);
    window.restore();
    QApplication::processEvents();

    std::mt19937 pick(1);
    std::uniform_int_distribution<int> freq(100, 10004);
    constexpr int kWarm = 200, kRetunes = 2000;
    std::size_t heap_warm = 0;
    long rss_warm = 0;
    int stations = 0;
    for (int n = 1; n <= kRetunes; ++n) {
        clock.advance(7s);
        rx.tune(freq(pick));
        if (!rx.last().empty()) ++stations;
        QApplication::processEvents();
        window.tick();
        if (n == kWarm) {
            heap_warm = heap_in_use();
            rss_warm = resident_kib();
        }
    }
    const std::size_t heap_end = heap_in_use();
    const long rss_end = resident_kib();
    const long long growth = static_cast<long long>(heap_end) - static_cast<long long>(heap_warm);
    std::printf("band window open, %d retunes (%d with something on the air)\n", kRetunes,
                stations);
    std::printf("heap in use   after %d: %zu KiB, after %d: %zu KiB, growth %lld KiB\n", kWarm,
                heap_warm / 1024, kRetunes, heap_end / 1024, growth / 1024);
    std::printf("resident size after %d: %ld KiB, after %d: %ld KiB\n", kWarm, rss_warm, kRetunes,
                rss_end);
    playout.stop_all();
    const bool ok = growth < 256 * 1024;
    std::printf("goal (heap growth under 256 KiB): %s\n", ok ? "met" : "MISSED");
    return ok ? 0 : 1;
}
