// Writing a file so that the old one survives: names nobody can plant, devices
// written in place, everything else refused, and nothing left behind.

#include "platform/atomic_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <set>
#include <string>

namespace zenka {
namespace {

namespace fs = std::filesystem;
using test::names_in;
using test::write_text;

bool write_all(const AtomicFile& f, const std::string& text) {
    return ::write(f.fd(), text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

TEST(AtomicFile, CommitReplacesTheTargetAndLeavesNothingElse) {
    test::TempFolder folder;
    const fs::path target = folder / "out.wav";
    for (const bool existed : {false, true}) {
        if (existed) write_text(target, "old contents");
        AtomicFile f;
        ASSERT_TRUE(f.open(target)) << f.error();
        EXPECT_FALSE(f.direct());
        EXPECT_EQ(f.writing().parent_path(), folder.path());
        EXPECT_NE(f.writing(), target);
        ASSERT_TRUE(write_all(f, "new"));
        EXPECT_EQ(test::read_text(target), existed ? "old contents" : "");
        ASSERT_TRUE(f.commit()) << f.error();
        EXPECT_EQ(test::read_text(target), "new");
        EXPECT_EQ(names_in(folder.path()), std::set<std::string>{"out.wav"});
        // The mode a newly made file would have: 0666 less the creation mask.
        const mode_t mask = ::umask(022);
        ::umask(mask);
        EXPECT_EQ(fs::status(target).permissions(), static_cast<fs::perms>(0666 & ~mask));
    }
}

TEST(AtomicFile, WithoutCommitTheOldTargetStaysAndThePartGoes) {
    test::TempFolder folder;
    const fs::path target = folder / "song.wav";
    write_text(target, "good");
    {
        AtomicFile f;
        ASSERT_TRUE(f.open(target));
        ASSERT_TRUE(write_all(f, "half"));
    }
    EXPECT_EQ(test::read_text(target), "good");
    EXPECT_EQ(names_in(folder.path()), std::set<std::string>{"song.wav"});
}

TEST(AtomicFile, PlantedLinksAndTheUsersOwnPartFilesAreNeverOpened) {
    test::TempFolder folder;
    const fs::path victim = folder / "victim";
    write_text(victim, "precious");
    write_text(folder / "song.wav.part", "the user's own");
    // Links at every name an earlier scheme or a guess might use.
    for (const char* name : {"out.wav.part", ".out.wav.part", ".out.wav.XXXXXX"})
        fs::create_symlink(victim, folder / name);
    for (const char* name : {"out.wav", "song.wav"}) {
        AtomicFile f;
        ASSERT_TRUE(f.open(folder / name));
        ASSERT_TRUE(write_all(f, "render"));
        ASSERT_TRUE(f.commit());
    }
    EXPECT_EQ(test::read_text(victim), "precious");
    EXPECT_EQ(test::read_text(folder / "song.wav.part"), "the user's own");
    EXPECT_EQ(names_in(folder.path()),
              (std::set<std::string>{"victim", "song.wav.part", "out.wav.part", ".out.wav.part",
                                     ".out.wav.XXXXXX", "out.wav", "song.wav"}));
}

TEST(AtomicFile, ALinkAtTheTargetIsReplacedNotFollowed) {
    test::TempFolder folder;
    write_text(folder / "victim", "precious");
    fs::create_symlink(folder / "victim", folder / "out.wav");
    AtomicFile f;
    ASSERT_TRUE(f.open(folder / "out.wav"));
    ASSERT_TRUE(write_all(f, "render"));
    ASSERT_TRUE(f.commit());
    EXPECT_EQ(test::read_text(folder / "victim"), "precious");
    EXPECT_FALSE(fs::is_symlink(folder / "out.wav"));
    EXPECT_EQ(test::read_text(folder / "out.wav"), "render");
}

TEST(AtomicFile, ADeviceIsWrittenInPlaceAndStaysADevice) {
    test::TempFolder folder;
    const fs::path null = folder / "null";
    if (::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here";
    // Also through a link, as /dev/stdout is one to the terminal.
    fs::create_symlink(null, folder / "stdout");
    for (const char* name : {"null", "stdout"}) {
        AtomicFile f;
        ASSERT_TRUE(f.open(folder / name)) << f.error();
        EXPECT_TRUE(f.direct());
        ASSERT_TRUE(write_all(f, "render"));
        ASSERT_TRUE(f.commit()) << f.error();
    }
    EXPECT_TRUE(fs::is_character_file(null));
    EXPECT_TRUE(fs::is_symlink(folder / "stdout"));
    EXPECT_EQ(names_in(folder.path()), (std::set<std::string>{"null", "stdout"}));
}

TEST(AtomicFile, FoldersFifosAndSocketsAreRefusedAndKept) {
    test::TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    fs::create_directory(folder / "dir");
    fs::create_symlink(folder / "fifo", folder / "to_fifo");
    for (const char* name : {"fifo", "dir", "to_fifo"}) {
        AtomicFile f;
        EXPECT_FALSE(f.open(folder / name)) << name;
        EXPECT_NE(f.error().find("not a file or device"), std::string::npos) << f.error();
        EXPECT_EQ(f.fd(), -1);
    }
    EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
    EXPECT_TRUE(fs::is_directory(folder / "dir"));
    EXPECT_TRUE(fs::is_symlink(folder / "to_fifo"));
    EXPECT_EQ(names_in(folder.path()), (std::set<std::string>{"fifo", "dir", "to_fifo"}));
}

} // namespace
} // namespace zenka
