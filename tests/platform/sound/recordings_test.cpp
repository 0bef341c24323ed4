// The recordings folder: where it is found, which names are accepted, and that
// nothing outside it is ever played.

#include "platform/sound/mix_levels.h"
#include "platform/sound/recordings_folder.h"
#include "platform/sound/sound_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace zenka::test {
namespace {

using sound::RecordingsFolder;

TEST(RecordingName, OnlyPlainFileNamesInTheFolderAreValid) {
    for (const char* good : {"fone/rtt-001.wav", "fone/noise.wav", "fone/x", "fone/..x",
                             "fone/a b.mp3", "fone/.hidden"})
        EXPECT_TRUE(RecordingsFolder::valid_name(good)) << good;
    for (const char* bad : {"", "fone/", "fone", "fone/.", "fone/..", "fone/../x.wav",
                            "fone/a/b.wav", "fone//x.wav", "/fone/x.wav", "/etc/passwd",
                            "other/x.wav", "x.wav", "./fone/x.wav", "FONE/x.wav", "fone/x.wav/"})
        EXPECT_FALSE(RecordingsFolder::valid_name(bad)) << bad;
    EXPECT_FALSE(RecordingsFolder::valid_name(std::string_view("fone/a\0b", 8)));
}

TEST(RecordingsFolderChoice, EnvironmentThenExecutableThenDataThenWorkingFolder) {
    TempFolder exe;
    TempFolder data;
    const auto none = exe / "nowhere";
    EXPECT_EQ(RecordingsFolder::choose("/some/where", exe.path(), data.path()), "/some/where");
    // Neither beside the executable nor installed: "./fone".
    EXPECT_EQ(RecordingsFolder::choose(nullptr, exe.path(), none), "fone");
    EXPECT_EQ(RecordingsFolder::choose(nullptr, exe.path(), data.path()), data.path());
    EXPECT_EQ(RecordingsFolder::choose("", exe.path(), data.path()),
              data.path()); // empty counts as unset
    std::filesystem::create_directory(exe / "fone");
    EXPECT_EQ(RecordingsFolder::choose(nullptr, exe.path(), data.path()), exe / "fone");
    EXPECT_EQ(RecordingsFolder::choose("/some/where", exe.path(), data.path()), "/some/where");
}

TEST(RecordingsFolderChoice, AnInstalledTreeFindsItsOwnDataFolderWhereverItIs) {
    // <root>/usr/bin/zenka and <root>/usr/share/zenka/fone, as a package unpacked
    // anywhere leaves them; the configured prefix's folder is only the fallback.
    TempFolder root;
    TempFolder configured;
    const auto bin = root / "usr" / "bin";
    const auto fone = root / "usr" / "share" / "zenka" / "fone";
    std::filesystem::create_directories(bin);
    EXPECT_EQ(RecordingsFolder::choose(nullptr, bin, configured.path(), "../share/zenka/fone"),
              configured.path());
    std::filesystem::create_directories(fone);
    EXPECT_EQ(RecordingsFolder::choose(nullptr, bin, configured.path(), "../share/zenka/fone"),
              fone);
    EXPECT_EQ(RecordingsFolder::choose(nullptr, bin, configured.path()), configured.path());
    // A build tree's own "fone" beside the executable, and the environment, come first.
    std::filesystem::create_directory(bin / "fone");
    EXPECT_EQ(RecordingsFolder::choose(nullptr, bin, configured.path(), "../share/zenka/fone"),
              bin / "fone");
    EXPECT_EQ(
        RecordingsFolder::choose("/some/where", bin, configured.path(), "../share/zenka/fone"),
        "/some/where");
}

TEST(RecordingsFolderChoice, LocateReadsTheEnvironment) {
    const char* old = std::getenv("ZENKA_FONE");
    const std::string saved = old != nullptr ? old : "";
    ::setenv("ZENKA_FONE", "/tmp/zenka-fone-for-test", 1);
    EXPECT_EQ(RecordingsFolder::locate().path(), "/tmp/zenka-fone-for-test");
    if (old != nullptr)
        ::setenv("ZENKA_FONE", saved.c_str(), 1);
    else
        ::unsetenv("ZENKA_FONE");
}

class RecordingsFolderOpen : public ::testing::Test {
  protected:
    RecordingsFolderOpen() {
        std::filesystem::create_directory(root_ / "fone");
        write_wav8(root_ / "fone/inside.wav", 48000, Samples8(100, 200));
        write_wav8(root_ / "secret.wav", 48000, Samples8(100, 200));
        std::filesystem::create_symlink(root_ / "secret.wav", root_ / "fone/link.wav");
        std::filesystem::create_symlink("../secret.wav", root_ / "fone/relative-link.wav");
        std::filesystem::create_directory(root_ / "fone/sub");
        write_wav8(root_ / "fone/sub/deeper.wav", 48000, Samples8(100, 200));
    }
    TempFolder root_;
    RecordingsFolder folder_{root_ / "fone"};
};

TEST_F(RecordingsFolderOpen, OpensAPlainFileInside) {
    EXPECT_TRUE(folder_.open("fone/inside.wav"));
}

TEST_F(RecordingsFolderOpen, RefusesEverythingElse) {
    for (const char* name :
         {"fone/../secret.wav", "fone/link.wav", "fone/relative-link.wav", "fone/sub",
          "fone/sub/deeper.wav", "fone/missing.wav", "fone/", "fone/..", "secret.wav"})
        EXPECT_FALSE(folder_.open(name)) << name;
    EXPECT_FALSE(folder_.open((root_ / "secret.wav").string())) << "absolute path";
    EXPECT_FALSE(RecordingsFolder(root_ / "no-such-folder").open("fone/inside.wav"));
}

TEST_F(RecordingsFolderOpen, RefusedNamesAreNeverPlayed) {
    for (const char* name :
         {"fone/../secret.wav", "fone/link.wav", "fone/relative-link.wav", "fone/sub/deeper.wav"}) {
        const auto out = render(
            root_,
            [&](sound::FileSound& s) {
                s.play_recording(name);
                s.advance_samples(200);
            },
            root_ / "fone");
        ASSERT_EQ(out.size(), 200u);
        for (const float v : out)
            ASSERT_EQ(v, 0.0f) << name;
    }
    // The same sound inside the folder does play.
    const auto out = render(
        root_,
        [&](sound::FileSound& s) {
            s.play_recording("fone/inside.wav");
            s.advance_samples(200);
        },
        root_ / "fone");
    ASSERT_EQ(out.size(), 200u);
    for (std::size_t i = 0; i < 100; ++i)
        ASSERT_EQ(out[i], sound::kRecordingGain * level8(200)) << i;
    for (std::size_t i = 100; i < 200; ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
}

class RecordingPlayback : public ::testing::Test {
  protected:
    RecordingPlayback() {
        std::filesystem::create_directory(root_ / "fone");
        for (std::size_t i = 0; i < a_.size(); ++i)
            a_[i] = static_cast<std::uint8_t>(1 + (i * 37) % 254);
        write_wav8(root_ / "fone/rtt-001.wav", 48000, a_);
        write_wav8(root_ / "fone/ssb-002.wav", 48000, Samples8(300, 100));
    }
    float a(std::size_t i) const { return sound::kRecordingGain * level8(a_[i]); }
    std::vector<float> run(const std::function<void(sound::FileSound&)>& script) {
        return render(root_, script, root_ / "fone");
    }
    TempFolder root_;
    Samples8 a_ = Samples8(1000);
};

TEST_F(RecordingPlayback, PlaysOnceFromItsStart) {
    const auto out = run([](sound::FileSound& s) {
        s.play_recording("fone/rtt-001.wav");
        s.advance_samples(1500);
    });
    ASSERT_EQ(out.size(), 1500u);
    for (std::size_t i = 0; i < 1000; ++i)
        ASSERT_EQ(out[i], a(i)) << i;
    for (std::size_t i = 1000; i < 1500; ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
}

TEST_F(RecordingPlayback, CloseStopsItAndOnlyIt) {
    const auto out = run([](sound::FileSound& s) {
        s.play_recording("fone/rtt-001.wav");
        s.play_recording("fone/ssb-002.wav");
        s.advance_samples(100);
        s.close_recording("fone/rtt-001.wav");
        s.close_recording("fone/never-played.wav");
        s.advance_samples(400);
    });
    ASSERT_EQ(out.size(), 500u);
    const float b = sound::kRecordingGain * level8(100);
    for (std::size_t i = 0; i < 100; ++i)
        ASSERT_EQ(out[i], sound::soft_limit(a(i) + b)) << i;
    for (std::size_t i = 100; i < 300; ++i)
        ASSERT_EQ(out[i], b) << i;
    for (std::size_t i = 300; i < 500; ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
}

TEST_F(RecordingPlayback, PlayingAgainStartsOver) {
    const auto out = run([](sound::FileSound& s) {
        s.play_recording("fone/rtt-001.wav");
        s.advance_samples(600);
        s.play_recording("fone/rtt-001.wav");
        s.advance_samples(1000);
    });
    ASSERT_EQ(out.size(), 1600u);
    for (std::size_t i = 0; i < 600; ++i)
        ASSERT_EQ(out[i], a(i)) << i;
    for (std::size_t i = 600; i < 1600; ++i)
        ASSERT_EQ(out[i], a(i - 600)) << i;
}

TEST_F(RecordingPlayback, ChangedFileIsDecodedAgain) {
    const auto out = run([&](sound::FileSound& s) {
        s.play_recording("fone/ssb-002.wav");
        s.advance_samples(400);
        write_wav8(root_ / "fone/ssb-002.wav", 48000, Samples8(500, 160)); // a different size
        s.play_recording("fone/ssb-002.wav");
        s.advance_samples(600);
    });
    ASSERT_EQ(out.size(), 1000u);
    for (std::size_t i = 0; i < 300; ++i)
        ASSERT_EQ(out[i], sound::kRecordingGain * level8(100)) << i;
    for (std::size_t i = 400; i < 900; ++i)
        ASSERT_EQ(out[i], sound::kRecordingGain * level8(160)) << i;
    for (std::size_t i = 900; i < 1000; ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
}

TEST_F(RecordingPlayback, ResampledRecordingKeepsItsLength) {
    write_wav8(root_ / "fone/fax-001.wav", 11025, tone8(441.0, 11025, 11025, 100)); // 1 s
    const auto out = run([](sound::FileSound& s) {
        s.play_recording("fone/fax-001.wav");
        s.advance_samples(60000);
    });
    ASSERT_EQ(out.size(), 60000u);
    std::size_t last = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != 0.0f) last = i;
    }
    EXPECT_NEAR(static_cast<double>(last), 48000.0, 5.0);
    const double power = goertzel(out, 1000, 44000, 441.0, 48000.0);
    const double amplitude = 2.0 * std::sqrt(power) / 44000.0;
    EXPECT_NEAR(amplitude, sound::kRecordingGain * 100.0 / 128.0, 0.01);
}

TEST_F(RecordingPlayback, Mp3RecordingPlays) {
    // One second of 441 Hz at half scale, encoded by libsndfile itself.
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* f = sf_open((root_ / "fone/rtt-001.mp3").c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr) << "libsndfile cannot write MP3 here";
    std::vector<float> tone(22050);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.5f * static_cast<float>(std::sin(2.0 * std::numbers::pi * 441.0 *
                                                     static_cast<double>(i) / 22050.0));
    sf_write_float(f, tone.data(), static_cast<sf_count_t>(tone.size()));
    sf_close(f);

    const auto out = run([](sound::FileSound& s) {
        s.play_recording("fone/rtt-001.mp3");
        s.advance_samples(60000);
    });
    ASSERT_EQ(out.size(), 60000u);
    const double amplitude = 2.0 * std::sqrt(goertzel(out, 4800, 38400, 441.0, 48000.0)) / 38400.0;
    EXPECT_NEAR(amplitude, sound::kRecordingGain * 0.5, 0.03);
    EXPECT_LT(goertzel(out, 4800, 38400, 470.0, 48000.0),
              goertzel(out, 4800, 38400, 441.0, 48000.0) * 1e-2);
    for (std::size_t i = 50000; i < out.size(); ++i)
        ASSERT_EQ(out[i], 0.0f) << i; // played once
}

} // namespace
} // namespace zenka::test
