#include "air.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zenka {
namespace {

std::string text_of(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Diagnostics : public ::testing::Test {
  protected:
    Diagnostics() : clock(*parse_utc("2026-12-08T09:18:07.005Z")), a(clock, folder.path()) {
        a.log_file = folder / "RX_LOG.TXT";
    }

    test::TempFolder folder;
    FixedClock clock;
    Air a;
};

TEST_F(Diagnostics, OffByDefaultAndNoFileIsMade) {
    EXPECT_EQ(a.debug, 0);
    a.Log("F", "I", 1);
    a.Error_Code(110);
    a.get_statistics();
    a.ct(2460, 100);
    EXPECT_FALSE(std::filesystem::exists(a.log_file));
}

TEST_F(Diagnostics, RecordLayout) {
    a.debug = 1;
    a.freq = 5000;
    a.spd = 20, a.ton = 1000, a.qsa = 3, a.qrh = 1, a.rto = 2, a._f1 = 0, a.sz = 1, a.hand = 1;
    a.slot_params[0].spacing = 3;
    a.Log("F", "I", 42);
    EXPECT_EQ(text_of(a.log_file),
              "\n Function: F \n Info: I \n Time: 09:18:07:05  Ticks:1000 \n freq: 5000  \n"
              " spd: 20  \n ton: 1000 \n qsa: 3 \n qrh: 1 \n rto: 2 \n f1: 0 \n sz: 1 \n"
              " hand: 1 \n  spacing: 3 \n additional param: 42\n");
}

TEST_F(Diagnostics, ErrorCodesAndStatisticsAppend) {
    a.debug = 1;
    clock.set(*parse_utc("2026-12-08T23:05:09.250Z"));
    a.ct(2460, 100);
    a.get_statistics();
    const std::string log = text_of(a.log_file);
    EXPECT_TRUE(
        log.starts_with("\n Function: ERROR \n Info: Error code: 110 \n Time: 23:05:09:250 "))
        << log;
    EXPECT_NE(log.find(" additional param: 110\n"), std::string::npos);
    EXPECT_TRUE(log.ends_with("\n ZENKA Version: 4.29\n Resource statistics\n Background: 64\n"
                              " Beacons: 266"));
}

TEST_F(Diagnostics, ALogThatCannotBeOpenedIsLostQuietly) {
    a.debug = 1;
    a.log_file = folder / "no" / "RX_LOG.TXT";
    a.Log("F", "I", 1);
    a.get_statistics();
    EXPECT_FALSE(std::filesystem::exists(folder / "no"));
}

TEST_F(Diagnostics, CloseFilesRemovesEveryChannelFile) {
    for (int k = 0; k <= 9; ++k)
        std::ofstream(a.channel_file(k)) << "RIFF";
    std::ofstream(folder / "other.txt") << "kept";
    a.close_files();
    for (int k = 0; k <= 9; ++k)
        EXPECT_FALSE(std::filesystem::exists(a.channel_file(k))) << k;
    EXPECT_TRUE(std::filesystem::exists(folder / "other.txt"));
    a.close_files(); // nothing left to remove: no complaint
}

} // namespace
} // namespace zenka
