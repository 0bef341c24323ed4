// The recordings as files: present, readable, of the promised format and length, and
// rebuilt identically by the tool.

#include "fone_audio.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace zenka::fone_test {
namespace {

struct Expected {
    const char* name;
    int format; // container | encoding
    int rate;
    double min_seconds, max_seconds;
};

constexpr int kWav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
constexpr int kMp3 = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;

constexpr Expected kFiles[] = {
    {"noise.wav", kWav16, 8000, 20.0, 40.0},    {"rtt-001.wav", kWav16, 8000, 15.0, 30.0},
    {"rtt-001.mp3", kMp3, 8000, 15.0, 30.0},    {"rtt-002.wav", kWav16, 8000, 15.0, 30.0},
    {"sitorb.wav", kWav16, 8000, 20.0, 40.0},   {"ssb-002.wav", kWav16, 8000, 10.0, 30.0},
    {"fax-001.wav", kWav16, 11025, 40.0, 60.0}, {"othr-001.wav", kWav16, 8000, 10.0, 20.0},
};

using zenka::test::quoted;
using zenka::test::Ran;
using zenka::test::read_bytes;
using zenka::test::run;
using zenka::test::TempFolder;

TEST(FoneFiles, EachOpensAsMonoOfItsFormatRateAndLength) {
    for (const Expected& e : kFiles) {
        SCOPED_TRACE(e.name);
        const Audio a = read_audio(fone_file(e.name));
        EXPECT_EQ(a.format, e.format);
        EXPECT_EQ(a.channels, 1);
        EXPECT_EQ(a.rate, e.rate);
        EXPECT_GE(a.seconds(), e.min_seconds);
        EXPECT_LE(a.seconds(), e.max_seconds);
    }
}

TEST(FoneFiles, EachIsLoudButNeverClipped) {
    for (const Expected& e : kFiles) {
        SCOPED_TRACE(e.name);
        const Audio a = read_audio(fone_file(e.name));
        double peak = 0.0;
        std::size_t full_scale = 0;
        for (double v : a.samples) {
            peak = std::max(peak, std::abs(v));
            if (std::abs(v) > 0.999) ++full_scale;
        }
        EXPECT_GT(peak, 0.3);
        EXPECT_EQ(full_scale, 0u);
    }
}

TEST(FoneFiles, AllTogetherStayUnderSixMegabytes) {
    std::uintmax_t total = 0;
    for (const Expected& e : kFiles)
        total += std::filesystem::file_size(fone_file(e.name));
    EXPECT_LT(total, 6u * 1024u * 1024u);
}

TEST(FoneFiles, ToolRebuildsThemByteForByte) {
    const TempFolder out;
    const Ran r = run(quoted(ZENKA_MAKE_FONE) + " " + quoted(out.path()));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "");
    for (const Expected& e : kFiles) {
        SCOPED_TRACE(e.name);
        const auto again = read_bytes(out.path() / e.name);
        EXPECT_FALSE(again.empty());
        EXPECT_TRUE(again == read_bytes(fone_file(e.name)));
    }
}

TEST(FoneFiles, ToolWithoutAFolderShowsItsUsage) {
    const Ran r = run(quoted(ZENKA_MAKE_FONE));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "usage: zenka_make_fone OUTDIR\n");
}

// An empty espeak-ng-data folder under ESPEAK_DATA_PATH takes the place of the installed
// voice data: the tool must say so and fail before writing anything.
TEST(FoneFiles, ToolFailsClearlyWithoutSpeechData) {
    const TempFolder data;
    std::filesystem::create_directory(data.path() / "espeak-ng-data");
    const std::filesystem::path out = data.path() / "out";
    const Ran r = run("ESPEAK_DATA_PATH=" + quoted(data.path()) + " " + quoted(ZENKA_MAKE_FONE) +
                      " " + quoted(out));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("zenka_make_fone: eSpeak NG could not start"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ESPEAK_DATA_PATH"), std::string::npos);
    EXPECT_TRUE(!std::filesystem::exists(out) || std::filesystem::is_empty(out));
}

} // namespace
} // namespace zenka::fone_test
