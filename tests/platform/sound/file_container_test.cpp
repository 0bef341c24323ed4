// The container of a rendered file: a plain WAV while its 32-bit sizes hold the
// samples, RF64 beyond, which libsndfile and sox read back at its true length.

#include "platform/sound/file_sound.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <cstdint>
#include <string>

namespace zenka::sound {
namespace {

using Container = FileSound::Container;
using Format = FileSound::Format;

TEST(FileContainer, APlainWaveWhileItsSizesHoldTheSamplesRf64Beyond) {
    // --seconds at 48 kHz, 16 bits: 44,739 s are 4,294,944,000 bytes, 44,740 s too many.
    EXPECT_EQ(FileSound::container_for(44739ull * 48000, Format::Pcm16), Container::Wave);
    EXPECT_EQ(FileSound::container_for(44740ull * 48000, Format::Pcm16), Container::Rf64);
    EXPECT_EQ(FileSound::container_for(86400ull * 48000, Format::Pcm16), Container::Rf64);
    EXPECT_EQ(FileSound::container_for(22369ull * 48000, Format::Float), Container::Wave);
    EXPECT_EQ(FileSound::container_for(22370ull * 48000, Format::Float), Container::Rf64);
    // At the edge: the samples and the head room fill the chunk exactly, or one sample more.
    constexpr std::uint64_t edge = (FileSound::kRiffLimit - FileSound::kHeadRoom) / 2;
    EXPECT_EQ(FileSound::container_for(edge, Format::Pcm16), Container::Wave);
    EXPECT_EQ(FileSound::container_for(edge + 1, Format::Pcm16), Container::Rf64);
    // A smaller limit moves the edge with it.
    EXPECT_EQ(FileSound::container_for(4488, Format::Pcm16, 10000), Container::Wave);
    EXPECT_EQ(FileSound::container_for(4489, Format::Pcm16, 10000), Container::Rf64);
    EXPECT_EQ(FileSound::container_for(0, Format::Pcm16, 100), Container::Rf64);
}

TEST(FileContainer, AnRf64FileReadsBackAtItsTrueLength) {
    test::TempFolder folder;
    for (const Container container : {Container::Wave, Container::Rf64}) {
        const auto file = folder / "long.wav";
        {
            FileSound out(file, RecordingsFolder(folder.path()), Format::Pcm16, container);
            ASSERT_EQ(out.device_count(), 1);
            out.advance_samples(72000);
            ASSERT_TRUE(out.finish()) << out.error();
        }
        SF_INFO info{};
        SNDFILE* f = sf_open(file.c_str(), SFM_READ, &info);
        ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
        sf_close(f);
        EXPECT_EQ(info.format & SF_FORMAT_TYPEMASK,
                  container == Container::Rf64 ? SF_FORMAT_RF64 : SF_FORMAT_WAV);
        EXPECT_EQ(info.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_16);
        EXPECT_EQ(info.frames, 72000);
        EXPECT_EQ(info.samplerate, 48000);
        EXPECT_EQ(test::read_text(file).substr(0, 4),
                  container == Container::Rf64 ? "RF64" : "RIFF");
        // sox reads the same length.
        const test::Ran soxi = test::run("soxi -s " + file.string());
        ASSERT_EQ(soxi.status, 0) << soxi.out << " (sox is needed)";
        EXPECT_EQ(soxi.out, "72000\n");
    }
}

} // namespace
} // namespace zenka::sound
