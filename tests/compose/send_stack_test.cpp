#include "compose/air.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zenka {
namespace {

// 2026-12-08 09:18:07.250: every draw adds the runtime value + 1786 to rand_seed.
class SendStack : public ::testing::Test {
  protected:
    SendStack() : clock(*parse_utc("2026-12-08T09:18:07.250Z")), a(clock, random) {}

    // The pass's diagnostic records so far, "function|info|param".
    std::vector<std::string> log() const {
        std::vector<std::string> lines;
        for (const LogRecord& r : a.so_far().log)
            lines.push_back(r.function + "|" + r.info + "|" + std::to_string(r.param));
        return lines;
    }

    FixedClock clock;
    RandomSource random;
    Air a;
};

const std::string kTail(20, ' ');
const std::string kLongTail(180, ' ');

TEST_F(SendStack, ClosingAddsTheTailRecordsTheParametersAndDrawsNewOnes) {
    a.spd = 24, a.ton = 700, a.qsa = 4, a.sz = 1, a.katokana = 1, a.bw = 1, a._f1 = 1;
    a.spark = 1, a.qrh = 2;
    const EmissionParams closed = a.params();
    a.send("CQ");
    a.send_stack(" K");
    EXPECT_EQ(a.send_buf[0], "CQ K" + kTail);
    EXPECT_EQ(a.slot_params[0], closed);
    EXPECT_EQ(a.open_slot, 1);
    EXPECT_EQ(a.send_buf[1], "");
    EXPECT_EQ(log().back(), "Send Stack|CQ K" + kTail + "|0");

    // Fresh parameters: voice 1 is current and every switch is off.
    EmissionParams fresh;
    fresh.spd = a.voice(1).spd, fresh.ton = a.voice(1).ton, fresh.qsa = a.voice(1).qsa;
    EXPECT_EQ(a.params(), fresh);
}

TEST_F(SendStack, HandBugAndWideSpacingGetTheLongTail) {
    a.hand = 1;
    a.send_stack("CQ K");
    a.rto = 12;
    a.send_stack("CQ K");
    a.spacing = 3;
    a.send_stack("CQ K");
    a.spacing = 2;
    a.send_stack("CQ K");
    EXPECT_EQ(a.send_buf[0], "CQ K" + kLongTail);
    EXPECT_EQ(a.send_buf[1], "CQ K" + kLongTail);
    EXPECT_EQ(a.send_buf[2], "CQ K" + kLongTail);
    EXPECT_EQ(a.send_buf[3], "CQ K" + kTail);
}

TEST_F(SendStack, WaitAppendsGroupsOfFourSpaces) {
    a.send("A");
    EXPECT_EQ(a.wait(3), 0);
    EXPECT_EQ(a.wait(0), 0);
    std::string expected = "A";
    expected.append(12, ' ');
    EXPECT_EQ(a.send_buf[0], expected);
}

TEST_F(SendStack, AnEighthCloseOverflowsAndLeavesTheSevenAlone) {
    for (int k = 0; k < 7; ++k)
        a.send_stack(std::string(1, static_cast<char>('A' + k)));
    const auto before = a.send_buf;
    const auto params_before = a.slot_params;
    a.send("LOST");
    a.send_stack(" TOO");
    EXPECT_EQ(a.open_slot, 7);
    EXPECT_EQ(log().back(), "ERROR!|ERROR#0250 Send Stack overflowed!|7");
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(a.send_buf[k], before[k]);
        EXPECT_EQ(a.slot_params[k], params_before[k]);
    }
    EXPECT_EQ(a.send_buf[7], "");

    // The pass ends in its seven slots, nothing of the eighth.
    const Composition c = a.finish();
    ASSERT_EQ(c.slots.size(), 7u);
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(c.slots[k].text, before[k]);
        EXPECT_EQ(c.slots[k].params, params_before[k]);
    }
}

TEST_F(SendStack, SendStillStartsAtARandomPointAndRepeatsTwentyTimes) {
    random.seed = 11110; // the draw is 11110 + 41 + 1786 = 12937, and 12937 mod 9 = 4
    a.hand = 1, a.rto = 9;
    a.send_still("ABCDEFGHI");
    std::string expected = "EFGHI";
    for (int i = 0; i < 20; ++i)
        expected += "ABCDEFGHI";
    EXPECT_EQ(a.send_buf[0], expected + kTail); // machine keyed: the short tail
    EXPECT_EQ(a.slot_params[0].hand, 0);
    EXPECT_EQ(a.slot_params[0].rto, 0);
}

TEST_F(SendStack, SendStillOfAnOverlongTextIsLoggedAndStillSent) {
    const std::string text(1100, 'V');
    a.send_still(text);
    const std::vector<std::string> records = log();
    EXPECT_NE(std::find(records.begin(), records.end(),
                        "ERROR: send_still: input string too long!|" + text + "|1100"),
              records.end());
    EXPECT_EQ(a.send_buf[0], std::string(9999, 'V')); // a slot holds at most 9,999 characters
}

TEST_F(SendStack, SendStillOfTheWorkBufferRepeatsTheWholeText) {
    a.str = "VVV DE DDK ";
    a.send_still(a.str);
    const std::string& slot = a.send_buf[0];
    std::string twenty;
    for (int i = 0; i < 20; ++i)
        twenty += "VVV DE DDK ";
    ASSERT_GE(slot.size(), twenty.size() + 20);
    EXPECT_EQ(slot.substr(slot.size() - 20 - twenty.size()), twenty + kTail);
}

TEST_F(SendStack, AnOpenSlotIsNotPartOfTheComposition) {
    a.send_stack("E");
    a.send("OPEN BUT NEVER CLOSED");
    const Composition c = a.finish();
    EXPECT_EQ(c.slots_closed, 1);
    ASSERT_EQ(c.slots.size(), 1u);
    EXPECT_EQ(c.slots[0].text, "E" + kTail);
}

} // namespace
} // namespace zenka
