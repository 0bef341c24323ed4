#include "air.h"
#include "support/sound_calls.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zenka {
namespace {

// 2026-12-08 09:18:07.250: every draw adds the runtime value + 1786 to rand_seed.
class SendStack : public ::testing::Test {
  protected:
    SendStack() : clock(*parse_utc("2026-12-08T09:18:07.250Z")), a(clock, out, folder.path()) {
        a.on_log = [this](std::string_view f, std::string_view i, std::uint32_t p) {
            log.push_back(std::string(f) + "|" + std::string(i) + "|" + std::to_string(p));
        };
    }

    std::vector<std::string> opened() const {
        std::vector<std::string> lines;
        for (const auto& c : test::calls(out, folder.path()))
            if (c.starts_with("open_channel")) lines.push_back(c);
        return lines;
    }

    test::TempFolder folder;
    sound::NullSound out;
    FixedClock clock;
    Air a;
    std::vector<std::string> log;
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
    EXPECT_EQ(a.send_call, 1);
    EXPECT_EQ(a.send_buf[1], "");
    EXPECT_EQ(log.back(), "Send Stack|CQ K" + kTail + "|0");

    // Fresh parameters: voice 1 is current and every switch is off.
    EmissionParams fresh;
    fresh.spd = a.spd1, fresh.ton = a.ton1, fresh.qsa = a.qsa1;
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
    EXPECT_EQ(a.send_buf[0], "A" + std::string(12, ' '));
}

TEST_F(SendStack, AnEighthCloseOverflowsAndLeavesTheSevenAlone) {
    for (int k = 0; k < 7; ++k)
        a.send_stack(std::string(1, static_cast<char>('A' + k)));
    const auto before = a.send_buf;
    const auto params_before = a.slot_params;
    a.send("LOST");
    a.send_stack(" TOO");
    EXPECT_EQ(a.send_call, 7);
    EXPECT_EQ(log.back(), "ERROR!|ERROR#0250 Send Stack overflowed!|7");
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(a.send_buf[k], before[k]);
        EXPECT_EQ(a.slot_params[k], params_before[k]);
    }
    EXPECT_EQ(a.send_buf[7], "");

    a.Activate_Send_Stack();
    const std::vector<std::string> expected = {
        "open_channel 0 ZENKA00.WAV", "open_channel 1 ZENKA01.WAV", "open_channel 2 ZENKA02.WAV",
        "open_channel 3 ZENKA03.WAV", "open_channel 4 ZENKA04.WAV", "open_channel 5 ZENKA05.WAV",
        "open_channel 6 ZENKA06.WAV"};
    EXPECT_EQ(opened(), expected);
    for (int k = 0; k < 7; ++k)
        EXPECT_NE(a.channels.timer(k), 0u) << k;
}

TEST_F(SendStack, SendStillStartsAtARandomPointAndRepeatsTwentyTimes) {
    a.rand_seed = 11110; // the draw is 11110 + 41 + 1786 = 12937, and 12937 mod 9 = 4
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
    EXPECT_NE(std::find(log.begin(), log.end(),
                        "ERROR: send_still: input string too long!|" + text + "|1100"),
              log.end());
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

TEST_F(SendStack, NothingClosedNothingPlays) {
    a.send("OPEN BUT NEVER CLOSED");
    a.Activate_Send_Stack();
    EXPECT_TRUE(test::calls(out, folder.path()).empty());
    EXPECT_FALSE(std::filesystem::exists(a.channel_file(0)));
}

TEST_F(SendStack, EachSlotRendersWithItsOwnParametersIntoItsOwnChannel) {
    a.ton = 1000;
    a.send_stack("E");
    a.ton = 1500;
    a.send_stack("E");
    a.Activate_Send_Stack();
    EXPECT_EQ(a.emission_nr, 1);
    const auto rate = [](const std::filesystem::path& f) {
        const auto b = test::read_bytes(f);
        return b.size() < 28 ? 0u : b[24] | b[25] << 8 | b[26] << 16 | b[27] << 24;
    };
    EXPECT_EQ(rate(a.channel_file(0)), 8000u);
    EXPECT_EQ(rate(a.channel_file(1)), 12000u);
    EXPECT_EQ(opened().size(), 2u);
}

TEST_F(SendStack, SuppressedEmissionsAndBusyChannelsAreSkipped) {
    a.att = 1;
    a.qsa = 0;
    a.send_stack("E"); // slot 0: too weak for the attenuator
    a.qsa = 3;
    a.send_stack("E"); // slot 1
    a.qsa = 3;
    a.send_stack("E");                // slot 2
    a.channels.timer_start(2, 60000); // channel 2 still busy from before
    a.Activate_Send_Stack();
    EXPECT_EQ(opened(), std::vector<std::string>{"open_channel 1 ZENKA01.WAV"});
    EXPECT_EQ(a.channels.timer(0), 0u);
    EXPECT_NE(a.channels.timer(1), 0u);
    EXPECT_GT(a.emission_time, 0u); // the last one rendered, slot 1
}

} // namespace
} // namespace zenka
