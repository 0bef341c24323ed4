// `zenka key` run as a user would run it, and its output read back by a Morse decoder.

#include "support/run_command.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace zenka {
namespace {

using test::Ran;
using test::run;

std::string key(const std::string& args) {
    return std::string(ZENKA_EXE) + " key " + args;
}

std::string without_blanks(std::string s) {
    std::erase_if(s, [](char c) { return c == ' ' || c == '\n' || c == '\r'; });
    return s;
}

TEST(KeyCommand, WritesTheChannelFileAndItsDuration) {
    test::TempFolder folder;
    const auto file = folder / "e.wav";
    const Ran r = run(key("--out " + file.string() + " E"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, file.string() + ": 360 ms\n");
    EXPECT_EQ(test::read_bytes(file).size(), 48u + 2880u);
}

TEST(KeyCommand, BadOptionsGetOneLineNamingTheOptionAndStatusTwo) {
    test::TempFolder folder;
    const std::string out = " --out " + (folder / "x.wav").string() + " T";
    struct Case {
        std::string args, names;
    };
    for (const Case& c :
         {Case{"--wpm 0" + out, "--wpm"}, Case{"--wpm 601" + out, "--wpm"},
          Case{"--wpm fast" + out, "--wpm"}, Case{"--strength 6" + out, "--strength"},
          Case{"--sampling 5" + out, "--sampling"}, Case{"--filter 0" + out, "--filter"},
          Case{"--at 2026-02-30T00:00:00Z" + out, "--at"}, Case{"--freq 5" + out, "--freq"},
          Case{"--loud" + out, "--loud"}, Case{"T", "--out"}}) {
        const Ran r = run(key(c.args));
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_NE(r.out.find(c.names), std::string::npos) << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "x.wav"));
}

TEST(KeyCommand, UnwritableOutputIsAnErrorNotASilentSuccess) {
    test::TempFolder folder;
    const Ran r = run(key("--out " + (folder / "no" / "x.wav").string() + " T"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("cannot create"), std::string::npos) << r.out;
}

// What libsndfile makes of `file`: rate, frames, and whether every sample is silent.
struct WaveRead {
    int rate = 0;
    long long frames = -1;
    bool silent = false;
};

WaveRead read_wave(const std::filesystem::path& file) {
    WaveRead w;
    SF_INFO info{};
    SNDFILE* f = sf_open(file.c_str(), SFM_READ, &info);
    if (f == nullptr) return w;
    w.rate = info.samplerate;
    w.frames = info.frames;
    std::vector<short> samples(static_cast<std::size_t>(info.frames));
    w.silent = sf_read_short(f, samples.data(), info.frames) == info.frames &&
               std::all_of(samples.begin(), samples.end(), [](short v) { return v == 0; });
    sf_close(f);
    return w;
}

// The emission is suppressed: a user's target holds a WAV file of silence
// instead, never an empty file no player reads.
TEST(KeyCommand, AttenuatorLeavesAWaveOfSilenceOverTheTarget) {
    test::TempFolder folder;
    const auto file = folder / "x.wav";
    ASSERT_EQ(run(key("--out " + file.string() + " CQ")).status, 0);
    const Ran r = run(key("--att --strength 0 --out " + file.string() + " T"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "zenka key: \"" + file.string() +
                         "\" holds only silence: strength 0 does not pass the attenuator\n");
    EXPECT_EQ(std::filesystem::file_size(file), 48u);
    const WaveRead w = read_wave(file);
    EXPECT_EQ(w.rate, 8000);
    EXPECT_EQ(w.frames, 4);
    EXPECT_TRUE(w.silent);
}

TEST(KeyCommand, PropagationDependsOnFrequencyAndTime) {
    test::TempFolder folder;
    const auto file = folder / "x.wav";
    // Strength 1 at 200 kHz by day drops to 0, which the attenuator then removes;
    // the same at night is heard.
    run(key("--att --strength 1 --freq 200 --at 2026-06-01T12:00:00Z --out " + file.string() +
            " T"));
    EXPECT_EQ(std::filesystem::file_size(file), 48u); // the head alone: silence
    run(key("--att --strength 1 --freq 200 --at 2026-06-01T23:00:00.500Z --out " + file.string() +
            " T"));
    EXPECT_GT(std::filesystem::file_size(file), 48u);
}

TEST(KeyCommand, HandKeyingIsReproducibleWithASeed) {
    test::TempFolder folder;
    const std::string common = " --hand --seed 7 --at 2026-12-08T09:18:07.250Z ";
    run(key(common + "--out " + (folder / "a.wav").string() + " PARIS"));
    run(key(common + "--out " + (folder / "b.wav").string() + " PARIS"));
    run(key(" --seed 7 --at 2026-12-08T09:18:07.250Z --out " + (folder / "c.wav").string() +
            " PARIS"));
    EXPECT_EQ(test::read_bytes(folder / "a.wav"), test::read_bytes(folder / "b.wav"));
    EXPECT_NE(test::read_bytes(folder / "a.wav"), test::read_bytes(folder / "c.wav"));
}

TEST(KeyCommand, PlaysOnTheDeviceAndLeavesNothingBehind) {
    test::TempFolder runtime;
    const Ran r = run("SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=" + runtime.path().string() + " " +
                      key("--play --wpm 60 E"));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "the text: 120 ms\n");
    EXPECT_TRUE(std::filesystem::is_empty(runtime.path()));
}

TEST(KeyCommand, WithoutASoundDeviceItSaysSoAndCarriesOn) {
    test::TempFolder folder;
    const auto file = folder / "x.wav";
    const Ran r = run("SDL_AUDIODRIVER=none-such " + key("--play --out " + file.string() + " E"));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("zenka key: Cannot Find Device Driver! Nothing will be heard."),
              std::string::npos)
        << r.out;
    EXPECT_EQ(test::read_bytes(file).size(), 48u + 2880u);
}

TEST(KeyCommand, AWorkingFolderThatCannotBeMadeIsAClearError) {
    test::TempFolder runtime;
    const Ran r = run("SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=" + (runtime / "gone").string() + " " +
                      key("--play E"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("zenka key: cannot make a working folder in " +
                         (runtime / "gone").string() + ": No such file or directory"),
              std::string::npos)
        << r.out;
}

// 10,000 figures 0 at 1 wpm, 4 kHz and a letter gap of 20 units would need 7.7 GB,
// more than the 4 GiB of a WAV file: refused before any keying, in one line that
// says how much would fit; the target stays as it was.
TEST(KeyCommand, ATextTooLongForOneWaveFileIsRefusedAndTheTargetKept) {
    test::TempFolder folder, runtime;
    const auto file = folder / "x.wav";
    test::write_text(file, "a good keying");
    const std::string text(10000, '0');
    for (const std::string& target : {"--out " + file.string(), std::string("--play")}) {
        const Ran r = run("SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=" + runtime.path().string() + " " +
                          key("--wpm 1 --tone 4000 --spacing 20 " + target + " " + text));
        EXPECT_EQ(r.status, 2) << target;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
        EXPECT_EQ(r.out.find("zenka key: the text is too long for one WAV file (4 GiB) at 1 wpm: "
                             "only its first "),
                  0u)
            << r.out;
        EXPECT_NE(r.out.find(" of 10000 characters fit\n"), std::string::npos) << r.out;
    }
    EXPECT_EQ(test::read_text(file), "a good keying");
    EXPECT_EQ(test::names_in(folder.path()), std::set<std::string>{"x.wav"});
    EXPECT_TRUE(std::filesystem::is_empty(runtime.path()));
}

// The decoder keeps its timing at about 16 - 25 wpm and does not see a word space
// as a break, so texts are compared without blanks.
TEST(KeyCommand, DecoderReadsBackWhatWasKeyed) {
    ASSERT_EQ(run("multimon-ng -h").out.find("multimon-ng"), 0u) << "multimon-ng is needed";
    test::TempFolder folder;
    const auto file = (folder / "cw.wav").string();
    const std::string texts[] = {"CQ CQ DE DDK DDK QSL 73", "1234567890 5NNN 0099",
                                 "QST = WX, ? / . TEST +", "VVV DE GKA GKA K"};
    const std::string settings[] = {
        "--wpm 16 --tone 700", "--wpm 20 --tone 1000", "--wpm 25 --tone 1500 --strength 5",
        "--wpm 18 --tone 600 --filter 1", "--wpm 22 --tone 800 --sampling 3 --strength 1"};
    for (const std::string& s : settings) {
        for (const std::string& text : texts) {
            // Trailing spaces give the decoder the silence that ends the last character.
            ASSERT_EQ(run(key(s + " --out " + file + " '" + text + "    '")).status, 0);
            const Ran decoded = run("multimon-ng -q -c -a MORSE_CW -t wav " + file);
            EXPECT_EQ(without_blanks(decoded.out), without_blanks(text)) << s;
        }
    }
}

} // namespace
} // namespace zenka
