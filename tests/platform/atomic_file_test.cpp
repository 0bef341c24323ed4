// Writing a file so that the old one survives: names nobody can plant, devices
// written in place, everything else refused, and nothing left behind.

#include "platform/atomic_file.h"
#include "platform/rename_new.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
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

TEST(AtomicFile, ATerminalIsRefusedAndLeftAsItIs) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        GTEST_SKIP() << "no pseudo-terminal here";
    const std::string terminal = ::ptsname(master);
    AtomicFile f;
    EXPECT_FALSE(f.open(terminal));
    EXPECT_EQ(f.error(), "not a file or a device that can seek but a terminal");
    EXPECT_EQ(f.fd(), -1);
    EXPECT_TRUE(fs::is_character_file(terminal));
    ::close(master);
}

// The system's names are never replaced: not a new name in /dev, not /dev/fd/N
// (or /dev/stdout) when it leads to a regular file.
TEST(AtomicFile, NamesInTheSystemsFoldersAreNeverReplaced) {
    test::TempFolder folder;
    write_text(folder / "mine.wav", "the user's");
    const int fd = ::open((folder / "mine.wav").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    const std::string through_fd = "/dev/fd/" + std::to_string(fd);
    const std::string fresh = "/dev/zenka-test-" + folder.path().filename().string();
    for (const std::string& target : {through_fd, fresh}) {
        AtomicFile f;
        EXPECT_FALSE(f.open(target)) << target;
        EXPECT_TRUE(f.error().starts_with("not a file of its own but a name in /")) << f.error();
        EXPECT_EQ(f.fd(), -1);
    }
    EXPECT_FALSE(fs::exists(fresh));
    EXPECT_TRUE(fs::is_symlink(through_fd));
    EXPECT_EQ(test::read_text(folder / "mine.wav"), "the user's");
    ::close(fd);
}

TEST(AtomicFile, TemporaryNamesAreOnlyThoseOpenMakes) {
    for (const char* name :
         {".out.wav.zenka-Ab12Cd", ".x.zenka-000000", ".song one.wav.zenka-zzzzzz"})
        EXPECT_TRUE(AtomicFile::is_temporary_name(name)) << name;
    for (const char* name :
         {"out.wav.zenka-Ab12Cd", ".zenka-Ab12Cd", ".out.wav.zenka-Ab12C", ".out.wav.zenka-Ab12Cd7",
          ".out.wav.zenka-Ab-2Cd", ".out.wav.XXXXXX", ".out.wav.Zenka-Ab12Cd",
          ".out.wav.zenka_Ab12Cd", "..zenka-zzzzzz", ""})
        EXPECT_FALSE(AtomicFile::is_temporary_name(name)) << name;
}

// A writer in a child process: opens `target`, writes, says the temporary file's
// name and lives until it is killed.
pid_t start_writer(const fs::path& target, std::string& temporary) {
    int said[2];
    if (::pipe(said) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(said[0]);
        AtomicFile f;
        if (!f.open(target) || !write_all(f, "half a render")) ::_exit(1);
        const std::string line = f.writing().filename().string() + "\n";
        if (::write(said[1], line.data(), line.size()) < 0) ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(said[1]);
    char c = 0;
    while (::read(said[0], &c, 1) == 1 && c != '\n')
        temporary += c;
    ::close(said[0]);
    return pid;
}

void kill_hard(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

TEST(AtomicFile, AKilledWritersTemporaryFileGoesWithTheNextWriteInItsFolder) {
    test::TempFolder folder;
    std::string dead, living;
    const pid_t killed = start_writer(folder / "song.wav", dead);
    ASSERT_GT(killed, 0);
    kill_hard(killed);
    const pid_t alive = start_writer(folder / "other.wav", living);
    ASSERT_GT(alive, 0);
    ASSERT_TRUE(AtomicFile::is_temporary_name(dead)) << dead;
    EXPECT_EQ(names_in(folder.path()), (std::set<std::string>{living}));
    EXPECT_TRUE(dead.starts_with(".song.wav.zenka-")) << dead;

    // The dead one went when the living writer opened; the living one stays.
    AtomicFile f;
    ASSERT_TRUE(f.open(folder / "third.wav"));
    EXPECT_EQ(names_in(folder.path()),
              (std::set<std::string>{living, f.writing().filename().string()}));
    f.discard();
    kill_hard(alive);
}

TEST(AtomicFile, OnlyTemporaryFilesExactlyAsTheyAreMadeAreRemoved) {
    test::TempFolder folder;
    const auto plant = [&](const std::string& name, mode_t mode) {
        write_text(folder / name, "the user's");
        ::chmod((folder / name).c_str(), mode);
    };
    plant(".a.wav.zenka-Left01", 0600); // as a killed writer leaves it: goes
    plant(".b.wav.zenka-Open01", 0644); // another mode
    plant(".c.wav.zenka-Twice1", 0600); // a second link
    fs::create_hard_link(folder / ".c.wav.zenka-Twice1", folder / "c-link");
    plant(".d.wav.zenka-Held01", 0600); // its lock held
    const int held = ::open((folder / ".d.wav.zenka-Held01").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    plant("real", 0600);
    fs::create_symlink(folder / "real", folder / ".e.wav.zenka-Link01");
    fs::create_directory(folder / ".f.wav.zenka-Fold01");
    plant(".g.wav.zenka-Short", 0600); // not the pattern
    const std::set<std::string> kept = {".b.wav.zenka-Open01",
                                        ".c.wav.zenka-Twice1",
                                        "c-link",
                                        ".d.wav.zenka-Held01",
                                        "real",
                                        ".e.wav.zenka-Link01",
                                        ".f.wav.zenka-Fold01",
                                        ".g.wav.zenka-Short"};
    AtomicFile f;
    ASSERT_TRUE(f.open(folder / "out.wav"));
    f.discard();
    EXPECT_EQ(names_in(folder.path()), kept);
    for (const char* name : {".b.wav.zenka-Open01", "c-link", ".d.wav.zenka-Held01", "real"})
        EXPECT_EQ(test::read_text(folder / name), "the user's") << name;
    ::close(held);
}

TEST(AtomicFile, TheTemporaryFileIsPrivateAndLockedWhileItIsWritten) {
    test::TempFolder folder;
    AtomicFile f;
    ASSERT_TRUE(f.open(folder / "out.wav"));
    EXPECT_TRUE(AtomicFile::is_temporary_name(f.writing().filename().string()));
    EXPECT_EQ(fs::status(f.writing()).permissions(), static_cast<fs::perms>(0600));
    const int other = ::open(f.writing().c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
    ::close(other);
}

TEST(AtomicFile, ANewFileTakesTheFirstFreeNameAndReplacesNothing) {
    test::TempFolder folder;
    const fs::path target = folder / "Zenka 500.0 kHz.wav";
    write_text(target, "first");
    write_text(folder / "Zenka 500.0 kHz (2).wav", "second");
    AtomicFile f;
    ASSERT_TRUE(f.open(target)) << f.error();
    ASSERT_TRUE(write_all(f, "third"));
    ASSERT_TRUE(f.commit(AtomicFile::Replace::never)) << f.error();
    EXPECT_EQ(f.target(), folder / "Zenka 500.0 kHz (3).wav");
    EXPECT_EQ(test::read_text(target), "first");
    EXPECT_EQ(test::read_text(folder / "Zenka 500.0 kHz (2).wav"), "second");
    EXPECT_EQ(test::read_text(folder / "Zenka 500.0 kHz (3).wav"), "third");
    EXPECT_EQ(names_in(folder.path()).size(), 3u);
    // A numbered name taken goes on counting from its number.
    AtomicFile h;
    ASSERT_TRUE(h.open(folder / "Zenka 500.0 kHz (2).wav"));
    ASSERT_TRUE(h.commit(AtomicFile::Replace::never));
    EXPECT_EQ(h.target(), folder / "Zenka 500.0 kHz (4).wav");
    EXPECT_EQ(numbered(folder / "a.b.wav", 12), folder / "a.b (12).wav");
    for (const char* plain : {"a.wav", "a (1).wav", "a (02).wav", "a (x).wav", "a ().wav", "(3)"})
        EXPECT_EQ(unnumbered(folder / plain), std::make_pair(folder / plain, 1)) << plain;
    EXPECT_EQ(unnumbered(folder / "a b (17).flac"), std::make_pair(folder / "a b.flac", 17));
    // A link at the name counts as taken, and stays.
    fs::create_symlink("nowhere", folder / "b.wav");
    AtomicFile g;
    ASSERT_TRUE(g.open(folder / "b.wav"));
    ASSERT_TRUE(g.commit(AtomicFile::Replace::never));
    EXPECT_EQ(g.target(), folder / "b (2).wav");
    EXPECT_TRUE(fs::is_symlink(folder / "b.wav"));
}

TEST(AtomicFile, ANewFileThatCannotBeNamedIsKeptWhereItWasWritten) {
    test::TempFolder folder;
    AtomicFile f;
    ASSERT_TRUE(f.open(folder / "take.wav"));
    ASSERT_TRUE(write_all(f, "recorded"));
    const fs::path written = f.writing();
    // Its folder goes away under it: no name can be given there.
    fs::create_directory(folder / "sub");
    AtomicFile g;
    ASSERT_TRUE(g.open(folder / "sub" / "take.wav"));
    ASSERT_TRUE(write_all(g, "recorded"));
    const fs::path hidden = g.writing();
    fs::rename(folder / "sub", folder / "moved");
    EXPECT_FALSE(g.commit(AtomicFile::Replace::never));
    EXPECT_NE(g.error().find("what was written is kept as " + hidden.string()), std::string::npos)
        << g.error();
    EXPECT_EQ(test::read_text(folder / "moved" / hidden.filename()), "recorded");
    ASSERT_TRUE(f.commit(AtomicFile::Replace::never));
    EXPECT_FALSE(fs::exists(written));
}

} // namespace
} // namespace zenka
