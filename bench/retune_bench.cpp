// Retune latency: every frequency of the dial (10.0 - 1000.4 kHz, all 9,905 of
// them) at several times of day, through the whole retune cycle (stop, fresh
// parameters, dispatcher, render, start) with a sound output that plays nothing.
// Reports the time from the start of a retune to its last channel started, as
// median, 99th percentile and maximum; goals: p99 under 20 ms, and a median under
// 2 ms for the retunes that start a station. Then the survey: composing (without
// rendering) the whole dial at one instant with a fresh random source per
// frequency, as `zenka survey` does; goal under 0.5 s. The exit status is 1 when a
// goal is missed.

#include "band/dispatcher.h"
#include "platform/silent_output.h"
#include "platform/work_folder.h"
#include "shell/receiver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double percentile(std::vector<double>& v, double p) {
    std::sort(v.begin(), v.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1));
    return v[at];
}

struct Times {
    std::vector<double> all, with_station; // every retune; those that started a station
};

const char* const kTimes[] = {"2026-12-08T03:12:06Z", "2026-12-08T06:13:02Z",
                              "2026-12-08T11:47:13Z", "2026-06-21T16:45:12Z",
                              "2026-06-21T22:30:41Z"};

// Every frequency of the dial at each of the times, with or without the stations near
// the dial composed and keyed beside the tuned one.
Times retune_the_dial(const zenka::WorkFolder& work, bool neighbours) {
    Times t;
    for (const char* when : kTimes) {
        zenka::FixedClock clock(*zenka::parse_utc(when));
        zenka::RandomSource random;
        zenka::SilentOutput out; // plays nothing, keeps nothing
        zenka::Playout playout(out, clock, random, work.path());
        zenka::NoPanel view;
        zenka::Receiver rx(clock, random, playout, view, [](zenka::Air& a) { zenka::band(a); });
        rx.set_neighbours(neighbours);
        for (int freq = 100; freq <= 10004; ++freq) {
            rx.settings.freq = freq;
            const auto start = std::chrono::steady_clock::now();
            rx.dsp_freq();
            const auto end = std::chrono::steady_clock::now();
            t.all.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            if (rx.last().slots_closed > 0 || rx.last_play().neighbours > 0)
                t.with_station.push_back(t.all.back());
        }
        playout.stop_all();
    }
    return t;
}

} // namespace

int main() {
    zenka::WorkFolder work;
    if (!work.ok()) {
        std::fprintf(stderr, "retune bench: %s\n", work.error().c_str());
        return 2;
    }
    const char* const* times = kTimes;
    Times alone = retune_the_dial(work, false);
    std::vector<double>& ms = alone.all;
    std::vector<double>& with_station = alone.with_station;
    const std::size_t n = ms.size();
    const double median = percentile(ms, 0.5), p99 = percentile(ms, 0.99), max = ms.back();
    std::printf("retunes %zu\nmedian  %.3f ms\np99     %.3f ms\nmax     %.3f ms\n", n, median, p99,
                max);
    double station_median = 0;
    if (!with_station.empty()) {
        station_median = percentile(with_station, 0.5);
        const double s_p99 = percentile(with_station, 0.99);
        std::printf(
            "retunes that started a station %zu: median %.3f ms, p99 %.3f ms, max %.3f ms\n",
            with_station.size(), station_median, s_p99, with_station.back());
    }

    const auto survey_start = std::chrono::steady_clock::now();
    int on_air = 0;
    {
        zenka::FixedClock clock(*zenka::parse_utc(times[1]));
        for (int freq = 100; freq <= 10004; ++freq) {
            zenka::RandomSource random;
            zenka::ReceiverSettings settings;
            settings.freq = freq;
            const zenka::Composition c =
                zenka::compose(clock, random, settings, [](zenka::Air& a) { zenka::band(a); });
            on_air += c.slots_closed > 0;
        }
    }
    const double survey_s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - survey_start).count();
    std::printf("survey  %.3f s for 9905 frequencies (%d with a slot)\n", survey_s, on_air);

    Times near = retune_the_dial(work, true);
    const double near_median = percentile(near.with_station, 0.5);
    const double near_p99 = percentile(near.with_station, 0.99);
    std::printf("with neighbours, retunes that started a station or a neighbour %zu: median "
                "%.3f ms, p99 %.3f ms, max %.3f ms\n",
                near.with_station.size(), near_median, near_p99, near.with_station.back());

    const bool met = p99 < 20.0, station_met = station_median < 2.0,
               survey_met = survey_s < 0.5, near_met = near_median < 3.0 && near_p99 < 10.0;
    std::printf("summary\n  %-6s p99 %.3f ms (goal < 20 ms)\n", met ? "ok" : "MISSED", p99);
    std::printf("  %-6s median of the retunes that started a station %.3f ms (goal < 2 ms)\n",
                station_met ? "ok" : "MISSED", station_median);
    std::printf("  %-6s survey %.3f s (goal < 0.5 s)\n", survey_met ? "ok" : "MISSED", survey_s);
    std::printf("  %-6s with neighbours: median %.3f ms (goal < 3 ms), p99 %.3f ms (goal < 10 ms)\n",
                near_met ? "ok" : "MISSED", near_median, near_p99);
    return met && station_met && survey_met && near_met ? 0 : 1;
}
