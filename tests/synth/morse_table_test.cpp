#include "synth/morse_table.h"

#include <gtest/gtest.h>

#include <string>

namespace zenka {
namespace {

// Reads an entry back as dots and dashes.
std::string elements(unsigned char ch) {
    const std::uint32_t code = cw_table[ch];
    std::string out;
    if (code <= 1) return out;
    int top = 31;
    while (!(code & (1u << top)))
        --top;
    for (int bit = top - 1; bit >= 0; --bit)
        out += (code >> bit) & 1 ? '-' : '.';
    return out;
}

TEST(MorseTable, EncodesBehindALeadingOneBit) {
    EXPECT_EQ(cw_table['A'], 0b101u);
    EXPECT_EQ(cw_table['E'], 0b10u);
    EXPECT_EQ(cw_table['0'], 0b111111u);
    EXPECT_EQ(cw_table[0x07], 0b10000000001u); // the longest: ten elements
    for (unsigned char c : {0x00, 0x01, 0x02, 0x03, 0x04, 0x20})
        EXPECT_EQ(cw_table[c], 0u);
}

TEST(MorseTable, LettersAndFiguresAreInternationalMorse) {
    const char* letters[] = {".-",   "-...", "-.-.", "-..",  ".",   "..-.", "--.",  "....", "..",
                             ".---", "-.-",  ".-..", "--",   "-.",  "---",  ".--.", "--.-", ".-.",
                             "...",  "-",    "..-",  "...-", ".--", "-..-", "-.--", "--.."};
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(elements('A' + i), letters[i]) << char('A' + i);
    const char* figures[] = {"-----", ".----", "..---", "...--", "....-",
                             ".....", "-....", "--...", "---..", "----."};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(elements('0' + i), figures[i]) << i;
}

TEST(MorseTable, ProcedureSignsAndPunctuation) {
    EXPECT_EQ(elements('+'), ".-.-.");  // AR
    EXPECT_EQ(elements(']'), "...-.-"); // SK
    EXPECT_EQ(elements('='), "-...-");  // BT
    EXPECT_EQ(elements('^'), "...-.");  // SN
    EXPECT_EQ(elements('<'), "-.-.-");  // KA
    EXPECT_EQ(elements('*'), ".-...");  // AS
    EXPECT_EQ(elements('?'), "..--..");
    EXPECT_EQ(elements('/'), "-..-.");
    EXPECT_EQ(elements(0x12), "...---..."); // SOS
    EXPECT_EQ(elements('"'), "........");   // error
    EXPECT_EQ(elements(0x1F), ".-..-..-.");
}

TEST(MorseTable, KanaSignsSitOnTheLowerCaseCodes) {
    EXPECT_EQ(elements('a'), "--.--");
    EXPECT_EQ(elements('h'), ".-");
    EXPECT_EQ(elements('v'), "-.");
    EXPECT_EQ(elements('}'), "....");
    EXPECT_EQ(elements(0x7F), "..--");
    int kana = 0;
    for (int c = 0x61; c <= 0x7F; ++c)
        kana += cw_table[c] > 1;
    EXPECT_EQ(kana, 31);
}

TEST(MorseTable, NoCodeIsLongerThanElevenElements) {
    for (int c = 0; c < 128; ++c)
        EXPECT_LT(cw_table[c], 1u << 12) << c;
}

} // namespace
} // namespace zenka
