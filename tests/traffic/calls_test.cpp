#include "traffic/toolkit/calls.h"

#include "compose/air.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace zenka {
namespace {

const std::string kTail(20, ' ');      // send_stack's pause
const std::string kLongTail(180, ' '); // the same, bug or hand keyed

std::string groups(std::uint32_t n) {
    return std::string(4 * n, ' ');
}

// Two contexts at the same instant with the same seed draw the same numbers:
// the twin predicts what a generator run on the other one has drawn.
class CqCalls : public ::testing::Test {
  protected:
    CqCalls() : clock(*parse_utc("2026-12-08T09:18:07.250Z")) {}

    std::unique_ptr<Air> fresh(std::uint32_t seed) {
        auto air = std::make_unique<Air>(clock);
        air->random.seed = seed;
        air->stn();
        air->spd = 23;
        air->ton = 777;
        air->qsa = 2;
        return air;
    }

    FixedClock clock;
};

TEST_F(CqCalls, SendCqCallsThreeTimesAfterNoneOrOnePause) {
    std::set<std::uint32_t> pauses;
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        auto a = fresh(seed);
        auto twin = fresh(seed);
        send_cq(*a, "YSA");
        const std::uint32_t w = twin->myrand() % 2;
        pauses.insert(w);
        ASSERT_EQ(a->open_slot, 1);
        EXPECT_EQ(a->send_buf[0], groups(w) + "CQ CQ CQ DE YSA YSA YSA K" + kTail) << seed;
        EXPECT_EQ(a->slot_params[0].spd, 23);
        EXPECT_EQ(a->slot_params[0].ton, 777);
        EXPECT_EQ(a->slot_params[0].qsa, 2);
        EXPECT_EQ(a->anm_500, 0);
    }
    EXPECT_EQ(pauses, (std::set<std::uint32_t>{0, 1}));
}

TEST_F(CqCalls, AnnouncementAfterZeroToTwoPausesMarksThePass) {
    std::set<std::uint32_t> pauses;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        auto a = fresh(seed);
        auto twin = fresh(seed);
        send_cq_anm(*a, "VIS", "NAV WNG QSW 447");
        const std::uint32_t w = twin->myrand() % 3;
        pauses.insert(w);
        ASSERT_EQ(a->open_slot, 1);
        EXPECT_EQ(a->send_buf[0], groups(w) + "CQ CQ CQ DE VIS VIS VIS NAV WNG QSW 447" + kTail)
            << seed;
        EXPECT_EQ(a->slot_params[0].qsa, 2);
        EXPECT_EQ(a->slot_params[0].rto, 0);
        EXPECT_EQ(a->anm_500, 1);
    }
    EXPECT_EQ(pauses, (std::set<std::uint32_t>{0, 1, 2}));
}

TEST_F(CqCalls, TwoByTwoAnnouncementCallsTwice) {
    std::set<std::uint32_t> pauses;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        auto a = fresh(seed);
        auto twin = fresh(seed);
        send_cq_anm_2x2(*a, "SPE", "WX QSW 420");
        const std::uint32_t w = twin->myrand() % 3;
        pauses.insert(w);
        ASSERT_EQ(a->open_slot, 1);
        EXPECT_EQ(a->send_buf[0], groups(w) + "CQ CQ DE SPE SPE WX QSW 420" + kTail) << seed;
        EXPECT_EQ(a->slot_params[0].ton, 777);
        EXPECT_EQ(a->anm_500, 0);
    }
    EXPECT_EQ(pauses, (std::set<std::uint32_t>{0, 1, 2}));
}

TEST_F(CqCalls, BugAnnouncementDrawsTheWeightingThenThePause) {
    std::set<std::uint32_t> pauses;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        auto a = fresh(seed);
        auto twin = fresh(seed);
        send_cq_anm_bug(*a, "FFP", "METEOMAR QSW 521.5");
        const int rto = static_cast<int>(twin->myrand() % 40);
        const std::uint32_t w = twin->myrand() % 2;
        pauses.insert(w);
        ASSERT_EQ(a->open_slot, 1);
        EXPECT_EQ(a->send_buf[0], groups(w) + "CQ CQ CQ DE FFP FFP FFP METEOMAR QSW 521.5" +
                                      (rto != 0 ? kLongTail : kTail))
            << seed;
        EXPECT_EQ(a->slot_params[0].rto, rto) << seed;
        EXPECT_EQ(a->slot_params[0].spd, 23);
    }
    EXPECT_EQ(pauses, (std::set<std::uint32_t>{0, 1}));
}

TEST_F(CqCalls, AutomaticMorseIsAMachineSentTestAtItsSpeed) {
    const std::string text =
        "= THIS IS HIGH SPEED AUTOMATIC MORSE TRANSMISSION AT 50 WPM FOR TESTING PURPOSES = ";
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        auto a = fresh(seed);
        a->rto = 12;
        a->hand = 1;
        auto twin = fresh(seed);
        automatic_morse(*a, 50);
        const std::size_t start = twin->myrand() % text.size();
        std::string expected = text.substr(start);
        for (int i = 0; i < 20; ++i)
            expected += text;
        ASSERT_EQ(a->open_slot, 1);
        EXPECT_EQ(a->send_buf[0], expected + kTail) << seed;
        EXPECT_EQ(a->slot_params[0].spd, 50);
        EXPECT_EQ(a->slot_params[0].rto, 0);
        EXPECT_EQ(a->slot_params[0].hand, 0);
        EXPECT_EQ(a->slot_params[0].ton, 777);
        EXPECT_EQ(a->slot_params[0].qsa, 2);
    }
    auto fast = fresh(5);
    automatic_morse(*fast, 120);
    EXPECT_NE(fast->send_buf[0].find("TRANSMISSION AT 120 WPM FOR TESTING PURPOSES = = THIS"),
              std::string::npos);
    EXPECT_EQ(fast->slot_params[0].spd, 120);
}

} // namespace
} // namespace zenka
