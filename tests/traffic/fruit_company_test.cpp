// The fruit company's exchanges with its divisions, over many seeds and instants.

#include "support/generator_sweep.h"
#include "traffic/telecom/fruit_company.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace zenka {
namespace {

TEST(FruitCompany, TelegramWordsCountsGroupsBetweenBlanks) {
    EXPECT_EQ(telegram_words(""), 0);
    EXPECT_EQ(telegram_words("PAYROLL FUNDS RECEIVED THANKS"), 4);
    EXPECT_EQ(telegram_words("  CUT 12000  STEMS "), 3);
}

// Every exchange is one closed slot: the division called and answering, each
// telegram's check equal to its words and acknowledged by its number, the close.
TEST(FruitCompany, EveryExchangeClosesWithCheckedAcknowledgedTelegrams) {
    static const std::regex telegram(
        R"(NR (\d+) ([A-Z]+) CK (\d+) (\d+) (\d{4}) = ([A-Z ]+) = ([A-Z0-9 ]+) = ([A-Z]+) AR   )");
    for (int k = 0; k < 300; ++k) {
        const auto pass = test::compose_at(test::sweep_instant(k), static_cast<std::uint32_t>(k),
                                           [](Air& a) { ufc(a, "WNU"); });
        const Air& a = pass->air;
        ASSERT_EQ(a.send_call, 1) << k;
        EXPECT_TRUE(a.send_buf[1].empty()) << k;
        const std::string text = test::plain_text(a.send_buf[0]);
        EXPECT_EQ(text.find('%'), std::string::npos) << text;
        std::smatch call;
        ASSERT_TRUE(std::regex_search(text, call, std::regex("^([A-Z]{3}) \\1 \\1 DE WNU WNU ")))
            << text;
        EXPECT_NE(text.find("WNU DE " + call[1].str() + " Q"), std::string::npos) << text;
        EXPECT_NE(text.find(call[1].str() + " DE WNU QRU VA   "), std::string::npos) << text;
        int telegrams = 0;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), telegram);
             it != std::sregex_iterator(); ++it, ++telegrams) {
            const std::smatch& m = *it;
            EXPECT_EQ(std::stoi(m[3]), telegram_words(m[7].str())) << m[0];
            EXPECT_EQ(std::stoi(m[4]), pass->air.t.day) << m[0];
            EXPECT_NE(text.find("R NR " + m[1].str() + "   ", static_cast<std::size_t>(
                                                                   m.position(0) + m.length(0))),
                      std::string::npos)
                << m[0];
        }
        EXPECT_GE(telegrams, 1) << text;
        EXPECT_LE(telegrams, 3) << text;
        EXPECT_NE(text.find("QTC " + std::to_string(telegrams) + " K"), std::string::npos)
            << text;
    }
}

} // namespace
} // namespace zenka
