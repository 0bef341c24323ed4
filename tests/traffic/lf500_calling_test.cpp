// The 500 kHz calling exchange: every call closed and filled, answers fitting the call, the ships
// sent up to working frequencies of the MF band, calls left unanswered, the contact taken up on
// the working frequency.

#include "compose/pass.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/toolkit/fill.h"
#include "support/generator_sweep.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

namespace zenka {
namespace {

using test::closed_text;
using test::compose_at;
using test::sweep_instant;

constexpr int kRuns = 1500;

std::set<std::string> mf_frequencies(bool listening) {
    std::set<std::string> out;
    for (const MfCoastEntry& e : kMfCoast)
        out.insert(khz_text(half_khz(listening ? e.qsx : e.qss)));
    return out;
}

TEST(Calling500, FrequenciesPrintAsWholeKilohertzOrHalves) {
    EXPECT_EQ(khz_text(half_khz(4545)), "454.5");
    EXPECT_EQ(khz_text(half_khz(4540)), "454");
    EXPECT_EQ(khz_text(half_khz(4393)), "439.5"); // any tenths digit but 0 prints as a half
    EXPECT_EQ(khz_text(half_khz(5000)), "500");
}

// Over many seeds and instants: one closed slot, no placeholder, every "UP a/b" names the coast
// station's listening then its working frequency, and what the coast station answers fits the
// ship's call.
TEST(Calling500, EveryExchangeClosesFilledAndFitsTheCall) {
    const std::set<std::string> qsx = mf_frequencies(true), qss = mf_frequencies(false);
    const std::regex up(R"(UP (\d+(?:\.5)?)/(\d+(?:\.5)?))");
    int answered = 0, sent_up = 0;
    for (int k = 0; k < kRuns; ++k) {
        const auto p = compose_at(sweep_instant(k), static_cast<std::uint32_t>(k * 7919 + 3),
                                  [](Air& a) { vsl_coast_tfc_500k(a, 0); });
        const Air& a = p->air;
        ASSERT_EQ(a.open_slot, 1) << k;
        const std::string text = closed_text(a);
        EXPECT_EQ(text.find('%'), std::string::npos) << text;
        const std::string C(mf_coast(a.coast_nr)), S = a.ship_call;
        const MfCoastEntry& e = kMfCoast[static_cast<std::size_t>(a.coast_nr)];
        for (auto it = std::sregex_iterator(text.begin(), text.end(), up);
             it != std::sregex_iterator(); ++it) {
            EXPECT_TRUE(qsx.contains((*it)[1])) << text;
            EXPECT_TRUE(qss.contains((*it)[2])) << text;
            EXPECT_EQ((*it)[1], khz_text(half_khz(e.qsx))) << text;
            EXPECT_EQ((*it)[2], khz_text(half_khz(e.qss))) << text;
            ++sent_up;
        }
        const std::string answer_head = S + " DE " + C;
        if (text.find(answer_head) == std::string::npos) continue;
        ++answered;
        if (text.find("QSA? K") != std::string::npos) {
            EXPECT_NE(text.find(" R QSA"), std::string::npos) << text;
        }
        if (text.find("QRJ? K") != std::string::npos) {
            EXPECT_NE(text.find("QRJ NIL K"), std::string::npos) << text;
        }
        if (text.find(" QTP ") != std::string::npos) {
            EXPECT_NE(text.find(answer_head + " OK "), std::string::npos) << text;
        }
        if (text.find("QRU? K") != std::string::npos) {
            EXPECT_TRUE(text.find("QTC1 PSE UP") != std::string::npos ||
                        text.find(" QRU K") != std::string::npos)
                << text;
        }
        const bool traffic_call = std::regex_search(text, std::regex(" (MSG|OBS|QTC\\d?|SVC)  ?K"));
        if (traffic_call) {
            EXPECT_NE(text.find(" UP "), std::string::npos) << text;
            EXPECT_EQ(a.contact500.svc500fq, e.qsx) << text;
            EXPECT_NE(a.contact500.svc500, 0);
        }
    }
    EXPECT_GT(answered, kRuns / 3);
    EXPECT_GT(sent_up, kRuns / 10);
}

// Calls of a ship already sent up are answered "R UP" without a frequency, and the ship says
// "ee"; calls with no answer leave the contact clear; about one call in four goes unanswered.
TEST(Calling500, AlreadyUpCallsAndUnansweredCalls) {
    int already_up = 0, unanswered = 0, asking = 0;
    const std::regex up_call(R"(DE  ?\S+  ?\S+ (OBS|MSG|QTC) \d+(\.5)? K)");
    for (int k = 0; k < kRuns * 2; ++k) {
        const auto p = compose_at(sweep_instant(k), static_cast<std::uint32_t>(k * 104729 + 11),
                                  [](Air& a) { vsl_coast_tfc_500k(a, 0); });
        const Air& a = p->air;
        const std::string text = closed_text(a);
        const std::string C(mf_coast(a.coast_nr)), S = a.ship_call;
        const bool answered = text.find(S + " DE " + C) != std::string::npos;
        if (std::regex_search(text, up_call)) {
            if (answered) {
                ++already_up;
                EXPECT_NE(text.find(S + " DE " + C + " R UP   ee   EE"), std::string::npos)
                    << text;
                EXPECT_EQ(text.find("UP ", text.find(" R UP") + 4), std::string::npos) << text;
            }
        }
        // A call that asks something (it ends in K) and got no answer.
        const bool asks = text.find(" K") != std::string::npos &&
                          text.find(" DE " + S) != std::string::npos;
        if (!asks) continue;
        ++asking;
        if (!answered) {
            ++unanswered;
            EXPECT_EQ(a.contact500.svc500, 0) << text;
            EXPECT_EQ(a.contact500.svc500fq, 0) << text;
        }
    }
    EXPECT_GT(already_up, 20);
    // cond(4) holds for 8 values of 32.
    EXPECT_NEAR(static_cast<double>(unanswered) / asking, 0.25, 0.05);
}

// A ship sent up from 500 kHz is heard on the working frequency with the same coast station on
// the next retune there, and only there; the contact is then spent.
TEST(Calling500, TheContactGoesOnOnTheWorkingFrequency) {
    int continued = 0;
    for (int k = 0; k < 400 && continued < 25; ++k) {
        FixedClock clock(sweep_instant(k));
        RandomSource random;
        random.seed = static_cast<std::uint32_t>(k * 31 + 5);
        ReceiverSettings on500;
        on500.freq = 5000;
        const Composition first = compose(clock, random, on500, [](Air& a) {
            vsl_coast_tfc_500k(a, 0);
        });
        const Contact500 c = first.contact500;
        if (c.svc500fq == 0) continue;
        const std::string S(vsl(c.svc500vsl)), C(mf_coast(c.svc500cst));
        ReceiverSettings there;
        there.freq = c.svc500fq;
        const auto working = [](Air& a) { vsl_clg_coast_mf(a, 0); };
        const Composition next = compose(clock, random, there, working, c);
        ASSERT_FALSE(next.slots.empty());
        const std::string heard = test::plain_text(next.slots[0].text);
        EXPECT_NE(heard.find(S), std::string::npos) << heard;
        EXPECT_NE(heard.find(C), std::string::npos) << heard;
        EXPECT_EQ(next.contact500.svc500fq, 0);
        // A telegram waiting for the ship: it takes it; otherwise it files its own.
        std::string opening = C + " DE " + S + " QRV K";
        if (c.svc500 != 2) {
            opening = " DE " + S;
            opening += c.svc500 == 5 ? " OBS" : c.svc500 == 104 ? " MSG" : " QTC";
        }
        EXPECT_NE(heard.find(opening), std::string::npos) << heard;
        ++continued;
    }
    EXPECT_EQ(continued, 25);
}

} // namespace
} // namespace zenka
