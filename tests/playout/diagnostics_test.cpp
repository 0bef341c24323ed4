#include "compose/air.h"
#include "platform/sound/null_sound.h"
#include "playout/diagnostic_log.h"
#include "playout/playout.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <vector>

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
    Diagnostics() : clock(*parse_utc("2026-12-08T09:18:07.005Z")), log(folder / "RX_LOG.TXT") {}

    // The records a pass made, written to the log.
    void write(const Air& a) {
        for (const LogRecord& r : a.so_far().log)
            log.write(r);
    }

    test::TempFolder folder;
    FixedClock clock;
    DiagnosticLog log;
};

TEST_F(Diagnostics, OffByDefaultAndNoFileIsMade) {
    EXPECT_FALSE(log.enabled());
    Air a(clock);
    a.Log("F", "I", 1);
    a.Error_Code(110);
    a.ct(2460, 100);
    write(a);
    log.statistics();
    EXPECT_EQ(a.so_far().log.size(), 3u); // kept in the composition all the same
    EXPECT_FALSE(std::filesystem::exists(folder / "RX_LOG.TXT"));
}

TEST_F(Diagnostics, RecordLayout) {
    log.set_enabled(true);
    ReceiverSettings s;
    s.freq = 5000;
    Air a(clock, s);
    a.spd = 20, a.ton = 1000, a.qsa = 3, a.qrh = 1, a.rto = 2, a._f1 = 0, a.sz = 1, a.hand = 1;
    a.slot_params[0].spacing = 3;
    a.Log("F", "I", 42);
    a.spd = 30; // a later change does not reach a record already made
    write(a);
    EXPECT_EQ(text_of(folder / "RX_LOG.TXT"),
              "\n Function: F \n Info: I \n Time: 09:18:07:05  Ticks:1000 \n freq: 5000  \n"
              " spd: 20  \n ton: 1000 \n qsa: 3 \n qrh: 1 \n rto: 2 \n f1: 0 \n sz: 1 \n"
              " hand: 1 \n  spacing: 3 \n additional param: 42\n");
}

TEST_F(Diagnostics, ErrorCodesAndStatisticsAppend) {
    log.set_enabled(true);
    clock.set(*parse_utc("2026-12-08T23:05:09.250Z"));
    Air a(clock);
    a.ct(2460, 100);
    write(a);
    log.statistics();
    const std::string text = text_of(folder / "RX_LOG.TXT");
    EXPECT_TRUE(
        text.starts_with("\n Function: ERROR \n Info: Error code: 110 \n Time: 23:05:09:250 "))
        << text;
    EXPECT_NE(text.find(" additional param: 110\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\n ZENKA Version: 4.29\n Resource statistics\n Background: 64\n"
                               " Beacons: 266"));
}

TEST_F(Diagnostics, ALogThatCannotBeOpenedIsLostQuietly) {
    DiagnosticLog lost(folder / "no" / "RX_LOG.TXT");
    lost.set_enabled(true);
    Air a(clock);
    a.Log("F", "I", 1);
    lost.write(a.so_far().log[0]);
    lost.statistics();
    EXPECT_FALSE(std::filesystem::exists(folder / "no"));
}

TEST_F(Diagnostics, APlantedLinkFifoOrForeignFileNeverReceivesTheRecords) {
    namespace fs = std::filesystem;
    std::ofstream(folder / "victim") << "precious";
    fs::create_symlink(folder / "victim", folder / "link.txt");
    ASSERT_EQ(::mkfifo((folder / "fifo.txt").c_str(), 0600), 0);
    std::vector<fs::path> refused = {folder / "link.txt", folder / "fifo.txt"};
    if (::geteuid() == 0) {
        std::ofstream(folder / "foreign.txt") << "theirs";
        ASSERT_EQ(::chown((folder / "foreign.txt").c_str(), 65534, 65534), 0);
        refused.push_back(folder / "foreign.txt");
    }
    Air a(clock);
    a.Log("F", "I", 1);
    for (const fs::path& file : refused) {
        DiagnosticLog planted(file);
        planted.set_enabled(true);
        planted.write(a.so_far().log[0]);
        planted.statistics();
    }
    EXPECT_EQ(text_of(folder / "victim"), "precious");
    if (::geteuid() == 0) {
        EXPECT_EQ(text_of(folder / "foreign.txt"), "theirs");
    }
    EXPECT_TRUE(fs::is_fifo(folder / "fifo.txt"));
}

TEST_F(Diagnostics, CloseFilesRemovesEveryChannelFile) {
    sound::NullSound out;
    RandomSource random;
    Playout playout(out, clock, random, folder.path());
    for (int k = 0; k < Composition::kSlots; ++k)
        std::ofstream(playout.channel_file(k)) << "RIFF";
    std::ofstream(playout.carrier_file()) << "RIFF";
    std::ofstream(folder / "other.txt") << "kept";
    playout.close_files();
    for (int k = 0; k < Composition::kSlots; ++k)
        EXPECT_FALSE(std::filesystem::exists(playout.channel_file(k))) << k;
    EXPECT_FALSE(std::filesystem::exists(playout.carrier_file()));
    EXPECT_TRUE(std::filesystem::exists(folder / "other.txt"));
    playout.close_files(); // nothing left to remove: no complaint
}

} // namespace
} // namespace zenka
