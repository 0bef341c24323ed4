// The radiotelegram tables: every text holds the placeholders its fill-ins take, and its word
// count is its check when each fill-in is one word.

#include "compose/air.h"
#include "platform/clock.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/telegram_fills.h"
#include "traffic/maritime/telegram_tables.h"
#include "traffic/toolkit/fill.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zenka {
namespace {

// The slots a ship's telegram can take.
std::vector<int> drawable_slots() {
    std::vector<int> out;
    for (int s = 0; s <= 53; ++s)
        out.push_back(s);
    for (int s : {70, 80, 81, 82, 90, 91})
        out.push_back(s);
    return out;
}

ShipFacts one_word_facts() {
    ShipFacts f;
    f.V = "TABLAT";
    f.C = "7THQ";
    f.D = 14;
    f.M = 6;
    f.H = 9;
    f.P = "ANNABA";
    f.P2 = "ALGER";
    f.N = "BIRD";
    f.N2 = "BLINOV";
    f.O = "WREXHAM";
    f.d = 13;
    f.m = 6;
    f.h = 19;
    f.Mn = "JUN";
    return f;
}

TEST(TelegramTables, FilledSlots) {
    for (int s = 0; s < kQtcSlots; ++s) {
        const bool filled = (s <= 59) || s == 70 || (s >= 80 && s <= 82) || s == 90 || s == 91;
        EXPECT_EQ(!qtc_table(s).empty(), filled) << s;
        EXPECT_TRUE(qtc_ads(s) == 200 || qtc_ads(s) == 201) << s;
    }
    EXPECT_EQ(qtc_ck(38), 143);
    EXPECT_EQ(qtc_ck(51), 19);
    EXPECT_EQ(qtc_ck(52), 30);
    EXPECT_EQ(adr(kAdrCount - 1), "");
    EXPECT_EQ(adr(0), "KARDEN ISTANBUL");
    EXPECT_EQ(adr(kAdrCount - 2), "TLX 4280 EMDLIMASSOL CYPRUS");
}

TEST(TelegramTables, EveryTextTakesItsFillInsAndCountsItsCheck) {
    FixedClock clock(*parse_utc("2026-06-13T19:15:00Z"));
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Air a(clock);
        a.random.seed = seed;
        for (int s : drawable_slots()) {
            const Fills fills = ship_text_fills(a, s, one_word_facts());
            const std::string_view text = qtc_table(s);
            EXPECT_EQ(placeholders(text), static_cast<int>(fills.size())) << s;
            EXPECT_EQ(word_count(text), qtc_ck(s)) << s;
            const std::string filled = fill(text, fills);
            EXPECT_EQ(filled.find('%'), std::string::npos) << s << ": " << filled;
            EXPECT_EQ(word_count(filled), qtc_ck(s)) << s << ": " << filled;
        }
    }
}

TEST(TelegramTables, CoastTelegramsTakeTheirFillIns) {
    FixedClock clock(*parse_utc("2026-06-13T19:15:00Z"));
    Air a(clock);
    CoastFacts f{"WREXHAM", 24,           13,    6,        19,     15,       "TABLAT",
                 "7THQ",    " FFPRADIO ", "FFP", "ANNABA", "BIRD", "BLINOV", "TOM"};
    int templates = 0;
    for (int s = 0; s < 150; ++s) {
        const std::string_view t = coast_qtc_template(s);
        if (t.empty()) continue;
        ++templates;
        const Fills fills = coast_text_fills(a, s, f);
        EXPECT_EQ(placeholders(t), static_cast<int>(fills.size())) << s;
        const std::string filled = fill(t, fills);
        EXPECT_EQ(filled.find('%'), std::string::npos) << s;
        EXPECT_NE(filled.find(" = "), std::string::npos) << s;
    }
    EXPECT_EQ(templates, 28);
}

TEST(TelegramTables, StoredTelegramsBelongToRegisteredShips) {
    std::set<std::string_view> calls;
    for (int i = 0; i < kStoredCount; ++i) {
        EXPECT_TRUE(calls.insert(qtc_700_cs(i)).second);
        bool registered = false;
        for (int k = 0; k < kVslCount; ++k)
            registered = registered || vsl(k) == qtc_700_cs(i);
        EXPECT_TRUE(registered) << qtc_700_cs(i);
        EXPECT_EQ(placeholders(qtc_700_tab(i)), 0) << i;
        EXPECT_EQ(qtc_700_tab(i).substr(0, 3), "NR ") << i;
    }
}

TEST(TelegramFill, PlaceholdersAndWords) {
    EXPECT_EQ(fill("%s %u > %02u%02u %d0 %c", {"NR", 7, 5, 9, 12, '"'}), "NR 7 > 0509 120 \"");
    EXPECT_EQ(fill("%s %s", {"ONE"}), "ONE %s");
    EXPECT_EQ(placeholders("%s %02d.%02d 100%"), 3);
    EXPECT_EQ(word_count("  A  = B=C  =  D "), 3);
    EXPECT_EQ(word_count(""), 0);
}

TEST(TelegramFill, EtaAfterTheThirtieth) {
    const struct {
        int day, month, D, M;
    } cases[] = {{29, 5, 30, 5},   {30, 5, 1, 6},  {31, 5, 1, 6},  {28, 2, 29, 2},
                 {29, 12, 30, 12}, {30, 12, 1, 1}, {31, 12, 1, 1}, {1, 1, 2, 1}};
    for (const auto& c : cases) {
        int D = 0, M = 0;
        eta(c.day, c.month, D, M);
        EXPECT_EQ(D, c.D) << c.day << "/" << c.month;
        EXPECT_EQ(M, c.M) << c.day << "/" << c.month;
    }
}

} // namespace
} // namespace zenka
