// The station directory: building it from the catalogue (once, on the query thread, when
// the band window opens), a search as each key is typed (on the interface thread), and
// when a station is next on the air (on the query thread) for the stations with the most
// frequencies. Reports the median and the worst of each. Goals: building under 100 ms, a
// search under 5 ms, next on the air under 500 ms. The exit status is 1
// when a goal is missed.

#include "band/catalogue.h"
#include "shell/station_directory.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Figure {
    const char* what;
    double goal_ms;
    std::vector<double> ms = {};

    void time(const std::function<void()>& run) {
        const auto start = Clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    bool report() {
        std::sort(ms.begin(), ms.end());
        const double median = ms[ms.size() / 2], worst = ms.back();
        const bool ok = worst < goal_ms;
        std::printf("%-46s median %8.2f ms  worst %8.2f ms  goal < %.0f ms  %s\n", what, median,
                    worst, goal_ms, ok ? "ok" : "MISSED");
        return ok;
    }
};

} // namespace

int main() {
    using namespace zenka;
    Figure build{"directory built from the catalogue", 100};
    std::size_t entries = 0;
    for (int i = 0; i < 7; ++i)
        build.time([&] { entries = StationDirectory(station_catalogue()).entries().size(); });
    const StationDirectory& d = StationDirectory::of_catalogue();

    Figure search{"search, every entry, one to three words", 5};
    std::size_t found = 0;
    for (const char* words : {"n", "na", "naa", "maritime", "time signal", "weather kobe",
                              "coast", "aeronautical d", "zzz"})
        search.time([&] { found += d.search(words).size(); });

    // The stations with the most frequencies ask the most of the queries.
    std::vector<const DirectoryEntry*> widest;
    for (const DirectoryEntry& e : d.entries())
        if (!e.call.empty()) widest.push_back(&e);
    std::sort(widest.begin(), widest.end(), [](const DirectoryEntry* a, const DirectoryEntry* b) {
        return a->probes().size() > b->probes().size();
    });
    widest.resize(6);
    Figure next{"next on the air, the stations of most frequencies", 500};
    const OnAirQuery q;
    for (const char* when : {"2026-12-08T10:20:30Z", "2026-06-21T22:30:41Z"})
        for (const DirectoryEntry* e : widest)
            next.time([&] { next_on_air(q, *parse_utc(when), *e); });

    std::printf("%zu stations, %zu found by the searches, up to %zu frequencies asked\n", entries,
                found, widest.front()->probes().size());
    const bool ok = build.report() & search.report() & next.report();
    return ok ? 0 : 1;
}
