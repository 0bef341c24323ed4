// What a recording may cost: files with too many channels, too high a rate or
// too many bytes are refused, a long one is decoded only up to its limit, and
// several channels are read a bounded block at a time.

#include "platform/sound/recordings_folder.h"
#include "platform/sound/sound_cache.h"
#include "platform/sound/sound_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace zenka::sound {
namespace {

namespace fs = std::filesystem;

// A float WAV of `frames` frames whose channel c holds (c + 1) * ramp(i).
void write_wave(const fs::path& file, int rate, int channels, std::size_t frames) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* f = sf_open(file.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
    std::vector<float> data(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            data[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] =
                static_cast<float>(c + 1) * static_cast<float>(i % 1000) / 4000.0f;
    sf_writef_float(f, data.data(), static_cast<sf_count_t>(frames));
    sf_close(f);
}

TEST(RecordingLimits, ChannelsAndRateBeyondTheBoundsAreRefused) {
    test::TempFolder folder;
    struct Case {
        int rate, channels;
        bool accepted;
    };
    for (const Case& c :
         {Case{48000, 1, true}, Case{48000, 2, true}, Case{192000, 2, true}, Case{48000, 3, false},
          Case{48000, 16, false}, Case{192001, 1, false}, Case{384000, 16, false}}) {
        const fs::path file = folder / "clip.wav";
        write_wave(file, c.rate, c.channels, 100);
        const SoundFile sound(open_regular(file));
        EXPECT_EQ(static_cast<bool>(sound), c.accepted) << c.rate << " Hz, " << c.channels;
    }
}

TEST(RecordingLimits, StereoIsAveragedExactlyAcrossBlockBoundaries) {
    test::TempFolder folder;
    const fs::path file = folder / "stereo.wav";
    constexpr std::size_t kFrames = 30000; // several blocks of the reader
    write_wave(file, 8000, 2, kFrames);
    SoundFile sound(open_regular(file));
    ASSERT_TRUE(sound);
    std::vector<float> out(kFrames + 50, -9.0f);
    ASSERT_EQ(sound.read_mono(out), kFrames);
    for (std::size_t i = 0; i < kFrames; ++i)
        ASSERT_FLOAT_EQ(out[i], 1.5f * static_cast<float>(i % 1000) / 4000.0f) << i;
    EXPECT_EQ(out[kFrames], -9.0f);
}

TEST(RecordingLimits, AFileAboveTheByteBudgetIsNotOpened) {
    test::TempFolder folder;
    write_wave(folder / "small.wav", 8000, 1, 1000);
    write_wave(folder / "huge.wav", 8000, 1, 1000);
    fs::resize_file(folder / "huge.wav", RecordingsFolder::kMaxBytes + 1); // sparse
    const RecordingsFolder recordings(folder.path());
    EXPECT_TRUE(recordings.open("fone/small.wav"));
    EXPECT_FALSE(recordings.open("fone/huge.wav"));
}

TEST(RecordingLimits, ALongRecordingIsDecodedOnlyUpToItsLimit) {
    test::TempFolder folder;
    const fs::path file = folder / "long.wav";
    struct Case {
        int rate;
        double decoded_seconds;
    };
    // Low rates stop at the length limit, high ones at the frame budget.
    for (const Case& c : {Case{1000, static_cast<double>(kMaxDecodedSeconds)},
                          Case{192000, static_cast<double>(kMaxSourceFrames) / 192000}}) {
        write_wave(file, c.rate, 1, static_cast<std::size_t>((c.decoded_seconds + 5) * c.rate));
        const DecodedSound sound = decode_whole(open_regular(file), false);
        ASSERT_TRUE(sound);
        EXPECT_NEAR(static_cast<double>(sound->size()), c.decoded_seconds * 48000.0, 48.0)
            << c.rate;
    }
}

} // namespace
} // namespace zenka::sound
