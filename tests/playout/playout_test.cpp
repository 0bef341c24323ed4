#include "compose/air.h"
#include "platform/sound/null_sound.h"
#include "playout/carrier_file.h"
#include "playout/playout.h"
#include "support/sound_calls.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

// The sample rate a WAV file's header gives.
std::uint32_t rate(const std::filesystem::path& f) {
    const auto b = test::read_bytes(f);
    return b.size() < 28 ? 0u : b[24] | b[25] << 8 | b[26] << 16 | b[27] << 24;
}

class Playing : public ::testing::Test {
  protected:
    Playing() : clock(*parse_utc("2026-12-08T09:18:07.250Z")) {}

    std::vector<std::string> calls() const { return test::calls(out, folder.path()); }
    std::vector<std::string> opened() const {
        std::vector<std::string> lines;
        for (const auto& c : calls())
            if (c.starts_with("open_channel")) lines.push_back(c);
        return lines;
    }

    test::TempFolder folder;
    sound::NullSound out;
    FixedClock clock;
    RandomSource random;
    Playout playout{out, clock, random, folder.path()};
};

TEST_F(Playing, SevenSlotsTakeTheSevenChannels) {
    Air a(clock, random);
    for (int k = 0; k < 8; ++k)
        a.send_stack(std::string(1, static_cast<char>('A' + k))); // the eighth overflows
    const PlayReport r = playout.play(a.finish());
    const std::vector<std::string> expected = {
        "open_channel 0 ZENKA00.WAV", "open_channel 1 ZENKA01.WAV", "open_channel 2 ZENKA02.WAV",
        "open_channel 3 ZENKA03.WAV", "open_channel 4 ZENKA04.WAV", "open_channel 5 ZENKA05.WAV",
        "open_channel 6 ZENKA06.WAV"};
    EXPECT_EQ(opened(), expected);
    for (int k = 0; k < 7; ++k) {
        EXPECT_NE(playout.deadline(k), 0u) << k;
        EXPECT_GT(r.duration_ms[static_cast<std::size_t>(k)], 0u) << k;
    }
    EXPECT_TRUE(r.errors.empty());
}

TEST_F(Playing, NothingClosedNothingPlays) {
    Air a(clock, random);
    a.send("OPEN BUT NEVER CLOSED");
    playout.play(a.finish());
    EXPECT_TRUE(calls().empty());
    EXPECT_FALSE(std::filesystem::exists(playout.channel_file(0)));
}

TEST_F(Playing, EachSlotRendersWithItsOwnParametersIntoItsOwnChannel) {
    Air a(clock, random);
    a.ton = 1000;
    a.send_stack("E");
    a.ton = 1500;
    a.send_stack("E");
    playout.play(a.finish());
    EXPECT_EQ(rate(playout.channel_file(0)), 8000u);
    EXPECT_EQ(rate(playout.channel_file(1)), 12000u);
    EXPECT_EQ(opened().size(), 2u);
}

TEST_F(Playing, SuppressedEmissionsAndBusyChannelsAreSkipped) {
    ReceiverSettings s;
    s.att = 1;
    Air a(clock, random, s);
    a.qsa = 0;
    a.send_stack("E"); // slot 0: too weak for the attenuator
    a.qsa = 3;
    a.send_stack("E"); // slot 1
    a.qsa = 3;
    a.send_stack("E"); // slot 2
    // Channel 2 still busy from before.
    playout.play_file(2, playout.channel_file(2), 60000);
    test::take(out, folder.path());
    const PlayReport r = playout.play(a.finish());
    EXPECT_EQ(opened(), std::vector<std::string>{"open_channel 1 ZENKA01.WAV"});
    EXPECT_EQ(playout.deadline(0), 0u);
    EXPECT_NE(playout.deadline(1), 0u);
    EXPECT_EQ(r.duration_ms[0], 0u);
    EXPECT_GT(r.duration_ms[1], 0u);
    EXPECT_EQ(r.duration_ms[2], 0u);
}

// At 540.0 kHz by night one pass asks for two carriers: the first is written and
// heard, the second changes nothing.
TEST_F(Playing, OnlyTheFirstCarrierOfAPassIsWrittenAndStarted) {
    Air a(clock, random);
    a.qsa = 5;
    a.n0n(1000);
    a.qsa = 1;
    a.n0n(1500);
    const Composition c = a.finish();
    ASSERT_EQ(c.sounds.size(), 2u);
    playout.play(c);
    EXPECT_EQ(calls(), std::vector<std::string>{"loop_carrier ZENKA09.WAV"});
    const auto bytes = test::read_bytes(playout.carrier_file());
    ASSERT_EQ(bytes.size(), 48u + 60000u);
    EXPECT_EQ(rate(playout.carrier_file()), 4000u); // four times the tone of 1000 Hz
    EXPECT_EQ(bytes[48], 128 + 126);                // strength 5
    EXPECT_EQ(bytes[49], 128 - 126);
}

TEST_F(Playing, CarrierFileLayout) {
    SoundRequest r;
    r.kind = SoundRequest::Kind::Carrier;
    r.tone = 800, r.qsa = 3, r.count = 30000;
    ASSERT_TRUE(write_carrier_file(playout.carrier_file(), r, 4, 1));
    const auto bytes = test::read_bytes(playout.carrier_file());
    ASSERT_EQ(bytes.size(), 48u + 60000u);
    EXPECT_EQ(bytes[24] | bytes[25] << 8, 3200); // 4 * 800 samples a second
    EXPECT_EQ(bytes[40] | bytes[41] << 8 | bytes[42] << 16, 60004);
    for (std::size_t i = 48; i < bytes.size(); i += 2) {
        ASSERT_EQ(bytes[i], 160);
        ASSERT_EQ(bytes[i + 1], 96);
    }
    r.count = 10;
    ASSERT_TRUE(write_carrier_file(playout.carrier_file(), r, 4, 1));
    EXPECT_EQ(test::read_bytes(playout.carrier_file()).size(), 68u);
    EXPECT_FALSE(write_carrier_file(folder / "missing" / "ZENKA09.WAV", r, 4, 1));
}

TEST_F(Playing, CarrierStrengthStepsAndTheAttenuator) {
    constexpr int kAmplitude[] = {1, 8, 16, 32, 64, 126, 0, 0};
    for (int att : {0, 1}) {
        for (int qsa = 0; qsa < 8; ++qsa) {
            ReceiverSettings s;
            s.att = att;
            s.sampling = 3;
            Air a(clock, random, s);
            a.qsa = qsa;
            a.n0n(1200);
            Playout p(out, clock, random, folder.path());
            p.play(a.finish());
            const auto bytes = test::read_bytes(p.carrier_file());
            ASSERT_GT(bytes.size(), 49u);
            const int step = att && qsa > 0 ? qsa - 1 : qsa;
            EXPECT_EQ(bytes[48], 128 + kAmplitude[step]) << att << " " << qsa;
            EXPECT_EQ(rate(p.carrier_file()), 3600u);
        }
    }
}

TEST_F(Playing, RecordingsStartInTheOrderAsked) {
    ReceiverSettings s;
    Air a(clock, random, s);
    a.fax(120, 576);
    a.fone_cond(0);
    a.fax(120, 576);
    playout.play(a.finish());
    EXPECT_EQ(calls(), (std::vector<std::string>{"play_recording fone/fax-001.wav",
                                                 "play_recording fone/ssb-002.wav",
                                                 "play_recording fone/fax-001.wav"}));
}

TEST_F(Playing, TheMeterFollowsTheSoundsAndTheChannels) {
    ReceiverSettings s;
    Air a(clock, random, s);
    a.qsa = 2;
    a.n0n(1000);
    a.qsa = 4;
    a.send_stack("E");
    EXPECT_EQ(playout.play(a.finish()).meter, (std::vector<int>{2, 4}));
}

TEST_F(Playing, AChannelFileThatCannotBeWrittenIsReported) {
    Playout nowhere(out, clock, random, folder / "missing");
    Air a(clock, random);
    a.send_stack("E");
    const PlayReport r = nowhere.play(a.finish());
    EXPECT_EQ(r.duration_ms[0], 0u);
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_NE(r.errors[0].find("ZENKA00.WAV"), std::string::npos);
    EXPECT_TRUE(calls().empty());
}

} // namespace
} // namespace zenka
