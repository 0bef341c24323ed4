// close_channel stops a channel at once, wherever it is, and a channel file
// rewritten right after close_channel plays anew from its start.

#include "platform/sound/mix_levels.h"
#include "platform/sound/sound_files.h"

#include <gtest/gtest.h>

namespace zenka::test {
namespace {

using std::chrono::milliseconds;

class StopAnywhere : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(StopAnywhere, SilenceFromTheStopOn) {
    const std::uint64_t stop = GetParam();
    TempFolder folder;
    const auto file = folder / "ZENKA02.WAV";
    write_channel_file(file, 8000, tone8(700.0, 8000, 24000, 90)); // 3 s

    const auto whole = render(folder, [&](sound::FileSound& s) {
        s.open_channel(2, file);
        s.advance_samples(stop + 24000);
    });
    const auto stopped = render(folder, [&](sound::FileSound& s) {
        s.open_channel(2, file);
        s.advance_samples(stop);
        s.close_channel(2);
        s.advance_samples(24000);
    });
    ASSERT_EQ(stopped.size(), whole.size());
    for (std::size_t i = 0; i < stop; ++i)
        ASSERT_EQ(stopped[i], whole[i]) << i;
    for (std::size_t i = stop; i < stopped.size(); ++i)
        ASSERT_EQ(stopped[i], 0.0f) << i;
    // The tone was still going where it was cut off.
    float after = 0.0f;
    for (std::size_t i = stop; i < stop + 100; ++i)
        after = std::max(after, std::fabs(whole[i]));
    EXPECT_GT(after, 0.1f);
}

INSTANTIATE_TEST_SUITE_P(Positions, StopAnywhere,
                         ::testing::Values(100u, 511u, 512u, 513u, 4801u, 12345u, 30000u, 100000u));

TEST(ChannelStop, ClosingWhatIsNotOpenIsHarmless) {
    TempFolder folder;
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.close_channel(0);
        s.close_channel(6);
        s.close_channel(-1);
        s.close_channel(7);
        s.open_channel(7, folder / "x.wav");
        s.advance_samples(1000);
    });
    ASSERT_EQ(out.size(), 1000u);
    for (const float v : out)
        ASSERT_EQ(v, 0.0f);
}

TEST(ChannelStop, EmissionPlaysOnceThenTheChannelIsSilent) {
    TempFolder folder;
    const auto file = folder / "ZENKA00.WAV";
    const Samples8 data = {200, 60, 180, 90, 255, 1};
    write_channel_file(file, 48000, data);
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.open_channel(0, file);
        s.advance_samples(100);
    });
    ASSERT_EQ(out.size(), 100u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(out[i], 0.0f); // the four head samples
    for (std::size_t i = 0; i < data.size(); ++i)
        EXPECT_EQ(out[4 + i], sound::kChannelGain * level8(data[i]));
    for (std::size_t i = 4 + data.size(); i < out.size(); ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
}

TEST(ChannelReopen, FileRewrittenAfterCloseIsPlayedAnewFromItsStart) {
    TempFolder folder;
    const auto file = folder / "ZENKA04.WAV";
    write_channel_file(file, 8000, tone8(900.0, 8000, 16000, 100));
    const auto fresh_file = folder / "fresh.wav";
    write_channel_file(fresh_file, 6000, tone8(500.0, 6000, 6000, 60));

    // What the new content sounds like on its own.
    const auto fresh = render(folder, [&](sound::FileSound& s) {
        s.open_channel(4, fresh_file);
        s.advance_samples(30000);
    });
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.open_channel(4, file);
        s.advance_samples(7000);
        s.close_channel(4);
        // The engine rewrites the same file in place and opens it again.
        write_channel_file(file, 6000, tone8(500.0, 6000, 6000, 60));
        s.open_channel(4, file);
        s.advance_samples(30000);
    });
    ASSERT_EQ(out.size(), 37000u);
    ASSERT_EQ(fresh.size(), 30000u);
    for (std::size_t i = 0; i < fresh.size(); ++i)
        ASSERT_EQ(out[7000 + i], fresh[i]) << i;
}

TEST(ChannelReopen, OpeningAnOpenChannelReplacesItsStream) {
    TempFolder folder;
    const auto a = folder / "a.wav";
    const auto b = folder / "b.wav";
    write_channel_file(a, 48000, Samples8(5000, 200));
    write_channel_file(b, 48000, Samples8(5000, 64));
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.open_channel(1, a);
        s.advance_samples(1000);
        s.open_channel(1, b);
        s.advance_samples(1000);
    });
    ASSERT_EQ(out.size(), 2000u);
    for (std::size_t i = 4; i < 1000; ++i)
        ASSERT_EQ(out[i], sound::kChannelGain * level8(200)) << i;
    for (std::size_t i = 1000; i < 1004; ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
    for (std::size_t i = 1004; i < 2000; ++i)
        ASSERT_EQ(out[i], sound::kChannelGain * level8(64)) << i;
}

} // namespace
} // namespace zenka::test

namespace zenka::test {
namespace {

TEST(ChannelOpen, PlaysFromTheVeryNextBlockWithoutWaitingForTheFeeder) {
    TempFolder folder;
    const auto file = folder / "ZENKA06.WAV";
    write_channel_file(file, 48000, Samples8(20000, 0x90));
    sound::Mixer mixer(sound::RecordingsFolder(folder / "fone"));
    mixer.set_plain(true);
    mixer.open_channel(6, file);
    // No feed(): what open_channel converted itself carries the first blocks.
    std::vector<float> out(sound::ChannelStream::kPrefill);
    mixer.mix(out);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(out[i], 0.0f);
    for (std::size_t i = 4; i < out.size(); ++i)
        ASSERT_EQ(out[i], sound::kChannelGain * level8(0x90)) << i;
    EXPECT_EQ(mixer.channel_heard(6).block, 1u);
    EXPECT_EQ(mixer.blocks_started(), 1u);
}

} // namespace
} // namespace zenka::test
