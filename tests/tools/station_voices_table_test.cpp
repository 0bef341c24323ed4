// The station voices table the build made from band/data/station_voices.txt.

#include "band/station_voices.h"

#include <gtest/gtest.h>

#include <iterator>

namespace zenka {
namespace {

void expect_voice(Voice v, int spd, int ton, int qsa) {
    EXPECT_EQ(v.spd, spd);
    EXPECT_EQ(v.ton, ton);
    EXPECT_EQ(v.qsa, qsa);
}

TEST(StationVoicesTable, KnownStationsKeepTheirVoices) {
    EXPECT_EQ(std::size(kStationVoices), 878u);
    constexpr Voice first = voice_of("!DA");
    constexpr Voice naa = voice_of("NAA");
    constexpr Voice yri = voice_of("YRI");
    constexpr Voice last = voice_of("ZSQ");
    expect_voice(first, 24, 1060, 5);
    expect_voice(naa, 23, 788, 2);
    expect_voice(yri, 26, 1389, 5);
    expect_voice(last, 27, 1135, 2);
    EXPECT_EQ(kStationVoices[0].call, "!DA");
    EXPECT_EQ(kStationVoices[877].call, "ZSQ");
}

} // namespace
} // namespace zenka
