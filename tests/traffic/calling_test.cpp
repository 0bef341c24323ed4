#include "compose/air.h"
#include "traffic/toolkit/calling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace zenka {
namespace {

const std::string kTail(20, ' ');      // send_stack's pause
const std::string kLongTail(180, ' '); // the same, hand keyed

SystemTime at(const char* iso) {
    return to_system_time(*parse_utc(iso));
}

// At .250 a draw adds the runtime value + 1786; at .251, + 1793.
class CallingProcedures : public ::testing::Test {
  protected:
    CallingProcedures() : clock(*parse_utc("2026-12-08T09:18:07.250Z")) {}

    std::unique_ptr<Air> fresh(std::uint32_t seed = 11111) {
        auto air = std::make_unique<Air>(clock);
        air->random.seed = seed;
        return air;
    }

    FixedClock clock;
};

TEST_F(CallingProcedures, HelloAtTheHourBoundaries) {
    const auto a = fresh();
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"2026-12-08T05:59:59Z", "GN"}, {"2026-12-08T06:00:00Z", "GM"},
        {"2026-12-08T11:59:59Z", "GM"}, {"2026-12-08T12:00:00Z", "GA"},
        {"2026-12-08T17:59:59Z", "GA"}, {"2026-12-08T18:00:00Z", "GE"},
        {"2026-12-08T21:59:59Z", "GE"}, {"2026-12-08T22:00:00Z", "GN"},
        {"2026-12-08T00:00:00Z", "GN"}, {"2026-12-08T23:59:59Z", "GN"},
    };
    for (const auto& [when, greeting] : cases) {
        a->t = at(when);
        hello(*a);
        EXPECT_EQ(a->str2, greeting) << when;
    }
    EXPECT_EQ(a->send_buf[0], ""); // nothing sent
}

TEST_F(CallingProcedures, FrenchHelloByDayAndNight) {
    const auto a = fresh();
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"2026-12-08T05:59:59Z", "BSR"},
        {"2026-12-08T06:00:00Z", "BJR"},
        {"2026-12-08T17:59:59Z", "BJR"},
        {"2026-12-08T18:00:00Z", "BSR"},
    };
    for (const auto& [when, greeting] : cases) {
        a->t = at(when);
        french_hello(*a);
        EXPECT_EQ(a->str2, greeting) << when;
    }
}

TEST_F(CallingProcedures, NextDayReadsTheClockAndWrapsAfterThe30th) {
    const auto a = fresh();
    clock.set(*parse_utc("2026-02-28T10:00:00Z"));
    EXPECT_EQ(next_day(*a), 29);
    EXPECT_EQ(a->t.day, 28);
    EXPECT_EQ(a->t.month, 2);
    clock.set(*parse_utc("2026-03-29T10:00:00Z"));
    EXPECT_EQ(next_day(*a), 30);
    clock.set(*parse_utc("2026-04-30T10:00:00Z"));
    EXPECT_EQ(next_day(*a), 1);
    clock.set(*parse_utc("2026-03-31T10:00:00Z"));
    EXPECT_EQ(next_day(*a), 1);
    clock.set(*parse_utc("2026-12-08T10:00:00Z"));
    EXPECT_EQ(next_day(*a), 9);
    EXPECT_EQ(a->random.seed, 11111u); // no draw
}

TEST_F(CallingProcedures, ClgCondFormsInTheSlot) {
    clock.set(*parse_utc("2026-12-08T09:18:07.251Z"));
    const std::vector<std::pair<int, std::string>> forms = {
        {0, "DDA DE PCH K"},
        {1, "DDA DDA DE PCH K"},
        {2, "DDA DDA DE PCH PCH K"},
        {3, "DDA DDA DDA DE PCH PCH K"},
        {4, "DDA DDA DDA DE PCH PCH PCH K"},
        {102, "DDA  DDA  DE  PCH  PCH K"},
        {103, "DDA  DDA  DDA  DE  PCH  PCH K"},
        {104, "DDA  DDA  DDA  DE  PCH  PCH  PCH K"},
        {200, "DDA DDA V PCH PCH +"},
    };
    for (const auto& [form, text] : forms) {
        const auto a = fresh(); // first draw 12945: odd, a pause before the text
        clg_cond(*a, "DDA", "PCH", form);
        EXPECT_EQ(a->str, text) << form;
        EXPECT_EQ(a->open_slot, 1) << form;
        EXPECT_EQ(a->send_buf[0], "    " + text + kLongTail) << form;
        EXPECT_EQ(a->slot_params[0].hand, 1) << form;
    }
}

TEST_F(CallingProcedures, ClgCondInEvenMillisecondsClosesAnEmptySlot) {
    const auto a = fresh(); // first draw 12938: even, no pause; 250 ms: no text
    clg_cond(*a, "DDA", "PCH", 2);
    EXPECT_EQ(a->str, "DDA DDA DE PCH PCH K");
    EXPECT_EQ(a->open_slot, 1);
    EXPECT_EQ(a->send_buf[0], kLongTail);
    EXPECT_EQ(a->slot_params[0].hand, 1);
}

TEST_F(CallingProcedures, ClgCondWithAnUnknownFormDoesNothing) {
    const auto a = fresh();
    a->str = "KEEP";
    for (const int form : {-1, 5, 101, 105, 199, 201}) {
        clg_cond(*a, "DDA", "PCH", form);
        EXPECT_EQ(a->str, "KEEP") << form;
        EXPECT_EQ(a->open_slot, 0) << form;
        EXPECT_EQ(a->send_buf[0], "") << form;
    }
    EXPECT_EQ(a->random.seed, 11111u);
}

TEST_F(CallingProcedures, SendVvvOutsideItsSecondsDoesNothing) {
    const auto a = fresh();
    for (const char* when : {"2026-12-08T09:18:07.251Z", "2026-12-08T09:18:58.250Z"}) {
        a->t = at(when);
        a->send("OPEN");
        send_vvv(*a, "DDA");
        EXPECT_EQ(a->send_buf[0], "OPEN") << when;
        EXPECT_EQ(a->open_slot, 0) << when;
        EXPECT_EQ(a->random.seed, 11111u) << when;
        a->send_buf[0].clear();
    }
}

TEST_F(CallingProcedures, SendVvvTestTransmission) {
    // Odd millisecond: the second run of V is sent twice.
    clock.set(*parse_utc("2026-12-08T09:18:06.251Z"));
    const auto a = fresh();
    a->t = clock.utc();
    send_vvv(*a, "DDA");
    ASSERT_EQ(a->open_slot, 1);
    const std::string tail = a->slot_params[0].rto != 0 ? kLongTail : kTail;
    std::smatch m;
    const std::string& slot = a->send_buf[0];
    ASSERT_TRUE(
        std::regex_match(slot, m, std::regex("(V{3,12}) DDA DDA QSA\\? (V{3,12}) \\2  K( *)")))
        << slot;
    EXPECT_EQ(m[3].str(), tail);
    EXPECT_EQ(a->str, m[2].str() + " ");

    // Even millisecond: once.
    clock.set(*parse_utc("2026-12-08T09:18:09.250Z"));
    const auto b = fresh();
    b->t = clock.utc();
    send_vvv(*b, "PCH");
    ASSERT_EQ(b->open_slot, 1);
    const std::string tail_b = b->slot_params[0].rto != 0 ? kLongTail : kTail;
    EXPECT_TRUE(
        std::regex_match(b->send_buf[0], std::regex("V{3,12} PCH PCH QSA\\? V{3,12}  K" + tail_b)))
        << b->send_buf[0];
}

TEST_F(CallingProcedures, VvvLengthsFromTheRuntimeGenerator) {
    const auto a = fresh();
    EXPECT_EQ(vvv(*a), "VVVV ");       // 41 mod 10 = 1
    EXPECT_EQ(vvv(*a), "VVVVVVVVVV "); // 18467 mod 10 = 7
    EXPECT_EQ(&vvv(*a), &a->str);
    EXPECT_EQ(a->random.seed, 11111u); // not a myrand draw
    int shortest = 99, longest = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::string& v = vvv(*a);
        const int n = static_cast<int>(v.size()) - 1;
        ASSERT_EQ(v, std::string(static_cast<std::size_t>(n), 'V') + " ");
        shortest = std::min(shortest, n);
        longest = std::max(longest, n);
    }
    EXPECT_EQ(shortest, 3);
    EXPECT_EQ(longest, 12);
}

// The break of qtc_qsk for every break point, predicted from an identical context.
void check_qsk(FixedClock& clock, const std::string& text, const std::vector<std::string>& resume) {
    const std::uint32_t span = static_cast<std::uint32_t>(resume.size());
    std::vector<bool> seen(resume.size(), false);
    for (std::uint32_t seed = 0; seed < 3 * span; ++seed) {
        Air twin(clock);
        twin.random.seed = seed;
        const std::uint32_t cut = twin.myrand() % span;
        const char garbled = static_cast<char>('A' + twin.myrand() % 26);
        const bool own = (twin.myrand() & 31) % 2 == 0;

        Air a(clock);
        a.random.seed = seed;
        qtc_qsk(a, text);
        const std::string expected =
            text.substr(0, cut) + garbled + "    " + (own ? "II II    " : "\"    ") + resume[cut];
        EXPECT_EQ(a.send_buf[0], expected) << "cut " << cut;
        EXPECT_EQ(a.open_slot, 0);
        EXPECT_EQ(a.str2, text);
        seen[cut] = true;
    }
    for (std::size_t c = 0; c < seen.size(); ++c)
        EXPECT_TRUE(seen[c]) << "cut " << c;
}

TEST_F(CallingProcedures, QtcQskOnTenCharactersBreaksInTheFirstEight) {
    const std::string whole = "AB CD EF G";
    const std::string back = " CD EF G";
    // Fewer than two spaces before the break: from the beginning.
    check_qsk(clock, whole, {whole, whole, whole, whole, whole, whole, back, back});
}

TEST_F(CallingProcedures, QtcQskResumesWithTheWordBeforeTheBreak) {
    const std::string whole = "ONE TWO THREE FOUR"; // 18 characters: cut 0 .. 15
    const std::string two = " TWO THREE FOUR";
    const std::string three = " THREE FOUR";
    check_qsk(clock, whole,
              {whole, whole, whole, whole, whole, whole, whole, whole, two, two, two, two, two, two,
               three, three});
}

TEST_F(CallingProcedures, QtcQskSendsShortTextsWhole) {
    const auto a = fresh();
    qtc_qsk(*a, "QRU");
    qtc_qsk(*a, "");
    EXPECT_EQ(a->send_buf[0], "QRU");
    EXPECT_EQ(a->open_slot, 0);
    EXPECT_EQ(a->random.seed, 11111u);
}

TEST_F(CallingProcedures, SendTimesRepeatsTheText) {
    const auto a = fresh();
    send_times(*a, "GLWV  ", 3);
    EXPECT_EQ(a->send_buf[0], "GLWV  GLWV  GLWV  ");
    send_times(*a, "X", 0);
    EXPECT_EQ(a->send_buf[0], "GLWV  GLWV  GLWV  ");
    a->str = "AB ";
    send_times(*a, a->str, 2);
    EXPECT_EQ(a->send_buf[0], "GLWV  GLWV  GLWV  AB AB ");
    EXPECT_EQ(a->open_slot, 0);
}

TEST_F(CallingProcedures, SendSparkOnlyWithHistoricalStations) {
    ReceiverSettings no_hist;
    no_hist.hist = 0;
    const auto off = std::make_unique<Air>(clock, no_hist);
    off->send("OPEN");
    send_spark(*off, "KFN");
    EXPECT_EQ(off->send_buf[0], "OPEN");
    EXPECT_EQ(off->open_slot, 0);
    EXPECT_EQ(off->spark, 0);

    const auto on = fresh();
    send_spark(*on, "KFN");
    EXPECT_EQ(on->open_slot, 1);
    EXPECT_EQ(on->send_buf[0], std::string(120, ' ') + "KFN" + kTail);
    EXPECT_EQ(on->slot_params[0].spark, 1);
}

} // namespace
} // namespace zenka
