#include "band/background.h"
#include "compose/air.h"
#include "support/sound_calls.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

class Background : public ::testing::Test {
  protected:
    // The calls the background table makes at `freq` at `when`.
    std::vector<std::string> heard(int freq, const char* when, int bkgnd = 1) {
        clock.set(*parse_utc(when));
        ReceiverSettings s;
        s.freq = freq;
        s.bkgnd = bkgnd;
        Air a(clock, s);
        get_background(a, background_table());
        return test::sound_lines(a.so_far().sounds);
    }

    FixedClock clock{UtcInstant{}};
};

const std::vector<std::string> kVoice{"play_recording fone/ssb-002.wav"};
const std::vector<std::string> kNone{};

TEST_F(Background, VoiceClipsRepeatByTheSecond) {
    EXPECT_EQ(heard(600, "2026-12-08T12:00:04Z"), kVoice); // 60.0 kHz, code 2: even seconds
    EXPECT_EQ(heard(600, "2026-12-08T12:00:05Z"), kNone);
    EXPECT_EQ(heard(537, "2026-12-08T12:00:05Z"), kVoice); // 53.7 kHz, code 0: always
    EXPECT_EQ(heard(538, "2026-12-08T12:00:07Z"), kVoice);
    EXPECT_EQ(heard(601, "2026-12-08T12:00:04Z"), kNone); // one step off
}

TEST_F(Background, TheFirstEntryOfAFrequencyCounts) {
    // 520.0 kHz: code 12 (voice every 12 s) before code 62 (SITOR, every 3 s).
    EXPECT_EQ(heard(5200, "2026-12-08T12:00:24Z"), kVoice);
    EXPECT_EQ(heard(5200, "2026-12-08T12:00:03Z"), kNone);
    // 278.0 kHz: code 2 before code 18.
    EXPECT_EQ(heard(2780, "2026-12-08T12:00:02Z"), kVoice);
    EXPECT_EQ(heard(2780, "2026-12-08T12:00:03Z"), kNone);
}

TEST_F(Background, OtherKindsOfSignal) {
    EXPECT_EQ(heard(4405, "2026-12-08T12:00:03Z"),
              std::vector<std::string>{"play_recording fone/sitorb.wav"});
    EXPECT_EQ(heard(1860, "2026-12-08T12:00:03Z"),
              std::vector<std::string>{"play_recording fone/fax-001.wav"});
    // 40.7 kHz, code 100: 50 Bd 170 Hz every minute; 51.9 kHz code 102: even minutes.
    EXPECT_EQ(heard(407, "2026-12-08T12:07:00Z"),
              std::vector<std::string>{"play_recording fone/rtt-001.wav"});
    EXPECT_EQ(heard(519, "2026-12-08T12:07:00Z"), kNone);
    EXPECT_EQ(heard(519, "2026-12-08T12:08:00Z"),
              std::vector<std::string>{"play_recording fone/rtt-001.wav"});
    // 63.8 kHz, code 280: 75 Bd; 510.5 kHz code 223: 50 Bd 850 Hz every third minute.
    EXPECT_EQ(heard(638, "2026-12-08T12:08:00Z"),
              std::vector<std::string>{"play_recording fone/rtt-002.wav"});
    EXPECT_EQ(heard(5105, "2026-12-08T12:09:00Z"),
              std::vector<std::string>{"play_recording fone/rtt-001.wav"});
    EXPECT_EQ(heard(5105, "2026-12-08T12:10:00Z"), kNone);
    // 53.4 kHz, code 346: 75 Bd 425 Hz every sixth minute.
    EXPECT_EQ(heard(534, "2026-12-08T12:12:00Z"),
              std::vector<std::string>{"play_recording fone/rtt-002.wav"});
}

TEST_F(Background, NothingWithTheSwitchOff) {
    EXPECT_EQ(heard(537, "2026-12-08T12:00:05Z", 0), kNone);
    EXPECT_EQ(heard(4405, "2026-12-08T12:00:03Z", 0), kNone);
}

} // namespace
} // namespace zenka
