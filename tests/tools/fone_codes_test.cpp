// The teleprinter codes inside zenka_make_fone: ITA2 shifting, the CCIR 476 word table,
// and the SITOR-B layout of phasing, DX/RX repetition and end of emission.

#include "ccir476.h"
#include "ita2.h"
#include "sitor_b.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <vector>

namespace zenka::fone {
namespace {

using Codes = std::vector<std::uint8_t>;

constexpr std::uint8_t LTRS = 0x1F, FIGS = 0x1B, SP = 0x04, CR = 0x08, LF = 0x02;

TEST(FoneCodes, Ita2ShiftsOnlyWhereTheCaseChanges) {
    EXPECT_EQ(ita2::encode("RY"), (Codes{LTRS, 0x0A, 0x15}));
    EXPECT_EQ(ita2::encode("ry"), (Codes{LTRS, 0x0A, 0x15}));
    EXPECT_EQ(ita2::encode("A B"), (Codes{LTRS, 0x03, SP, 0x19}));
    EXPECT_EQ(ita2::encode("W7."), (Codes{LTRS, 0x13, FIGS, 0x07, 0x1C}));
    EXPECT_EQ(ita2::encode("2.5 M"), (Codes{LTRS, FIGS, 0x13, 0x1C, 0x10, SP, LTRS, 0x1C}));
    EXPECT_EQ(ita2::encode("\r\n"), (Codes{LTRS, CR, LF}));
}

TEST(FoneCodes, Ita2RepeatsTheFiguresShiftAfterASpace) {
    // Some receivers fall back to letters on a space; the figure after it must still print.
    EXPECT_EQ(ita2::encode("1 2"), (Codes{LTRS, FIGS, 0x17, SP, FIGS, 0x13}));
    EXPECT_EQ(ita2::encode("(3) 0/9"),
              (Codes{LTRS, FIGS, 0x0F, 0x01, 0x12, SP, FIGS, 0x16, 0x1D, 0x18}));
}

TEST(FoneCodes, Ita2RefusesWhatItCannotSend) {
    for (const char* text : {"#", "+", "=", "$", "'", "a\tb", "\xC3\xA9"})
        EXPECT_THROW(ita2::encode(text), std::invalid_argument) << text;
}

TEST(FoneCodes, Ccir476WordsAreDistinctAndOfConstantRatio) {
    std::set<std::uint8_t> words;
    for (std::uint8_t c = 0; c < 32; ++c) {
        const std::uint8_t w = ccir476::from_ita2(c);
        EXPECT_LT(w, 0x80);
        EXPECT_EQ(std::popcount(w), 4) << int{c};
        words.insert(w);
    }
    EXPECT_EQ(words.size(), 32u);
    // The service signals are of the same ratio but no character's word.
    for (std::uint8_t s : {ccir476::kAlpha, ccir476::kRq, std::uint8_t{0x33}}) {
        EXPECT_EQ(std::popcount(s), 4);
        EXPECT_EQ(words.count(s), 0u);
    }
    EXPECT_THROW(ccir476::from_ita2(32), std::out_of_range);
}

TEST(FoneCodes, Ccir476SpotChecks) {
    EXPECT_EQ(ccir476::from_ita2(0x03), 0x47); // A: BBBYYYB
    EXPECT_EQ(ccir476::from_ita2(0x1F), 0x5A); // letters shift
    EXPECT_EQ(ccir476::from_ita2(0x1B), 0x36); // figures shift
    EXPECT_EQ(ccir476::from_ita2(0x04), 0x5C); // space
}

TEST(FoneCodes, SitorBSendsEachWordAgainFivePlacesLater) {
    constexpr std::uint8_t RQ = ccir476::kRq, A = ccir476::kAlpha;
    const Codes words = {0x47, 0x72, 0x1D};
    EXPECT_EQ(sitor_b_stream(words, 2), (Codes{RQ, A, RQ, A,        // phasing
                                               0x47, A, 0x72, A,    // DX ahead of RX
                                               0x1D, 0x47, A, 0x72, // RX 5 places behind
                                               A, 0x1D, A, A}));    // three alphas end
    EXPECT_EQ(sitor_b_stream({}, 1), (Codes{RQ, A, A, A, A, A, A, A}));
}

} // namespace
} // namespace zenka::fone
