// A channel file, carrier file or recording that is missing, empty, truncated or corrupt is
// silent, and everything else plays on exactly as without it.

#include "platform/sound/mix_levels.h"
#include "platform/sound/sound_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <functional>

namespace zenka::test {
namespace {

// Writes one kind of broken file at the given path (or leaves it missing).
using Breaker = std::function<void(const std::filesystem::path&)>;

struct BadCase {
    const char* name;
    Breaker make;
};

std::string header_with(std::uint32_t rate, int bits, int channels, std::uint32_t data) {
    std::string h = wav_header(rate, bits, data);
    h[22] = static_cast<char>(channels);
    return h;
}

const BadCase kBadCases[] = {
    {"missing", [](const std::filesystem::path&) {}},
    {"empty", [](const std::filesystem::path& p) { write_bytes(p, ""); }},
    {"cut_in_header",
     [](const std::filesystem::path& p) {
         write_bytes(p, wav_header(8000, 8, 1000).substr(0, 20));
     }},
    {"header_without_data",
     [](const std::filesystem::path& p) { write_bytes(p, wav_header(8000, 8, 1000)); }},
    {"garbage",
     [](const std::filesystem::path& p) {
         std::string s(4000, '\0');
         for (std::size_t i = 0; i < s.size(); ++i)
             s[i] = static_cast<char>((i * 7919u) >> 3);
         write_bytes(p, s);
     }},
    {"riff_with_garbage_format",
     [](const std::filesystem::path& p) {
         std::string s = wav_header(8000, 8, 100);
         for (std::size_t i = 20; i < 36; ++i)
             s[i] = static_cast<char>(0xEE);
         write_bytes(p, s + std::string(100, 'x'));
     }},
    {"zero_channels",
     [](const std::filesystem::path& p) {
         write_bytes(p, header_with(8000, 8, 0, 100) + std::string(100, 'x'));
     }},
    {"zero_rate",
     [](const std::filesystem::path& p) {
         write_bytes(p, wav_header(0, 8, 100) + std::string(100, 'x'));
     }},
    {"rate_too_low",
     [](const std::filesystem::path& p) {
         write_bytes(p, wav_header(3, 8, 100) + std::string(100, 'x'));
     }},
    {"folder", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
    {"fifo", [](const std::filesystem::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
};

class BadChannelFile : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadChannelFile, IsSilentAndTheRestPlaysOn) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    const auto good = folder / "ZENKA00.WAV";
    write_channel_file(good, 8000, tone8(1000.0, 8000, 8000, 80));
    write_wav8(folder / "carrier.wav", 8000, tone8(1000.0, 8000, 40, 30));
    const auto bad = folder / "ZENKA01.WAV";
    GetParam().make(bad);

    const auto script = [&](bool with_bad) {
        return [&, with_bad](sound::FileSound& s) {
            s.open_channel(0, good);
            s.loop_carrier(folder / "carrier.wav");
            if (with_bad) s.open_channel(1, bad);
            s.advance_samples(20000);
            if (with_bad) s.close_channel(1);
            s.advance_samples(5000);
        };
    };
    const auto expected = render(folder, script(false));
    const auto out = render(folder, script(true));
    ASSERT_EQ(expected.size(), 25000u);
    EXPECT_EQ(out, expected);
}

class BadRecording : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadRecording, IsSilentAndTheRestPlaysOn) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "fone");
    const auto good = folder / "ZENKA00.WAV";
    write_channel_file(good, 8000, tone8(1000.0, 8000, 8000, 80));
    GetParam().make(folder / "fone/rtt-002.wav");
    const auto script = [&](bool with_bad) {
        return [&, with_bad](sound::FileSound& s) {
            s.open_channel(0, good);
            if (with_bad) s.play_recording("fone/rtt-002.wav");
            s.advance_samples(20000);
        };
    };
    EXPECT_EQ(render(folder, script(true)), render(folder, script(false)));
}

class BadCarrier : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadCarrier, IsSilentAndLeavesTheWayFreeForTheNextCarrier) {
    TempFolder folder;
    const auto good = folder / "carrier.wav";
    write_wav8(good, 8000, tone8(1000.0, 8000, 40, 30));
    const auto bad = folder / "ZENKA09.WAV";
    GetParam().make(bad);
    const auto script = [&](bool with_bad) {
        return [&, with_bad](sound::FileSound& s) {
            if (with_bad) s.loop_carrier(bad);
            s.advance_samples(5000);
            s.loop_carrier(good);
            s.advance_samples(5000);
        };
    };
    const auto out = render(folder, script(true));
    ASSERT_EQ(out.size(), 10000u);
    for (std::size_t i = 0; i < 5000; ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
    EXPECT_EQ(out, render(folder, script(false)));
    EXPECT_GT(std::fabs(out[5012]), 0.05f); // a quarter period in: near the peak
}

std::string case_name(const ::testing::TestParamInfo<BadCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Kinds, BadChannelFile, ::testing::ValuesIn(kBadCases), case_name);
INSTANTIATE_TEST_SUITE_P(Kinds, BadRecording, ::testing::ValuesIn(kBadCases), case_name);
INSTANTIATE_TEST_SUITE_P(Kinds, BadCarrier, ::testing::ValuesIn(kBadCases), case_name);

TEST(TruncatedChannelFile, PlaysWhatIsThereThenFallsSilent) {
    TempFolder folder;
    const auto file = folder / "ZENKA03.WAV";
    // The header promises 48000 samples; only 1000 follow.
    std::string bytes = wav_header(48000, 8, 48004) + std::string(4, static_cast<char>(0x80));
    bytes += std::string(1000, static_cast<char>(0xA0));
    write_bytes(file, bytes);
    const auto out = render(folder, [&](sound::FileSound& s) {
        s.open_channel(3, file);
        s.advance_samples(5000);
    });
    ASSERT_EQ(out.size(), 5000u);
    for (std::size_t i = 4; i < 1004; ++i)
        ASSERT_EQ(out[i], sound::kChannelGain * level8(0xA0)) << i;
    for (std::size_t i = 1004; i < out.size(); ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
}

TEST(FileSoundOutput, UnwritableOutputHasNoDeviceAndAcceptsEverything) {
    TempFolder folder;
    sound::FileSound s(folder / "no/such/folder/mix.wav", sound::RecordingsFolder(folder.path()));
    EXPECT_EQ(s.device_count(), 0);
    s.open_channel(0, folder / "x.wav");
    s.start_noise();
    s.advance(std::chrono::milliseconds(100));
    EXPECT_EQ(s.position(), 0u);
}

TEST(FileSoundOutput, SixteenBitOutputKeepsTheMix) {
    TempFolder folder;
    const auto file = folder / "ZENKA00.WAV";
    write_channel_file(file, 48000, Samples8(2000, 0xC0));
    const auto out = folder / "mix16.wav";
    {
        sound::FileSound s(out, sound::RecordingsFolder(folder.path()));
        EXPECT_EQ(s.device_count(), 1);
        s.set_plain_audio(true);
        s.open_channel(0, file);
        s.advance(std::chrono::milliseconds(50));
        EXPECT_EQ(s.position(), 2400u);
    }
    SF_INFO info{};
    SNDFILE* f = sf_open(out.c_str(), SFM_READ, &info);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(info.samplerate, 48000);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    std::vector<short> s(static_cast<std::size_t>(info.frames));
    ASSERT_EQ(sf_read_short(f, s.data(), info.frames), 2400);
    sf_close(f);
    EXPECT_EQ(s[3], 0);
    EXPECT_EQ(s[4], 4096); // 0.25 * 0.5 of full scale
    EXPECT_EQ(s[2003], 4096);
    EXPECT_EQ(s[2004], 0);
}

} // namespace
} // namespace zenka::test
