// Scoring a copy: what an emission keys, what a listener typed, the alignment between them.

#include "band/dispatcher.h"
#include "compose/pass.h"
#include "shell/copy_score.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace zenka {
namespace {

using Kind = CopyMark::Kind;

CopyScore score(std::string_view sent, std::string_view copy, EmissionParams p = {}) {
    return score_copy(keyed_characters(sent, p), copied_characters(copy, p));
}

std::string typed(const std::vector<MorseChar>& chars) {
    std::string out;
    for (const MorseChar& c : chars)
        out += c.shown;
    return out;
}

TEST(CopyScore, HandWrittenCopiesAreCountedExactly) {
    const CopyScore same = score("PARIS", "paris");
    EXPECT_EQ(same.right, 5);
    EXPECT_EQ(same.error_rate(), 0.0);
    EXPECT_EQ(same.marked(), "PARIS");

    const CopyScore dropped = score("PARIS", "PARS");
    EXPECT_EQ(dropped.marked(), "PAR(I)S");
    EXPECT_EQ(dropped.missed, 1);
    EXPECT_EQ(dropped.right, 4);
    EXPECT_DOUBLE_EQ(dropped.error_rate(), 0.2);

    const CopyScore added = score("PARIS", "PAXRIS");
    EXPECT_EQ(added.marked(), "PA{X}RIS");
    EXPECT_EQ(added.extra, 1);
    EXPECT_DOUBLE_EQ(added.error_rate(), 0.2);

    const CopyScore wrong = score("PARIS", "PAPIS");
    EXPECT_EQ(wrong.marked(), "PA[R>P]IS");
    EXPECT_EQ(wrong.wrong, 1);

    const CopyScore swapped = score("PARIS", "PRAIS");
    EXPECT_EQ(swapped.marked(), "P[A>R][R>A]IS");
    EXPECT_EQ(swapped.wrong, 2);
    EXPECT_DOUBLE_EQ(swapped.error_rate(), 0.4);

    const CopyScore nothing = score("CQ", "");
    EXPECT_EQ(nothing.marked(), "(C)(Q)");
    EXPECT_DOUBLE_EQ(nothing.error_rate(), 1.0);
    EXPECT_EQ(score("", "").error_rate(), 0.0);
    EXPECT_EQ(score("", "E").error_rate(), 1.0);
}

// The switches, the tuning character and the pauses are no characters; word gaps are not
// counted; signs are compared as they sound.
TEST(CopyScore, WhatIsKeyedIsWhatSoundsAndNothingElse) {
    const std::string text =
        std::string("\x01\x14") + "CQ    \x02\x01\x04" + "\x03\x02" + "\x04" + " DE DDK +";
    const std::vector<MorseChar> keyed = keyed_characters(text, {});
    EXPECT_EQ(typed(keyed), "CQDEDDK+");
    EXPECT_EQ(score(text, "CQDE DDK <AR>").error_rate(), 0.0);
    EXPECT_EQ(score(text, "C Q D E D D K +").error_rate(), 0.0);
    // SOS and RRR are keyed by control codes; SOS is typed by name, any sign by its elements.
    const std::string distress = std::string("\x12 ") + "DE SXYZ \x1f";
    EXPECT_EQ(typed(keyed_characters(distress, {})), "<SOS>DESXYZ<.-..-..-.>");
    EXPECT_EQ(score(distress, "<sos> de sxyz <.-..-..-.>").error_rate(), 0.0);
    EXPECT_EQ(score(distress, "SOS DE SXYZ RRR").marked(),
              "{S}{O}[<SOS>>S] DE SXYZ{R}{R} [<.-..-..-.>>R]");
    // Lower case is kana only with kana keying on.
    EmissionParams kana;
    kana.katokana = 1;
    EXPECT_EQ(keyed_characters("ab", {})[0].code, ".-");
    EXPECT_EQ(keyed_characters("ab", kana)[0].code, "--.--");
    EXPECT_EQ(score("ab", "AB", kana).wrong, 2);
    EXPECT_EQ(score("ab", "ab", kana).error_rate(), 0.0);
    EXPECT_EQ(score("ab", "AB").error_rate(), 0.0);
    // A cut zero sounds as T and counts as copied whether typed T or 0.
    EmissionParams cut;
    cut.sz = 1;
    EXPECT_EQ(score("100", "1TT", cut).error_rate(), 0.0);
    EXPECT_EQ(score("100", "100", cut).error_rate(), 0.0);
    EXPECT_EQ(score("100", "100").error_rate(), 0.0);
    EXPECT_EQ(score("100", "1TT").wrong, 2);
}

// Over many random copies made from a keyed text by k deletions or k insertions: exactly k
// errors, of that kind, and the rest right.
TEST(CopyScore, RandomDropsAndAdditionsAreCountedExactly) {
    std::mt19937 gen(7);
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int run = 0; run < 400; ++run) {
        std::string sent;
        const int n = 5 + static_cast<int>(gen() % 60);
        for (int i = 0; i < n; ++i)
            sent += letters[gen() % letters.size()];
        const int k = static_cast<int>(gen() % 5);
        std::string copy = sent;
        const bool drop = run % 2 == 0;
        for (int e = 0; e < k; ++e) {
            if (drop && !copy.empty())
                copy.erase(gen() % copy.size(), 1);
            else if (!drop)
                copy.insert(gen() % (copy.size() + 1), 1, letters[gen() % letters.size()]);
        }
        const CopyScore s = score(sent, copy);
        EXPECT_EQ(s.wrong + s.missed + s.extra, k) << sent << " / " << copy;
        EXPECT_EQ(drop ? s.missed : s.extra, k) << sent << " / " << copy;
        EXPECT_EQ(s.right, n - (drop ? k : 0));
        EXPECT_EQ(s.sent, n);
    }
}

// Every slot the band composes, typed back as it is shown, is copied without an error.
TEST(CopyScore, EverySlotOfTheBandTypedAsShownScoresNothingWrong) {
    FixedClock clock(*parse_utc("2026-12-08T06:13:02Z"));
    int slots = 0;
    for (int freq = 100; freq <= 10004; ++freq) {
        RandomSource random;
        ReceiverSettings settings;
        settings.freq = freq;
        const Composition c = compose(clock, random, settings, [](Air& a) { band(a); });
        for (const Slot& slot : c.slots) {
            const std::vector<MorseChar> keyed = keyed_characters(slot.text, slot.params);
            const CopyScore s = score_copy(keyed, copied_characters(typed(keyed), slot.params));
            EXPECT_EQ(s.error_rate(), 0.0) << freq << ": " << s.marked();
            ++slots;
        }
    }
    EXPECT_GT(slots, 300);
}

// A whole slot against a copy of twice its length fits in memory and time.
TEST(CopyScore, TheLongestSlotAgainstALongCopy) {
    const std::string sent(9999, 'E');
    const std::string copy(20000, 'T');
    const CopyScore s = score(sent, copy);
    EXPECT_EQ(s.wrong, 9999);
    EXPECT_EQ(s.extra, 20000 - 9999);
    EXPECT_EQ(s.missed, 0);
}

// The band over a day holds emissions of every kind of keying a learner may look for, and
// a bug key is told from the hand keying it also draws on.
TEST(Keying, TheBandHoldsEveryKindOfKeying) {
    std::set<Keying> kinds;
    int bugs_hand_keyed = 0;
    for (int hour = 0; hour < 24; hour += 3) {
        FixedClock clock(*parse_utc("2026-12-08T" + std::string(hour < 10 ? "0" : "") +
                                    std::to_string(hour) + ":13:02Z"));
        for (int freq = 100; freq <= 10004; freq += 3) {
            RandomSource random;
            ReceiverSettings settings;
            settings.freq = freq;
            for (const Slot& slot : compose(clock, random, settings, [](Air& a) { band(a); }).slots) {
                kinds.insert(keying_of(slot.params));
                bugs_hand_keyed += slot.params.rto != 0 && slot.params.hand != 0;
            }
        }
    }
    EXPECT_EQ(kinds, (std::set<Keying>{Keying::machine, Keying::hand, Keying::bug, Keying::spark,
                                       Keying::f1}));
    EXPECT_GT(bugs_hand_keyed, 0);
}

} // namespace
} // namespace zenka
