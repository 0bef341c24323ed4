// The telegraph operators' chat: the greetings, the empty called station, the machine calls by
// the calling station's nation, the telegram's number and time, and the public telegrams' word
// counts; every chat closes its slots and leaves no placeholder.

#include "support/generator_sweep.h"
#include "traffic/telecom/public_telegrams.h"
#include "traffic/telecom/telecom.h"
#include "traffic/toolkit/fill.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::closed_text;
using test::compose_at;
using test::sweep_instant;

UtcInstant at(const char* when) {
    return *parse_utc(when);
}

// The raw text of every closed slot, one after the other.
std::string raw_text(const Air& a) {
    std::string out;
    for (int k = 0; k < a.open_slot; ++k)
        out += a.send_buf[static_cast<std::size_t>(k)] + "\n";
    return out;
}

TEST(TelecomChat, EverySlotClosesAndNoPlaceholderIsLeft) {
    const std::vector<std::pair<const char*, const char*>> circuits = {
        {"", "GBR"}, {"WQL", "IDG"}, {"FTU", "JND"}, {"KGI", "PLA"}, {"", "FTT"}};
    for (int k = 0; k < 1500; ++k) {
        const auto& [called, calling] = circuits[static_cast<std::size_t>(k) % circuits.size()];
        const auto p = compose_at(sweep_instant(k), static_cast<std::uint32_t>(k * 7919 + 3),
                                  [&](Air& a) { telecom_opchat_dx(a, called, calling); });
        const Air& a = p->air;
        ASSERT_GE(a.open_slot, 1) << k;
        EXPECT_TRUE(a.send_buf[static_cast<std::size_t>(a.open_slot)].empty()) << k;
        const std::string text = closed_text(a);
        EXPECT_EQ(text.find('%'), std::string::npos) << text;
    }
}

// Scenario 3 is the one that greets: "<called> DE <calling> <greeting> HR ZOH <n> K".
TEST(TelecomChat, GreetingsAndTheEmptyCalledStation) {
    const std::regex empty_called(R"(^ *DE GBR (GM|GA|GE|GN) HR ZOH (\d+) K)");
    const std::regex french(R"(^ *FTU DE JND (BJR|BSR) HR ZOH \d+ K)");
    int empties = 0, frenchs = 0;
    for (int k = 0; k < 2000; ++k) {
        const UtcInstant when = sweep_instant(k);
        const auto seed = static_cast<std::uint32_t>(k * 131 + 17);
        const auto e = compose_at(when, seed, [](Air& a) { telecom_opchat_dx(a, "", "GBR"); });
        const std::string text = closed_text(e->air);
        std::smatch m;
        if (text.find(" HR ZOH ") != std::string::npos) {
            ASSERT_TRUE(std::regex_search(text, m, empty_called)) << text;
            EXPECT_GE(std::stoi(m[2]), 15);
            EXPECT_LE(std::stoi(m[2]), 114);
            ++empties;
        }
        const auto f = compose_at(when, seed, [](Air& a) { telecom_opchat_dx(a, "FTU", "JND"); });
        const std::string ftext = closed_text(f->air);
        if (ftext.find(" HR ZOH ") != std::string::npos) {
            ASSERT_TRUE(std::regex_search(ftext, m, french)) << ftext;
            EXPECT_EQ(m[1], f->air.day() ? "BJR" : "BSR") << ftext;
            ++frenchs;
        }
    }
    EXPECT_GT(empties, 10);
    EXPECT_GT(frenchs, 10);
}

// Scenarios 24 - 29 end in a machine call chosen by the calling station's first letter.
TEST(TelecomChat, MachineCallByTheCallingStationsNation) {
    const std::string french_unit = std::string{'\x01', '\x1e'} + "  FTU  " +
                                    std::string{'\x01', '\x50'} + std::string(31, 'e');
    std::string french_all;
    for (int i = 0; i < 20; ++i)
        french_all += french_unit;
    int seen_f = 0, seen_k = 0, seen_other = 0;
    for (int k = 0; k < 1500; ++k) {
        const UtcInstant when = sweep_instant(k);
        const auto seed = static_cast<std::uint32_t>(k * 977 + 5);
        const auto f = compose_at(when, seed, [](Air& a) { telecom_opchat_dx(a, "JND", "FTU"); });
        const std::string ftext = raw_text(f->air);
        EXPECT_EQ(ftext.find("VVV VVV VVV DE FTU"), std::string::npos);
        EXPECT_EQ(ftext.find("QRA QRA QRA DE FTU"), std::string::npos);
        if (ftext.find(french_unit) != std::string::npos) {
            EXPECT_EQ(f->air.open_slot, 1);
            EXPECT_TRUE(f->air.send_buf[0].starts_with(french_all)) << k;
            EXPECT_EQ(f->air.send_buf[0].find_first_not_of(' ', french_all.size()),
                      std::string::npos);
            ++seen_f;
        }
        const auto w = compose_at(when, seed, [](Air& a) { telecom_opchat_dx(a, "PLA", "KGI"); });
        const std::string wtext = closed_text(w->air);
        EXPECT_EQ(wtext.find("VVV VVV VVV DE KGI"), std::string::npos);
        seen_k += wtext.find("QRA QRA QRA DE KGI KGI KGI zhc?") != std::string::npos;
        const auto o = compose_at(when, seed, [](Air& a) { telecom_opchat_dx(a, "FTU", "JND"); });
        const std::string otext = closed_text(o->air);
        EXPECT_EQ(otext.find("QRA QRA QRA"), std::string::npos);
        seen_other += otext.find("VVV VVV VVV DE JND JND JND") != std::string::npos;
    }
    EXPECT_GT(seen_f, 20);
    EXPECT_GT(seen_k, 20);
    EXPECT_GT(seen_other, 20);
}

TEST(TelecomChat, TestGroupsBetweenTenAndFortyNine) {
    const std::regex trailer(R"(((?:[A-Z]{5} )+) = ([A-Z]{3}\d{3}) (\d{4}) = \+ HW\? DE IDG K)");
    int seen = 0;
    for (int k = 0; k < 800; ++k) {
        const auto p = compose_at(sweep_instant(k), static_cast<std::uint32_t>(k + 1),
                                  [](Air& a) { telecom_opchat_dx(a, "WQL", "IDG"); });
        const std::string text = closed_text(p->air);
        std::smatch m;
        if (!std::regex_search(text, m, trailer)) continue;
        const std::size_t groups = m[1].length() / 6;
        EXPECT_GE(groups, 10u) << text;
        EXPECT_LE(groups, 49u) << text;
        EXPECT_EQ(m[3], fill("%02d%02d", {p->air.t.hour, p->air.t.minute}));
        ++seen;
    }
    EXPECT_GT(seen, 5);
}

TEST(TelecomChat, TelegramNumberAndTime) {
    const auto p = compose_at(at("2026-12-08T09:05:41Z"), 1, [](Air& a) { ptt_nr_time(a, 12); });
    EXPECT_EQ(p->air.send_buf[0], " + 12 0905 + ");
    const auto q = compose_at(at("2026-12-08T23:59:00Z"), 9,
                              [](Air& a) { qtc_qsk_ptt(a, qtc_ptt_table(1), "GLC", 417); });
    ASSERT_EQ(q->air.open_slot, 1);
    const std::string& text = q->air.send_buf[0];
    EXPECT_TRUE(qtc_ptt_table(1).starts_with("W3339 JOHANNESBURG 39 5 1640 NLT"));
    EXPECT_NE(text.find("AND CHILDREN = ARTHUR + 417 2359 + DE GLC ?K                R NW NIL K"),
              std::string::npos)
        << text;
}

TEST(TelecomChat, AutomaticTestByTheMillisecond) {
    const auto even =
        compose_at(at("2026-12-08T10:00:00.250Z"), 3, [](Air& a) { auto_morse(a, 60); });
    const auto odd =
        compose_at(at("2026-12-08T10:00:00.251Z"), 3, [](Air& a) { auto_morse(a, 60); });
    ASSERT_EQ(even->air.open_slot, 1);
    ASSERT_EQ(odd->air.open_slot, 1);
    EXPECT_NE(even->air.send_buf[0].find(std::string(txt)), std::string::npos);
    EXPECT_NE(
        odd->air.send_buf[0].find(
            "= THIS IS HIGH SPEED AUTOMATIC MORSE TRANSMISSION AT 60 WPM FOR TESTING PURPOSES = "),
        std::string::npos);
    EXPECT_EQ(odd->air.slot_params[0].spd, 60);
    EXPECT_EQ(odd->air.slot_params[0].rto, 0);
}

// A telegram reads preamble = address = text = signature (the first gives its address first);
// the preamble's third word counts the words of the other parts.
TEST(PublicTelegrams, WordCountsMatchTheirPreambles) {
    const std::regex preamble(R"(^[A-Z0-9]+ [A-Z]+ (\d+) \d{1,2} \d{4}( [A-Z]+)?$)");
    for (int i = 0; i < kPublicTelegramCount; ++i) {
        const std::string telegram(qtc_ptt_table(i));
        EXPECT_EQ(telegram.find('%'), std::string::npos) << telegram;
        std::vector<std::string> parts;
        for (std::size_t from = 0;;) {
            const std::size_t bar = telegram.find(" = ", from);
            parts.push_back(telegram.substr(from, bar - from));
            if (bar == std::string::npos) break;
            from = bar + 3;
        }
        ASSERT_EQ(parts.size(), 4u) << telegram;
        const std::size_t at_preamble = i == 0 ? 1 : 0;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(parts[at_preamble], m, preamble)) << parts[at_preamble];
        int words = 0;
        for (std::size_t p = 0; p < parts.size(); ++p)
            if (p != at_preamble) words += word_count(parts[p]);
        EXPECT_EQ(std::stoi(m[1]), words) << telegram;
    }
    EXPECT_TRUE(qtc_ptt_table(0).starts_with("MRS VUZEVOVA ZUVUV "));
}

} // namespace
} // namespace zenka
