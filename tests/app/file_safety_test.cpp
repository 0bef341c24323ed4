// What `render` and `key` do to the files around them when things go wrong: a
// full disk, a device or FIFO as the target, planted links, a working folder
// that cannot take the channel files.

#include "support/run_command.h"
#include "support/small_tmpfs.h"
#include "support/spawn_zenka.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace zenka {
namespace {

namespace fs = std::filesystem;
using test::names_in;
using test::Ran;
using test::run;
using test::write_text;
using test::zenka;

long lines(const std::string& s) {
    return std::count(s.begin(), s.end(), '\n');
}

const std::string kRender = "render --freq 500 --at 2026-12-08T06:13:02Z --seed 5 ";
const std::string kKey = "key --wpm 5 --tone 2000 --out ";
const std::string kLongText = std::string(400, 'H');

TEST(FileSafety, AFullDiskFailsLoudlyAndKeepsTheGoodFile) {
    test::SmallTmpfs disk;
    if (!disk.ok()) GTEST_SKIP() << "cannot mount a tmpfs here";
    write_text(disk / "out.wav", "a good render");
    write_text(disk / "cq.wav", "a good keying");
    disk.fill("ballast", 16 * 1024);
    struct Case {
        std::string args, target, before;
        int status;
    };
    for (const Case& c : {Case{kRender + "--seconds 5 --out " + (disk / "out.wav").string(),
                               "out.wav", "a good render", 2},
                          Case{kKey + (disk / "cq.wav").string() + " " + kLongText, "cq.wav",
                               "a good keying", 1}}) {
        const Ran r = run(zenka(c.args));
        EXPECT_EQ(r.status, c.status) << c.args << ": " << r.out;
        EXPECT_EQ(lines(r.out), 1) << r.out;
        EXPECT_NE(r.out.find(c.target), std::string::npos) << r.out;
        EXPECT_EQ(test::read_text(disk / c.target), c.before);
    }
    EXPECT_EQ(names_in(disk.path()), (std::set<std::string>{"out.wav", "cq.wav", "ballast"}));
}

TEST(FileSafety, ADeviceTargetStaysADeviceAndAFifoIsRefused) {
    test::TempFolder folder;
    const fs::path null = folder / "null";
    if (::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here";
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    for (const std::string& args :
         {kRender + "--seconds 1 --out " + null.string(), kKey + null.string() + " CQ"}) {
        const Ran r = run(zenka(args));
        EXPECT_EQ(r.status, 0) << args << ": " << r.out;
        EXPECT_TRUE(fs::is_character_file(null)) << args;
    }
    for (const std::string& args : {kRender + "--seconds 1 --out " + (folder / "fifo").string(),
                                    kKey + (folder / "fifo").string() + " CQ"}) {
        const Ran r = run(zenka(args));
        EXPECT_NE(r.status, 0) << args;
        EXPECT_EQ(lines(r.out), 1) << r.out;
        EXPECT_NE(r.out.find("not a file or device"), std::string::npos) << r.out;
        EXPECT_TRUE(fs::is_fifo(folder / "fifo")) << args;
    }
    EXPECT_EQ(names_in(folder.path()), (std::set<std::string>{"null", "fifo"}));
}

// A WAV file is completed by rewriting its head, which a terminal cannot take:
// both commands refuse one in one line and leave it as it is.
TEST(FileSafety, ATerminalTargetIsRefusedInOneLine) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        GTEST_SKIP() << "no pseudo-terminal here";
    const std::string terminal = ::ptsname(master);
    struct Case {
        std::string args;
        int status;
    };
    for (const Case& c :
         {Case{kRender + "--seconds 1 --out " + terminal, 2}, Case{kKey + terminal + " CQ", 1}}) {
        const Ran r = run(zenka(c.args));
        EXPECT_EQ(r.status, c.status) << c.args << ": " << r.out;
        EXPECT_EQ(lines(r.out), 1) << r.out;
        EXPECT_NE(r.out.find(terminal + "\": not a file or a device that can seek but a terminal"),
                  std::string::npos)
            << r.out;
    }
    EXPECT_TRUE(fs::is_character_file(terminal));
    ::close(master);
}

// `--out /dev/stdout` with standard output redirected to a file leads to a
// regular file through a link in /dev: refused, and /dev keeps its link.
TEST(FileSafety, StandardOutputRedirectedToAFileIsRefusedAndDevKeepsItsLink) {
    test::TempFolder folder;
    ASSERT_TRUE(fs::is_symlink("/dev/stdout")) << "/dev/stdout is no link here";
    struct Case {
        std::string args;
        int status;
    };
    for (const Case& c :
         {Case{kRender + "--seconds 1 --out /dev/stdout", 2}, Case{kKey + "/dev/stdout CQ", 1}}) {
        // Standard error to the pipe read here, standard output to the file.
        const Ran r = run("sh -c " +
                          test::quoted(zenka(c.args) + " 2>&1 > " + (folder / "out.wav").string()));
        EXPECT_EQ(r.status, c.status) << c.args << ": " << r.out;
        EXPECT_EQ(lines(r.out), 1) << r.out;
        EXPECT_NE(r.out.find("\"/dev/stdout\": not a file of its own but a name in /"),
                  std::string::npos)
            << r.out;
        EXPECT_TRUE(fs::is_symlink("/dev/stdout"));
        EXPECT_EQ(fs::file_size(folder / "out.wav"), 0u);
    }
    EXPECT_EQ(names_in(folder.path()), std::set<std::string>{"out.wav"});
}

// Past 4 GiB the 32-bit sizes of a plain WAV would wrap: such a render is
// written as RF64 from its first byte. Cut short here: 4 GiB has no place in a test.
TEST(FileSafety, ARenderTooLongForAPlainWaveIsWrittenAsRf64) {
    struct Case {
        const char* seconds;
        std::string magic;
    };
    for (const Case& c : {Case{"44739", "RIFF"}, Case{"44740", "RF64"}, Case{"86400", "RF64"}}) {
        test::TempFolder out;
        const pid_t pid =
            test::start_zenka({},
                              {"render", "--freq", "500", "--at", "2026-12-08T06:13:02Z",
                               "--seconds", c.seconds, "--out", (out / "long.wav").string()},
                              "/dev/null");
        ASSERT_GT(pid, 0);
        std::string head;
        const bool begun = test::wait_for([&] {
            for (const std::string& name : names_in(out.path()))
                if (name.starts_with(".long.wav.zenka-") && fs::file_size(out / name) >= 4096) {
                    head.resize(4);
                    std::ifstream(out / name, std::ios::binary).read(head.data(), 4);
                    return true;
                }
            return false;
        });
        ::kill(pid, SIGTERM);
        EXPECT_EQ(test::finish(pid, std::chrono::seconds(10)), 128 + SIGTERM);
        EXPECT_TRUE(begun) << c.seconds;
        EXPECT_EQ(head, c.magic) << c.seconds;
        EXPECT_TRUE(fs::is_empty(out.path())) << c.seconds;
    }
}

TEST(FileSafety, PlantedPartLinksAndTheUsersPartFilesAreLeftAlone) {
    test::TempFolder folder;
    write_text(folder / "victim", "precious");
    write_text(folder / "song.wav.part", "the user's own");
    fs::create_symlink(folder / "victim", folder / "out.wav.part");
    fs::create_symlink(folder / "victim", folder / "cq.wav.part");
    for (const std::string& args : {kRender + "--seconds 1 --out " + (folder / "out.wav").string(),
                                    kRender + "--seconds 1 --out " + (folder / "song.wav").string(),
                                    kKey + (folder / "cq.wav").string() + " CQ"}) {
        const Ran r = run(zenka(args));
        EXPECT_EQ(r.status, 0) << args << ": " << r.out;
    }
    EXPECT_EQ(test::read_text(folder / "victim"), "precious");
    EXPECT_EQ(test::read_text(folder / "song.wav.part"), "the user's own");
    EXPECT_EQ(names_in(folder.path()),
              (std::set<std::string>{"victim", "song.wav.part", "out.wav.part", "cq.wav.part",
                                     "out.wav", "song.wav", "cq.wav"}));
    EXPECT_GT(fs::file_size(folder / "out.wav"), 48000u);
}

TEST(FileSafety, ChannelFilesThatCannotBeWrittenAreReportedOneLineEach) {
    test::SmallTmpfs runtime;
    if (!runtime.ok()) GTEST_SKIP() << "cannot mount a tmpfs here";
    runtime.fill("ballast");
    test::TempFolder out;
    write_text(out / "distress.wav", "a good render");
    // 500 kHz at this instant closes four slots (the distress text, the faint and the clear
    // ship's call, the tuning): every channel file fails.
    const Ran r = run("XDG_RUNTIME_DIR=" + runtime.path().string() + " " +
                      zenka(kRender + "--seconds 2 --out " + (out / "distress.wav").string()));
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_EQ(lines(r.out), 4) << r.out;
    for (const char* file : {"ZENKA00.WAV", "ZENKA01.WAV", "ZENKA02.WAV", "ZENKA03.WAV"})
        EXPECT_NE(r.out.find(file), std::string::npos) << r.out;
    EXPECT_EQ(test::read_text(out / "distress.wav"), "a good render");
    EXPECT_EQ(names_in(out.path()), std::set<std::string>{"distress.wav"});
    EXPECT_EQ(names_in(runtime.path()), std::set<std::string>{"ballast"});
}

} // namespace
} // namespace zenka
