// Render speed and memory of the keyer.
//
//   BM_KeyerRender   a ~4000-character traffic text at 20 wpm into one file
//   BM_NaiveRender   the same file written one sample at a time with fputc: the
//                    baseline (checked byte for byte against the keyer first)
//   BM_SevenSlots    seven 9,999-character texts at 5 wpm (~120 MB each) through
//                    the keyer into their channel files, as the playout does,
//                    rewritten in place every iteration
//
// All files go to a private folder under the system temp folder, removed at the
// end. After the run a summary compares the figures with what the receiver needs:
//   - the keyer writes at least 1e9 samples/s and is at least 20x the baseline;
//   - the median of the seven slots is at most 250 ms;
//   - the peak resident memory grows by at most 4 MiB while the slots are
//     rendered, and a render makes no heap allocation that grows with the audio.
// The exit status is 1 when the output check fails or a goal that was measured is
// missed.

#include "platform/clock.h"
#include "platform/random_source.h"
#include "synth/emission.h"
#include "synth/keyer.h"
#include "synth/morse_table.h"
#include "synth/wave_header.h"

#include "heap_count.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// ---------------------------------------------------------------------------
// Scratch folder, texts and keying.

fs::path g_folder;

void remove_folder() {
    if (g_folder.empty()) return;
    std::error_code ignored;
    fs::remove_all(g_folder, ignored);
    g_folder.clear();
}

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "zenka_render_bench: %s\n", message.c_str());
    remove_folder();
    std::exit(EXIT_FAILURE);
}

void make_folder() {
    std::string pattern = (fs::temp_directory_path() / "zenka-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) fail("cannot create a folder under " + pattern);
    g_folder = pattern;
}

struct Keying {
    int spd;
    int ton;
    int qsa;
};

constexpr Keying kTraffic{20, 1000, 3};
constexpr Keying kSlot{5, 1000, 3};
constexpr std::size_t kTrafficChars = 4000;
constexpr std::size_t kSlotChars = 9999; // the most a slot holds

// A keyer with its clock, random source, the parameters of the next render and
// the receiver's settings (sampling 4, wide filter).
struct Rig {
    zenka::FixedClock clock{zenka::UtcInstant{}};
    zenka::RandomSource random;
    zenka::Keyer keyer{clock, random};
    zenka::EmissionParams p;
    zenka::KeyerSetup rx;

    zenka::RenderResult render(const fs::path& file, std::string_view text) {
        return keyer.render(file, text, p, rx);
    }
};

// The gap after a space carries over from one render to the next: every render
// starts from the same state.
void key_with(Rig& a, Keying k) {
    a.p.spd = k.spd;
    a.p.ton = k.ton;
    a.p.qsa = k.qsa;
    a.keyer.last_space = 0;
}

// A deterministic generator, so that every run renders the same texts.
class TextRng {
  public:
    explicit TextRng(std::uint32_t seed) : state_(seed) {}
    std::uint32_t below(std::uint32_t n) {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % n;
    }
    template <std::size_t N> std::string_view pick(const std::string_view (&list)[N]) {
        return list[below(static_cast<std::uint32_t>(N))];
    }

  private:
    std::uint32_t state_;
};

// Message traffic: numbered headers, five-letter and five-figure groups, calls
// and plain words.
std::string traffic_text(std::size_t length) {
    static constexpr std::string_view kWords[] = {
        "QTC", "NR",  "GR",   "DE",  "CQ",  "RPT", "UR",  "RST", "599", "5NN", "QTH", "NAME",
        "WX",  "PSE", "QSL",  "VIA", "TNX", "FER", "QSO", "73",  "ES",  "GL",  "HR",  "TEMP",
        "ANT", "PWR", "100W", "BK",  "K",   "AR",  "SK",  "=",   "?",   "/",   "QRM", "QSB"};
    TextRng rng(4242);
    std::string t;
    std::string group;
    while (t.size() < length) {
        t += "NR " + std::to_string(100 + rng.below(900)) + " DE UA" +
             std::to_string(rng.below(10)) + "ABC GR 30 = ";
        for (int g = 0; g < 30; ++g) {
            group.clear();
            switch (rng.below(3)) {
            case 0:
                for (int i = 0; i < 5; ++i)
                    group += static_cast<char>('A' + rng.below(26));
                break;
            case 1:
                for (int i = 0; i < 5; ++i)
                    group += static_cast<char>('0' + rng.below(10));
                break;
            default:
                group = rng.pick(kWords);
            }
            t += group;
            t += ' ';
        }
        t += "= AR ";
    }
    t.resize(length);
    return t;
}

// Plain-language traffic of short words; at 5 wpm a 9,999-character slot comes
// to about 120 MB.
std::string slot_text(std::uint32_t seed) {
    static constexpr std::string_view kWords[] = {
        "CQ",    "DE",   "TEST", "5NN", "TU",   "RST",  "599",  "NAME", "HR",   "ES",
        "UR",    "FB",   "OM",   "GM",  "GE",   "TNX",  "ANT",  "PWR",  "AT",   "IN",
        "IS",    "IT",   "THE",  "SEE", "NET",  "TEN",  "SENT", "EAST", "MEET", "TIME",
        "A",     "TEA",  "SEA",  "SET", "NEAT", "SEEN", "TENT", "THEN", "HI",   "MAN",
        "STATE", "SEND", "ME",   "HE",  "WE",   "AN",   "AS",   "ON",   "NO",   "SO"};
    TextRng rng(seed);
    std::string t;
    while (t.size() < kSlotChars) {
        t += rng.pick(kWords);
        t += ' ';
    }
    t.resize(kSlotChars);
    return t;
}

std::string g_traffic;
std::array<std::string, 7> g_slots;

// ---------------------------------------------------------------------------
// The baseline: plain keying written sample by sample through stdio.

struct NaiveResult {
    bool ok = false;
    std::uint64_t samples = 0; // bytes after the 48-byte head
};

NaiveResult naive_render(const fs::path& path, std::string_view text, Keying k, int sampling,
                         int spacing) {
    static constexpr int kAmplitude[6] = {2, 8, 16, 32, 64, 96};
    if (k.qsa < 0 || k.qsa > 5) fail("the naive renderer keys strengths 0 to 5 only");
    const int amp = kAmplitude[k.qsa];
    const unsigned char cycle[8] = {128,
                                    static_cast<unsigned char>(128 + amp / 2),
                                    static_cast<unsigned char>(128 + amp),
                                    static_cast<unsigned char>(128 + amp / 2),
                                    128,
                                    static_cast<unsigned char>(128 - amp / 2),
                                    static_cast<unsigned char>(128 - amp),
                                    static_cast<unsigned char>(128 - amp / 2)};

    // Dot unit in 8-sample cycles, from the speed and the doubled tone.
    const int dot = sampling * 150 / std::max(k.spd, 1);
    const int ton = std::clamp(k.ton * 2, 500, 4000);
    const int sized = ton >= 2000 ? dot * ton / 1000 : dot * 200 / (200000 / ton);
    const std::uint64_t dot_size = static_cast<std::uint64_t>(std::max(sized, 0));
    const std::uint64_t gap_units = static_cast<std::uint64_t>(std::max(spacing, 0));

    NaiveResult result;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return result;
    for (std::uint32_t i = 0; i < zenka::WaveHeader::kSize; ++i)
        std::fputc(0, f);

    std::uint64_t samples = 0;
    const auto mark = [&](std::uint64_t cycles) {
        for (std::uint64_t c = 0; c < cycles; ++c)
            for (const unsigned char s : cycle)
                std::fputc(s, f);
        samples += 8 * cycles;
    };
    const auto gap = [&](std::uint64_t units) {
        const std::uint64_t n = 8 * units * dot_size;
        for (std::uint64_t i = 0; i < n; ++i)
            std::fputc(0x80, f);
        samples += n;
    };

    bool last_space = false;
    const auto key = [&](unsigned char ch) {
        if (ch == ' ') {
            gap(gap_units + (last_space ? 3 : 0));
            last_space = true;
            return;
        }
        last_space = false;
        if (ch >= 'a' && ch <= 0x7F) ch = static_cast<unsigned char>(ch - 0x20);
        if (ch <= 0x7F) {
            const std::uint32_t code = zenka::cw_table[ch];
            int top = 31;
            while (top > 0 && !(code & (1u << top)))
                --top;
            for (int bit = top - 1; bit >= 0; --bit) {
                mark((code & (1u << bit)) ? 3 * dot_size : dot_size);
                gap(1);
            }
        }
        gap(gap_units);
    };

    key(' ');
    text = text.substr(0, text.find('\0'));
    for (const char c : text) {
        const auto ch = static_cast<unsigned char>(c);
        if (ch >= 0x01 && ch <= 0x04) fail("the naive renderer has no switches or tuning marks");
        key(ch);
    }

    zenka::WaveHeader head;
    head.set_format(1, static_cast<std::uint32_t>(sampling * ton));
    head.set_samples(samples);
    const auto bytes = head.bytes();
    bool ok = std::fseek(f, 0, SEEK_SET) == 0 &&
              std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::ferror(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    return {ok, samples};
}

// ---------------------------------------------------------------------------
// Measurements.

long max_rss_kib() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

std::uint64_t size_of(const fs::path& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    return ec ? 0 : static_cast<std::uint64_t>(size);
}

// Compares two files in small blocks (reading them whole would raise the peak
// resident size the slots are measured against).
void expect_same_files(const fs::path& got, const fs::path& want, const std::string& what) {
    std::FILE* a = std::fopen(got.c_str(), "rb");
    std::FILE* b = std::fopen(want.c_str(), "rb");
    if (a == nullptr || b == nullptr) fail(what + ": cannot read the rendered files");
    static char block_a[1 << 16];
    static char block_b[1 << 16];
    std::uint64_t offset = 0;
    std::string problem;
    for (;;) {
        const std::size_t na = std::fread(block_a, 1, sizeof block_a, a);
        const std::size_t nb = std::fread(block_b, 1, sizeof block_b, b);
        const std::size_t n = std::min(na, nb);
        const auto diff = std::mismatch(block_a, block_a + n, block_b);
        if (diff.first != block_a + n) {
            const auto at = offset + static_cast<std::uint64_t>(diff.first - block_a);
            char line[160];
            std::snprintf(line, sizeof line,
                          "first difference at byte %llu (keyer 0x%02X, naive 0x%02X)",
                          static_cast<unsigned long long>(at),
                          static_cast<unsigned>(static_cast<unsigned char>(*diff.first)),
                          static_cast<unsigned>(static_cast<unsigned char>(*diff.second)));
            problem = line;
            break;
        }
        if (na != nb) {
            problem = "the files differ in length";
            break;
        }
        offset += n;
        if (na == 0) break;
    }
    std::fclose(a);
    std::fclose(b);
    if (!problem.empty())
        fail(what + ": the keyer's file (" + std::to_string(size_of(got)) +
             " bytes) and the naive file (" + std::to_string(size_of(want)) +
             " bytes) are not identical: " + problem);
}

// One render of each kind into the scratch folder, compared byte for byte.
void check_output(const fs::path& name, std::string_view text, Keying k, const std::string& what) {
    Rig a;
    key_with(a, k);
    const fs::path keyer_file = g_folder / (name.string() + "-keyer.wav");
    const fs::path naive_file = g_folder / (name.string() + "-naive.wav");
    const auto rendered = a.render(keyer_file, text);
    if (rendered.outcome != zenka::RenderResult::Outcome::Written)
        fail(what + ": the keyer did not write its file: " + rendered.error);
    const NaiveResult naive = naive_render(naive_file, text, k, a.rx.sampling, a.p.spacing);
    if (!naive.ok) fail(what + ": the naive renderer could not write its file");
    expect_same_files(keyer_file, naive_file, what);
    std::printf("output check (%s): %llu samples, identical\n", what.c_str(),
                static_cast<unsigned long long>(naive.samples));
    fs::remove(keyer_file);
    fs::remove(naive_file);
}

// Filled in by the benchmarks, read by the summary.
std::uint64_t g_traffic_samples = 0;   // bytes after the head of one traffic render
std::uint64_t g_slot_bytes = 0;        // size of all seven slot files together
std::uint64_t g_render_heap_bytes = 0; // heap allocated by one 120 MB render
std::uint64_t g_render_heap_calls = 0;
long g_rss_before_slots = 0;
long g_rss_after_slots = 0;

// ---------------------------------------------------------------------------
// Benchmarks.

void BM_KeyerRender(benchmark::State& state) {
    Rig a;
    const fs::path file = g_folder / "traffic-keyer.wav";
    for (auto _ : state) {
        key_with(a, kTraffic);
        const auto r = a.render(file, g_traffic);
        if (r.outcome != zenka::RenderResult::Outcome::Written) {
            state.SkipWithError(("render failed: " + r.error).c_str());
            return;
        }
    }
    g_traffic_samples = size_of(file) - zenka::WaveHeader::kSize;
    state.counters["samples"] = benchmark::Counter(static_cast<double>(g_traffic_samples) *
                                                       static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["file_MB"] = static_cast<double>(size_of(file)) / 1e6;
}
BENCHMARK(BM_KeyerRender)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_NaiveRender(benchmark::State& state) {
    const fs::path file = g_folder / "traffic-naive.wav";
    std::uint64_t samples = 0;
    for (auto _ : state) {
        const NaiveResult r = naive_render(file, g_traffic, kTraffic, 4, 2);
        if (!r.ok) {
            state.SkipWithError("naive render failed");
            return;
        }
        samples = r.samples;
    }
    state.counters["samples"] =
        benchmark::Counter(static_cast<double>(samples) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["file_MB"] = static_cast<double>(size_of(file)) / 1e6;
}
BENCHMARK(BM_NaiveRender)->UseRealTime()->Unit(benchmark::kMillisecond);

constexpr int kSlots = 7;

// Made once, so that a render's heap count holds the keyer's allocations alone.
const fs::path& slot_file(int k) {
    static const std::array<fs::path, kSlots> files = [] {
        std::array<fs::path, kSlots> f;
        for (int i = 0; i < kSlots; ++i)
            f[static_cast<std::size_t>(i)] =
                g_folder / "slots" / ("ZENKA0" + std::to_string(i) + ".WAV");
        return f;
    }();
    return files[static_cast<std::size_t>(k)];
}

// Slot k's text into channel k's file, as the playout renders a composition.
std::uint32_t render_slot(Rig& a, int k) {
    key_with(a, kSlot);
    return a.render(slot_file(k), g_slots[static_cast<std::size_t>(k)]).duration_ms;
}

bool render_slots(Rig& a) {
    for (int k = 0; k < kSlots; ++k)
        if (render_slot(a, k) == 0) return false;
    return true;
}

void BM_SevenSlots(benchmark::State& state) {
    static Rig a;
    static bool primed = false;
    if (!primed) {
        fs::create_directories(slot_file(0).parent_path());
        g_rss_before_slots = max_rss_kib();
        // The files exist from here on: the timed renders rewrite them in place.
        if (!render_slots(a)) {
            state.SkipWithError("a slot could not be rendered");
            return;
        }
        // Heap use of one more render of slot 0, over the whole call.
        zenka::bench::reset_heap_count();
        zenka::bench::count_heap(true);
        const auto ms = render_slot(a, 0);
        zenka::bench::count_heap(false);
        if (ms == 0) {
            state.SkipWithError("slot 0 could not be rendered");
            return;
        }
        g_render_heap_bytes = zenka::bench::heap_count().bytes;
        g_render_heap_calls = zenka::bench::heap_count().calls;
        primed = true;
    }
    for (auto _ : state) {
        if (!render_slots(a)) {
            state.SkipWithError("a slot could not be rendered");
            return;
        }
    }
    g_rss_after_slots = max_rss_kib();
    g_slot_bytes = 0;
    for (int k = 0; k < kSlots; ++k)
        g_slot_bytes += size_of(slot_file(k));
    state.counters["slot0_MB"] = static_cast<double>(size_of(slot_file(0))) / 1e6;
    state.counters["all_MB"] = static_cast<double>(g_slot_bytes) / 1e6;
    state.counters["samples"] =
        benchmark::Counter(static_cast<double>(g_slot_bytes - kSlots * zenka::WaveHeader::kSize) *
                               static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["heap_B_per_render"] = static_cast<double>(g_render_heap_bytes);
    state.counters["maxrss_growth_KiB"] =
        static_cast<double>(g_rss_after_slots - g_rss_before_slots);
}
BENCHMARK(BM_SevenSlots)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// ---------------------------------------------------------------------------
// Summary.

class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    // Colours only on a terminal (a reporter given to the library skips its
    // --benchmark_color handling).
    SummaryReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    double keyer_rate = 0; // samples per second, from real time
    double naive_rate = 0;
    double slots_median_ms = 0;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            const std::string& name = r.run_name.function_name;
            const double seconds_per_iteration =
                r.iterations > 0 ? r.real_accumulated_time / static_cast<double>(r.iterations) : 0;
            if (r.run_type == Run::RT_Iteration && seconds_per_iteration > 0) {
                const double samples_per_iteration = static_cast<double>(g_traffic_samples);
                if (name == "BM_KeyerRender")
                    keyer_rate = samples_per_iteration / seconds_per_iteration;
                if (name == "BM_NaiveRender")
                    naive_rate = samples_per_iteration / seconds_per_iteration;
            }
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median" &&
                name == "BM_SevenSlots")
                slots_median_ms = r.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

bool report_goal(bool measured, bool met, const std::string& line) {
    std::printf("  %-8s %s\n", !measured ? "(not run)" : met ? "ok" : "MISSED", line.c_str());
    return !measured || met;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    make_folder();
    g_traffic = traffic_text(kTrafficChars);
    for (std::size_t k = 0; k < g_slots.size(); ++k)
        g_slots[k] = slot_text(static_cast<std::uint32_t>(1000 + 77 * k));

    check_output("traffic", g_traffic, kTraffic, "traffic text at 20 wpm");
    check_output("slot", g_slots[0], kSlot, "slot text at 5 wpm");
    // The traffic sample count must be known even when only the naive renderer runs.
    {
        const NaiveResult r = naive_render(g_folder / "count.wav", g_traffic, kTraffic, 4, 2);
        g_traffic_samples = r.samples;
        fs::remove(g_folder / "count.wav");
    }

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    remove_folder();

    char line[200];
    bool met = true;
    std::printf("\nsummary\n");
    std::snprintf(line, sizeof line, "keyer %.3g samples/s (goal >= 1e9)", reporter.keyer_rate);
    met &= report_goal(reporter.keyer_rate > 0, reporter.keyer_rate >= 1e9, line);
    const double ratio = reporter.naive_rate > 0 ? reporter.keyer_rate / reporter.naive_rate : 0;
    std::snprintf(line, sizeof line, "naive %.3g samples/s, keyer/naive %.1fx (goal >= 20x)",
                  reporter.naive_rate, ratio);
    met &= report_goal(reporter.keyer_rate > 0 && reporter.naive_rate > 0, ratio >= 20, line);
    std::snprintf(line, sizeof line, "seven slots (%.1f MB in all) median %.1f ms (goal <= 250 ms)",
                  static_cast<double>(g_slot_bytes) / 1e6, reporter.slots_median_ms);
    met &= report_goal(reporter.slots_median_ms > 0, reporter.slots_median_ms <= 250, line);
    const bool slots_run = g_rss_after_slots > 0;
    const long growth = g_rss_after_slots - g_rss_before_slots;
    std::snprintf(line, sizeof line,
                  "peak RSS %ld KiB -> %ld KiB, growth %ld KiB (goal <= 4096 KiB)",
                  g_rss_before_slots, g_rss_after_slots, growth);
    met &= report_goal(slots_run, growth <= 4096, line);
    std::snprintf(line, sizeof line,
                  "heap during one 120 MB render: %llu bytes in %llu allocations (goal <= 64 KiB)",
                  static_cast<unsigned long long>(g_render_heap_bytes),
                  static_cast<unsigned long long>(g_render_heap_calls));
    met &= report_goal(slots_run, g_render_heap_bytes <= 64 * 1024, line);
    return met ? 0 : 1;
}
