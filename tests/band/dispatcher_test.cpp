#include "band/catalogue.h"
#include "band/dispatcher.h"
#include "compose/air.h"
#include "support/sound_calls.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

class Dispatcher : public ::testing::Test {
  protected:
    // A context at `when` tuned to `freq` (units of 100 Hz), as a retune leaves it.
    std::unique_ptr<Air> tuned(int freq, const char* when, ReceiverSettings s = {}) {
        clock.set(*parse_utc(when));
        s.freq = freq;
        auto a = std::make_unique<Air>(clock, s);
        a->stn();
        air = a.get();
        return a;
    }

    // The sounds the last context asked for.
    std::vector<std::string> sounds() const { return test::sound_lines(air->so_far().sounds); }
    // Its diagnostic records, "function|info|param".
    std::vector<std::string> log() const {
        std::vector<std::string> lines;
        for (const LogRecord& r : air->so_far().log)
            lines.push_back(r.function + "|" + r.info + "|" + std::to_string(r.param));
        return lines;
    }

    FixedClock clock{UtcInstant{}};
    Air* air = nullptr;
};

// Records which block a pass evaluated.
std::vector<std::string> visited;
void low(Air&) {
    visited.push_back("low");
}
void marine(Air&) {
    visited.push_back("marine");
}
void tail(Air&) {
    visited.push_back("tail");
}
const Rule kLow[] = {{range(0, 100000), "low", low}};
const Rule kMarine[] = {{range(0, 100000), "marine", marine}};
const Rule kTail[] = {{range(0, 100000), "tail", tail}};

TEST_F(Dispatcher, BlockBoundaries) {
    const Catalogue probe{kLow, kMarine, kTail};
    struct Case {
        int freq;
        std::vector<std::string> blocks;
    };
    for (const Case& c :
         {Case{2000, {"low", "tail"}}, Case{2001, {"tail"}}, Case{4050, {"tail"}},
          Case{4051, {"marine", "tail"}}, Case{5349, {"marine", "tail"}}, Case{5350, {"tail"}},
          Case{100, {"low", "tail"}}, Case{10000, {"tail"}}}) {
        auto a = tuned(c.freq, "2026-12-08T12:00:00Z");
        visited.clear();
        band(*a, probe);
        EXPECT_EQ(visited, c.blocks) << c.freq;
    }
}

TEST_F(Dispatcher, FrequencyConditions) {
    constexpr Frequencies one = at(5000), set = any_of({118, 120, 121}),
                          span = range(6651, 6669);
    EXPECT_TRUE(one.contains(5000));
    EXPECT_FALSE(one.contains(5001));
    EXPECT_TRUE(set.contains(120));
    EXPECT_FALSE(set.contains(119));
    EXPECT_TRUE(span.contains(6651));
    EXPECT_TRUE(span.contains(6669));
    EXPECT_FALSE(span.contains(6670));
}

TEST_F(Dispatcher, LogsTheStartAndTheSlotsFilled) {
    // The distress call, the faint and the clear ship's call, the tuning.
    auto a = tuned(5000, "2026-12-08T06:13:02Z");
    band(*a);
    ASSERT_GE(log().size(), 2u);
    EXPECT_EQ(log().front(), "band start 0 MHz||0");
    EXPECT_EQ(log().back(), "band end 0 MHz|send_call|4");
}

TEST_F(Dispatcher, AFrequencyWithNothingOnItFillsNoSlot) {
    auto a = tuned(3333, "2026-12-08T12:00:00Z");
    band(*a);
    EXPECT_EQ(a->open_slot, 0);
    EXPECT_EQ(log().back(), "band end 0 MHz|send_call|0");
    EXPECT_TRUE(sounds().empty());
}

TEST_F(Dispatcher, DistressTextsAtTheirMinute) {
    auto a = tuned(5000, "2026-12-08T06:13:50Z");
    band(*a);
    ASSERT_EQ(a->open_slot, 3); // the ships' calls after it: the text is no announcement
    EXPECT_TRUE(a->send_buf[0].starts_with("DDD SOS DE NMO 090613Z THE VESSEL TAI KI IS SINKING"));
    EXPECT_TRUE(a->send_buf[0].ends_with("ETA = DE NMO ]" + std::string(20, ' ')));
    EXPECT_EQ(a->slot_params[0].spd, 16);
    EXPECT_EQ(a->slot_params[0].ton, 1400);
    EXPECT_EQ(a->slot_params[0].qsa, 1);

    auto b = tuned(5005, "2026-12-08T11:47:50Z");
    band(*b);
    ASSERT_EQ(b->open_slot, 1);
    EXPECT_TRUE(b->send_buf[0].starts_with("DDD DE DAN DAN DAN = GERMAN MS MARIANNEWEHR / DIPJ"));
    EXPECT_TRUE(b->send_buf[0].ends_with("= 141148Z + DE DAN" + std::string(20, ' ')));
    EXPECT_EQ(b->slot_params[0].ton, 900);
    EXPECT_EQ(b->slot_params[0].qsa, 4);
}

TEST_F(Dispatcher, TheThreeFrequenciesOf500kHzAreOne) {
    std::vector<std::string> texts;
    for (int freq : {4995, 5000, 5005}) {
        auto a = tuned(freq, "2026-12-08T06:13:13Z");
        band(*a);
        std::string all;
        for (int k = 0; k < a->open_slot; ++k)
            all += a->send_buf[k] + "|";
        texts.push_back(all);
    }
    EXPECT_FALSE(texts[0].empty());
    EXPECT_EQ(texts[0], texts[1]);
    EXPECT_EQ(texts[1], texts[2]);
}

TEST_F(Dispatcher, SilencePeriodOnlyAShortCheckEarlyInTheMinute) {
    auto a = tuned(5000, "2026-12-08T10:16:10Z");
    band(*a);
    ASSERT_EQ(a->open_slot, 1);
    const std::string& s = a->send_buf[0];
    // A pause, then three turns, each behind the switch to its station's voice.
    EXPECT_EQ(s.find_first_not_of(' ') % 4, 0u);
    EXPECT_NE(s.find("VVVV     \x01"), std::string::npos);
    EXPECT_NE(s.find("SP   \x01"), std::string::npos);
    EXPECT_TRUE(s.ends_with("SRI   " + std::string(20, ' ')));

    auto late = tuned(5000, "2026-12-08T10:16:40Z");
    band(*late);
    EXPECT_EQ(late->open_slot, 0);
    // Not even the tuning of second 2 / 13 / 41.
    auto tuning = tuned(5000, "2026-12-08T10:46:41Z");
    band(*tuning);
    EXPECT_EQ(tuning->open_slot, 0);
}

TEST_F(Dispatcher, StationsTuneUpInTheOrdinaryMinutes) {
    auto a = tuned(5000, "2026-12-08T10:21:41Z");
    band(*a);
    ASSERT_EQ(a->open_slot, 3); // after the faint and the clear ship's call
    EXPECT_EQ(a->send_buf[2].front(), '\x04');
    auto quiet = tuned(5000, "2026-12-08T10:30:41Z"); // minute 30: nothing of that kind
    band(*quiet);
    EXPECT_EQ(quiet->open_slot, 0);
}

TEST_F(Dispatcher, CarriersOfTheMediumWaveRasters) {
    auto night = tuned(5400, "2026-12-08T23:00:00Z"); // 540.0 kHz: both rasters
    band(*night);
    EXPECT_EQ(sounds(), std::vector<std::string>(2, "loop_carrier ZENKA09.WAV"));
    // The first carrier is the one heard; the second finds it sounding.
    const std::vector<SoundRequest>& both = night->so_far().sounds;
    EXPECT_TRUE(both[0].started);
    EXPECT_FALSE(both[1].started);
    EXPECT_GE(both[0].tone, 1000);
    EXPECT_LT(both[0].tone, 1200); // the 9 kHz raster's carrier comes first
    EXPECT_GE(both[1].tone, 1300);
    auto day = tuned(5400, "2026-12-08T12:00:00Z");
    band(*day);
    EXPECT_EQ(sounds(), std::vector<std::string>(1, "loop_carrier ZENKA09.WAV"));
    auto ten = tuned(5500, "2026-12-08T23:00:00Z"); // 550.0: the 10 kHz raster only
    band(*ten);
    EXPECT_EQ(sounds(), std::vector<std::string>(1, "loop_carrier ZENKA09.WAV"));
    auto off = tuned(5410, "2026-12-08T23:00:00Z");
    band(*off);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(Dispatcher, LongWaveBroadcastCarriers) {
    auto a = tuned(2250, "2026-12-08T12:00:00Z"); // 225.0 kHz at strength 5, tone 1000
    band(*a);
    ASSERT_EQ(sounds(), std::vector<std::string>{"loop_carrier ZENKA09.WAV"});
    const SoundRequest& carrier = a->so_far().sounds[0];
    EXPECT_EQ(carrier.tone, 1000);
    EXPECT_EQ(carrier.qsa, 5);
    EXPECT_EQ(carrier.count, 30000);
    EXPECT_TRUE(carrier.started);
}

TEST_F(Dispatcher, BackgroundOffSilencesCarriersButNotStations) {
    ReceiverSettings off;
    off.bkgnd = 0;
    auto a = tuned(5400, "2026-12-08T23:00:00Z", off);
    band(*a);
    EXPECT_TRUE(sounds().empty());
    auto b = tuned(5000, "2026-12-08T10:21:41Z", off);
    band(*b);
    EXPECT_EQ(b->open_slot, 3);
    auto c = tuned(600, "2026-12-08T10:21:42Z", off); // a background voice clip's frequency
    band(*c);
    EXPECT_TRUE(sounds().empty());
}

} // namespace
} // namespace zenka
