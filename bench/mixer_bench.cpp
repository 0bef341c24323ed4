// Cost, latency and memory of the sound layer.
//
//   BM_MixCpu/N        N stations: the seven channels (6000 .. 16000 Hz files) and,
//                      from 8 on, neighbours (files of 6000 .. 16000 Hz, moved
//                      -2.9 .. +2.9 kHz), all fading deep, drifting and chirping;
//                      looped noise with crashes, carrier and one recording,
//                      through FLT1 and the AGC, mixed at 48 kHz: the processor time
//                      of the thread to make one second of audio (feeding the
//                      streams included) as a percentage of one core, and the wall
//                      time alike. N = 0, 7 and 19 (7 channels + 12 neighbours); the
//                      cost of a station is (N=19 - N=0) / 19. Goals: N=19 at most 5%,
//                      a station at most 0.1%.
//                      The audio callback part must make no heap allocation at all.
//   BM_OpenLatency     SDL device (dummy driver unless SDL_AUDIODRIVER says
//                      otherwise): from open_channel returning to the block that
//                      first carries the channel, in device periods (512 samples,
//                      10.7 ms) and in ms. Goal: at most one period.
//   BM_LongEmissions   seven one-hour channel files at 8000 Hz (28.8 MB each, in the
//                      system temp folder, removed afterwards) played to their end
//                      through the mixer together with noise, carrier and a
//                      recording. Goal: peak resident memory of the whole process
//                      (getrusage ru_maxrss) under 150 MB.
//
// A summary follows the run; the exit status is 1 when a measured goal is missed.

#include "platform/sound/mix_levels.h"
#include "platform/sound/mixer.h"
#include "platform/sound/sdl_sound.h"

#include "heap_count.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <time.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using zenka::sound::Mixer;
using zenka::sound::RecordingsFolder;

constexpr std::size_t kPeriod = 512;
constexpr std::uint64_t kSecond = 48000; // samples of one second at the mix rate

// ---------------------------------------------------------------------------
// Files

fs::path g_folder;

void make_folder() {
    std::string pattern = (fs::temp_directory_path() / "zenka-mixer-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    g_folder = pattern;
    fs::create_directory(g_folder / "fone");
}

void remove_folder() {
    std::error_code ignored;
    if (!g_folder.empty()) fs::remove_all(g_folder, ignored);
}

void put_le(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::string wav_header(std::uint32_t rate, int bits, std::uint32_t data_bytes) {
    std::string h = "RIFF";
    put_le(h, 36 + data_bytes, 4);
    h += "WAVEfmt ";
    put_le(h, 16, 4);
    put_le(h, 1, 2);
    put_le(h, 1, 2);
    put_le(h, rate, 4);
    put_le(h, rate * static_cast<std::uint32_t>(bits / 8), 4);
    put_le(h, static_cast<std::uint32_t>(bits / 8), 2);
    put_le(h, static_cast<std::uint32_t>(bits), 2);
    h += "data";
    put_le(h, data_bytes, 4);
    return h;
}

// A channel file of `seconds` of keyed tone (8-sample cycles, pseudo-random
// marks and spaces of 1 to 3 dot units of 60 ms), written a piece at a time.
fs::path channel_file(const std::string& name, std::uint32_t rate, std::uint64_t seconds) {
    static const std::array<std::uint8_t, 8> kCycle = {128, 176, 224, 176, 128, 80, 32, 80};
    const fs::path path = g_folder / name;
    const std::uint64_t samples = rate * seconds;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::string head = wav_header(rate, 8, static_cast<std::uint32_t>(samples + 4));
    head += std::string(4, static_cast<char>(0x80));
    out.write(head.data(), static_cast<std::streamsize>(head.size()));
    const std::uint64_t dot = rate * 6 / 100;
    std::uint32_t random = rate;
    std::vector<char> chunk;
    chunk.reserve(1 << 20);
    bool mark = true;
    std::uint64_t left_in_element = dot;
    for (std::uint64_t i = 0; i < samples; ++i) {
        chunk.push_back(static_cast<char>(mark ? kCycle[i % 8] : 0x80));
        if (--left_in_element == 0) {
            random = random * 1103515245u + 12345u;
            mark = !mark;
            left_in_element = dot * (1 + (random >> 16) % 3);
        }
        if (chunk.size() == chunk.capacity()) {
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            chunk.clear();
        }
    }
    out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    return path;
}

void wav8(const fs::path& path, std::uint32_t rate, std::size_t count, double hz, int amplitude) {
    std::string bytes = wav_header(rate, 8, static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i)
        bytes.push_back(static_cast<char>(
            128 + std::lround(amplitude * std::sin(6.283185307179586 * hz * i / rate))));
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void noise16(const fs::path& path, std::uint32_t rate, std::size_t count) {
    std::string bytes = wav_header(rate, 16, static_cast<std::uint32_t>(count * 2));
    std::uint32_t random = 1;
    for (std::size_t i = 0; i < count; ++i) {
        random = random * 1103515245u + 12345u;
        put_le(bytes,
               static_cast<std::uint16_t>(static_cast<std::int16_t>((random >> 16) % 16000) - 8000),
               2);
    }
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Noise (5 s at 22050 Hz), carrier (80 samples at 8000 Hz) and a recording
// (30 s at 22050 Hz), as the receiver ships them.
void make_whole_sounds() {
    noise16(g_folder / "fone/noise.wav", 22050, 5 * 22050);
    wav8(g_folder / "carrier.wav", 8000, 80, 1000.0, 40);
    wav8(g_folder / "fone/rtt-001.wav", 22050, 30 * 22050, 850.0, 100);
}

void start_whole_sounds(Mixer& m) {
    m.start_noise();
    m.loop_carrier(g_folder / "carrier.wav");
    m.play_recording("fone/rtt-001.wav");
    m.load();
}

long peak_rss_kib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long current_rss_kib() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// Mixes `samples` in device-sized blocks, feeding before each; adds the time
// spent feeding and mixing, as processor time of this thread (what the work
// costs, however busy the machine is) and as wall time.
struct MixClock {
    double feed_s = 0;
    double mix_s = 0;
    double wall_s = 0;
};

double thread_seconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

void run_mixer(Mixer& m, std::uint64_t samples, MixClock* clock) {
    std::array<float, kPeriod> block{};
    while (samples > 0) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(samples, kPeriod));
        const auto w0 = std::chrono::steady_clock::now();
        const double t0 = thread_seconds();
        m.feed();
        const double t1 = thread_seconds();
        zenka::bench::count_heap(true);
        m.mix(std::span<float>(block.data(), n));
        zenka::bench::count_heap(false);
        const double t2 = thread_seconds();
        const auto w1 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(block.data());
        if (clock != nullptr) {
            clock->feed_s += t1 - t0;
            clock->mix_s += t2 - t1;
            clock->wall_s += std::chrono::duration<double>(w1 - w0).count();
        }
        samples -= n;
    }
}

// ---------------------------------------------------------------------------
// Results for the summary

// By the number of stations mixed: 0, 7, 19.
struct MixCost {
    double core_pct = -1, mix_pct = -1, feed_pct = -1, wall_pct = -1;
};
std::array<MixCost, 20> g_cost;
double g_latency_periods_max = -1;
double g_latency_ms_max = -1;
double g_peak_mb = -1;
bool g_long_played = false;

void BM_MixCpu(benchmark::State& state) {
    const auto stations = static_cast<int>(state.range(0));
    const int channels = std::min(stations, Mixer::kChannels);
    const int neighbours = std::max(0, stations - Mixer::kChannels);
    const std::uint32_t rates[Mixer::kChannels] = {6000, 7000, 8000, 9000, 11025, 12000, 16000};
    const std::uint32_t neighbour_rates[Mixer::kNeighbours] = {
        6400, 6000, 7200, 8000, 8800, 9600, 10400, 11200, 12000, 13600, 14400, 16000};
    std::vector<fs::path> files;
    for (int k = 0; k < channels; ++k)
        files.push_back(channel_file("CPU" + std::to_string(k) + ".WAV", rates[k], 30));
    for (int i = 0; i < neighbours; ++i)
        files.push_back(channel_file("NEAR" + std::to_string(i) + ".WAV", neighbour_rates[i], 30));
    Mixer m(RecordingsFolder(g_folder / "fone"));
    // The receiver's whole work: every station fading deep and drifting with a
    // chirp, FLT1, static crashes on a summer night.
    m.set_receiver({zenka::Filter::flt1, 0, 6.0, 6.0, 1});
    const auto sound_of = [](int n) {
        zenka::ChannelSound sound;
        sound.fade_rate_hz = 0.1 + 0.02 * n;
        sound.fade_depth = 1.0;
        sound.drift_hz = 16.0;
        sound.chirp_hz = 15.0;
        sound.seed = static_cast<std::uint64_t>(n);
        return sound;
    };
    const auto restart = [&] {
        for (int k = 0; k < channels; ++k)
            m.open_channel(k, files[static_cast<std::size_t>(k)], sound_of(k));
        for (int i = 0; i < neighbours; ++i) {
            // Up and down the ±3 kHz either side of the dial.
            zenka::ChannelSound sound = sound_of(channels + i);
            sound.offset_hz = (i % 2 == 0 ? 1.0 : -1.0) * (150.0 + 250.0 * i);
            m.open_neighbour(i, files[static_cast<std::size_t>(channels + i)], {sound, 0.5});
        }
        start_whole_sounds(m);
    };
    restart();
    MixClock clock;
    std::uint64_t played = 0;
    zenka::bench::reset_heap_count();
    for (auto _ : state) {
        if (played + kSecond > 25 * kSecond) { // the emissions last 30 s
            state.PauseTiming();
            for (int k = 0; k < Mixer::kChannels; ++k)
                m.close_channel(k);
            for (int i = 0; i < Mixer::kNeighbours; ++i)
                m.close_neighbour(i);
            m.close_recording("fone/rtt-001.wav");
            restart();
            played = 0;
            state.ResumeTiming();
        }
        run_mixer(m, kSecond, &clock);
        played += kSecond;
    }
    const double seconds = static_cast<double>(state.iterations());
    MixCost& cost = g_cost[static_cast<std::size_t>(stations)];
    cost.mix_pct = 100.0 * clock.mix_s / seconds;
    cost.feed_pct = 100.0 * clock.feed_s / seconds;
    cost.core_pct = cost.mix_pct + cost.feed_pct;
    cost.wall_pct = 100.0 * clock.wall_s / seconds;
    state.counters["core_%"] = cost.core_pct;
    state.counters["mix_%"] = cost.mix_pct;
    state.counters["feed_%"] = cost.feed_pct;
    state.counters["wall_%"] = cost.wall_pct;
    state.counters["mix_allocs"] = static_cast<double>(zenka::bench::heap_count().calls);
    for (const auto& f : files)
        fs::remove(f);
}

void BM_OpenLatency(benchmark::State& state) {
    const fs::path file = channel_file("LATENCY.WAV", 8000, 20);
    zenka::sound::SdlSound sound(RecordingsFolder(g_folder / "fone"));
    const Mixer* m = sound.mixer();
    if (m == nullptr) {
        state.SkipWithError("no audio device (try SDL_AUDIODRIVER=dummy)");
        return;
    }
    while (m->blocks_started() < 3)
        std::this_thread::sleep_for(1ms);
    double periods_sum = 0;
    double periods_max = 0;
    double ms_sum = 0;
    double ms_max = 0;
    double open_ms_max = 0;
    int k = 0;
    for (auto _ : state) {
        const std::uint64_t before = m->channel_heard(k).block;
        const auto t0 = std::chrono::steady_clock::now();
        sound.open_channel(k, file);
        const auto t1 = std::chrono::steady_clock::now();
        const std::uint64_t begun = m->blocks_started();
        while (m->channel_heard(k).block == before)
            std::this_thread::sleep_for(50us);
        const auto heard = m->channel_heard(k);
        // A block already running when open_channel returned and still taking
        // the channel counts as 0 periods and 0 ms.
        const double periods = static_cast<double>(heard.block - begun);
        const double ms =
            std::max(0.0, static_cast<double>(heard.steady_ns -
                                              std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                  t1.time_since_epoch())
                                                  .count()) /
                              1e6);
        state.SetIterationTime(ms / 1000.0);
        periods_sum += periods;
        periods_max = std::max(periods_max, periods);
        ms_sum += ms;
        ms_max = std::max(ms_max, ms);
        open_ms_max =
            std::max(open_ms_max, std::chrono::duration<double, std::milli>(t1 - t0).count());
        sound.close_channel(k);
        k = (k + 1) % Mixer::kChannels;
        std::this_thread::sleep_for(
            std::chrono::microseconds(3000 + 1700 * k)); // land anywhere in a period
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["periods_mean"] = periods_sum / n;
    state.counters["periods_max"] = periods_max;
    state.counters["ms_mean"] = ms_sum / n;
    state.counters["ms_max"] = ms_max;
    state.counters["open_call_ms_max"] = open_ms_max;
    state.counters["period_ms"] = 1000.0 * kPeriod / zenka::sound::kMixRate;
    g_latency_periods_max = periods_max;
    g_latency_ms_max = ms_max;
    fs::remove(file);
}

void BM_LongEmissions(benchmark::State& state) {
    constexpr std::uint64_t kSeconds = 3600;
    std::vector<fs::path> files;
    for (int k = 0; k < Mixer::kChannels; ++k)
        files.push_back(channel_file("LONG" + std::to_string(k) + ".WAV", 8000, kSeconds));
    const long rss_before = current_rss_kib();
    long rss_during = 0;
    for (auto _ : state) {
        Mixer m(RecordingsFolder(g_folder / "fone"));
        for (int k = 0; k < Mixer::kChannels; ++k)
            m.open_channel(k, files[static_cast<std::size_t>(k)]);
        start_whole_sounds(m);
        for (std::uint64_t s = 0; s < kSeconds; s += 60) {
            run_mixer(m, 60 * 48000, nullptr);
            rss_during = std::max(rss_during, current_rss_kib());
        }
        g_long_played = true;
    }
    for (const auto& f : files)
        fs::remove(f);
    g_peak_mb = static_cast<double>(peak_rss_kib()) / 1024.0;
    state.counters["peak_rss_MB"] = g_peak_mb;
    state.counters["rss_before_MB"] = static_cast<double>(rss_before) / 1024.0;
    state.counters["rss_playing_max_MB"] = static_cast<double>(rss_during) / 1024.0;
    state.counters["files_MB"] = 7.0 * 8000.0 * kSeconds / 1e6;
}

bool report_goal(bool measured, bool met, const char* line) {
    std::printf("  %-8s %s\n", !measured ? "skipped" : met ? "met" : "MISSED", line);
    return !measured || met;
}

} // namespace

BENCHMARK(BM_MixCpu)->Arg(0)->Arg(7)->Arg(19)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_OpenLatency)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_LongEmissions)->Unit(benchmark::kSecond)->Iterations(1);

int main(int argc, char** argv) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 0); // a real device only when asked for
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    make_folder();
    make_whole_sounds();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    remove_folder();

    char line[200];
    bool met = true;
    std::printf("\nsummary\n");
    const MixCost& all = g_cost[19];
    const MixCost& none = g_cost[0];
    const MixCost& seven = g_cost[7];
    std::snprintf(line, sizeof line,
                  "mixing 7 channels + 12 neighbours + noise + carrier + recording: %.2f%% of a "
                  "core (mix %.2f%%, feed %.2f%%; wall %.2f%%; goal <= 5%%)",
                  all.core_pct, all.mix_pct, all.feed_pct, all.wall_pct);
    met &= report_goal(all.core_pct >= 0, all.core_pct <= 5.0, line);
    if (seven.core_pct >= 0) {
        std::printf("           7 channels alone: %.2f%% (mix %.2f%%, feed %.2f%%; wall %.2f%%)\n",
                    seven.core_pct, seven.mix_pct, seven.feed_pct, seven.wall_pct);
    }
    const bool both = all.core_pct >= 0 && none.core_pct >= 0;
    const double station = both ? (all.core_pct - none.core_pct) / 19.0 : -1.0;
    std::snprintf(line, sizeof line,
                  "a station: %.3f%% of a core (no stations: %.2f%%; goal <= 0.1%%)", station,
                  none.core_pct);
    met &= report_goal(both, station <= 0.1, line);
    std::snprintf(line, sizeof line, "heap allocations in the audio callback: %llu (goal 0)",
                  static_cast<unsigned long long>(zenka::bench::heap_count().calls));
    met &= report_goal(all.core_pct >= 0 || g_long_played, zenka::bench::heap_count().calls == 0,
                       line);
    std::snprintf(line, sizeof line,
                  "open_channel to first audio: at most %.0f period(s), %.2f ms (goal <= 1 period)",
                  g_latency_periods_max, g_latency_ms_max);
    met &= report_goal(g_latency_periods_max >= 0, g_latency_periods_max <= 1.0, line);
    std::snprintf(line, sizeof line,
                  "peak resident memory with seven one-hour emissions: %.1f MB (goal < 150 MB)",
                  g_peak_mb);
    met &= report_goal(g_peak_mb >= 0, g_peak_mb < 150.0, line);
    return met ? 0 : 1;
}
