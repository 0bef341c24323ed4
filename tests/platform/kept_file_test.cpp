// The files kept between runs: read only within bounds, never through a link
// or from a special file, and when damaged moved aside, never removed.

#include "platform/kept_file.h"
#include "support/hostile_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>
#include <set>
#include <string>

namespace zenka {
namespace {

namespace fs = std::filesystem;
using test::names_in;
using test::read_text;
using test::write_text;

constexpr std::size_t kLimit = 4 * 1024 * 1024;
const UtcInstant kNow = *parse_utc("2026-12-09T06:13:02Z");

TEST(KeptFile, Utf8IsCheckedAsTheStandardHasIt) {
    for (const std::string good :
         {"", "CQ DE DAN", "Norddeich Radio \xC3\xA9", "\xE6\x97\xA5\xE6\x9C\xAC",
          "\xF0\x9F\x93\xBB", "\xEF\xBF\xBF", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(valid_utf8(good)) << good;
    for (const std::string bad : {
             "\x80",             // a continuation alone
             "\xC3",             // cut after the lead byte
             "\xE6\x97",         // cut inside
             "\xC0\xAF",         // overlong '/'
             "\xE0\x80\xAF",     // overlong, three bytes
             "\xF0\x80\x80\xAF", // overlong, four bytes
             "\xED\xA0\x80",     // a surrogate
             "\xF4\x90\x80\x80", // past U+10FFFF
             "\xF5\x80\x80\x80",
             "\xFF",
             "ok\xC3(",
         })
        EXPECT_FALSE(valid_utf8(bad)) << testing::PrintToString(bad);
}

TEST(KeptFile, TextWithinBoundsIsRead) {
    test::TempFolder folder;
    EXPECT_EQ(read_kept_text(folder / "none.csv", kLimit).state, KeptText::State::absent);
    write_text(folder / "ok.csv", "500000; Norddeich\tRadio\r\n");
    const KeptText t = read_kept_text(folder / "ok.csv", kLimit);
    EXPECT_EQ(t.state, KeptText::State::read);
    EXPECT_EQ(t.text, "500000; Norddeich\tRadio\r\n");
    // Up to the limit exactly; one byte more is too much.
    write_text(folder / "edge.csv", std::string(1023, 'x') + "\n");
    EXPECT_EQ(read_kept_text(folder / "edge.csv", 1024).state, KeptText::State::read);
    const KeptText over = read_kept_text(folder / "edge.csv", 1023);
    EXPECT_EQ(over.state, KeptText::State::damaged);
    EXPECT_EQ(over.problem, "it is larger than 1 kB");
}

TEST(KeptFile, HostileFilesAreNamedAndNeverOpened) {
    for (const test::Hostile& h : test::hostile_files()) {
        SCOPED_TRACE(h.name);
        test::TempFolder folder;
        const fs::path file = folder / "bookmarks.csv";
        if (!h.make(file)) continue; // not permitted here
        const std::string before = test::fingerprint(file);
        // A FIFO opened for reading would wait here for a writer for ever.
        const KeptText t = read_kept_text(file, kLimit);
        EXPECT_EQ(t.state, KeptText::State::damaged);
        EXPECT_EQ(t.problem, h.problem);
        EXPECT_TRUE(t.text.empty());
        EXPECT_EQ(test::fingerprint(file), before);
    }
}

TEST(KeptFile, AUsersFileIsReadThroughALinkButNeverFromASpecialFile) {
    test::TempFolder folder;
    write_text(folder / "gqrx.csv", "text\n");
    fs::create_symlink("gqrx.csv", folder / "link.csv");
    EXPECT_EQ(read_user_text(folder / "link.csv", kLimit).text, "text\n");
    fs::create_symlink("/dev/zero", folder / "zero.csv");
    EXPECT_EQ(read_user_text(folder / "zero.csv", kLimit).problem, "it is a device");
    ASSERT_EQ(::mkfifo((folder / "fifo.csv").c_str(), 0600), 0);
    fs::create_symlink("fifo.csv", folder / "to_fifo.csv");
    EXPECT_EQ(read_user_text(folder / "to_fifo.csv", kLimit).problem, "it is a FIFO");
}

TEST(KeptFile, ADamagedFileIsMovedAsideUnderANameNothingHolds) {
    test::TempFolder folder;
    const fs::path file = folder / "bookmarks.csv";
    FixedClock clock(kNow);
    // The name a damaged file gets is there already: the next one is taken.
    write_text(folder / "bookmarks.csv.damaged-20261209T061302Z", "an earlier one\n");
    write_text(file, std::string("\0\0\0", 3));
    const KeptLoad load = load_kept_file(file, kLimit, clock, "bookmarks");
    EXPECT_EQ(load.state, KeptText::State::damaged);
    EXPECT_EQ(load.kept_as, folder / "bookmarks.csv.damaged-20261209T061302Z-2");
    EXPECT_EQ(load.message, "Bookmarks file " + file.string() +
                                " is damaged (it holds binary data); it is kept as "
                                "bookmarks.csv.damaged-20261209T061302Z-2 and a fresh one is "
                                "started");
    EXPECT_TRUE(load.writable);
    EXPECT_TRUE(load.text.empty());
    EXPECT_EQ(read_text(folder / "bookmarks.csv.damaged-20261209T061302Z"), "an earlier one\n");
    EXPECT_EQ(read_text(load.kept_as), std::string("\0\0\0", 3));
    EXPECT_FALSE(fs::exists(file));
}

TEST(KeptFile, EveryHostileFileIsKeptAsideAsItWas) {
    for (const test::Hostile& h : test::hostile_files()) {
        SCOPED_TRACE(h.name);
        test::TempFolder folder;
        const fs::path file = folder / "timers.txt";
        if (!h.make(file)) continue;
        const std::string before = test::fingerprint(file);
        FixedClock clock(kNow);
        const KeptLoad load = load_kept_file(file, kLimit, clock, "timers");
        ASSERT_EQ(load.kept_as, folder / "timers.txt.damaged-20261209T061302Z");
        EXPECT_NE(load.message.find("(" + h.problem + ")"), std::string::npos) << load.message;
        EXPECT_EQ(test::fingerprint(load.kept_as), before);
        EXPECT_FALSE(fs::exists(fs::symlink_status(file)));
        // A link's target is untouched, as is what a folder holds.
        if (h.name == "link_to_a_file") {
            EXPECT_EQ(read_text(folder / test::kLinkTarget), test::kLinkText);
        }
        if (h.name == "folder") {
            EXPECT_EQ(read_text(load.kept_as / "inside.txt"), "kept\n");
        }
    }
}

TEST(KeptFile, AFileThatCannotBeReadIsKeptAsideAndAFreshOneStarted) {
    test::TempFolder folder;
    const fs::path file = folder / "timers.txt";
    test::make_unreadable(file);
    const std::string before = test::fingerprint(file);
    const std::optional<std::string> message = test::unprivileged([&] {
        const FixedClock clock(kNow);
        const KeptLoad load = load_kept_file(file, kLimit, clock, "timers");
        return load.message + (load.writable ? "" : " (not writable)");
    });
    if (!message) GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(*message, "Timers file " + file.string() +
                            " cannot be opened: Permission denied; it is kept as "
                            "timers.txt.damaged-20261209T061302Z and a fresh one is started");
    EXPECT_EQ(test::fingerprint(folder / "timers.txt.damaged-20261209T061302Z"), before);
    EXPECT_FALSE(fs::exists(file));
}

TEST(KeptFile, AFileCutShortKeepsItsWholeLines) {
    test::TempFolder folder;
    const fs::path file = folder / "bookmarks.csv";
    write_text(file, "first line\nsecond line\nthird li");
    FixedClock clock(kNow);
    const KeptLoad load = load_kept_file(file, kLimit, clock, "bookmarks");
    EXPECT_EQ(load.text, "first line\nsecond line\n");
    EXPECT_NE(load.message.find("is damaged (it is cut short)"), std::string::npos);
    EXPECT_EQ(read_text(load.kept_as), "first line\nsecond line\nthird li");
    // A whole file, and an empty one, are read as they are.
    write_text(file, "whole\n");
    EXPECT_EQ(load_kept_file(file, kLimit, clock, "bookmarks").message, "");
    write_text(file, "");
    EXPECT_EQ(load_kept_file(file, kLimit, clock, "bookmarks").state, KeptText::State::read);
}

TEST(KeptFile, AFileThatCannotBeMovedIsLeftAndNotWritten) {
    test::TempFolder folder;
    const fs::path file = folder / "cfg" / "bookmarks.csv";
    fs::create_directory(folder / "cfg");
    write_text(file, std::string("\0", 1));
    // Every name it could take is taken.
    write_text(folder / "cfg" / "bookmarks.csv.damaged-20261209T061302Z", "");
    for (int n = 2; n <= 100; ++n)
        write_text(folder / "cfg" / ("bookmarks.csv.damaged-20261209T061302Z-" + std::to_string(n)),
                   "");
    FixedClock clock(kNow);
    const KeptLoad load = load_kept_file(file, kLimit, clock, "bookmarks");
    EXPECT_FALSE(load.writable);
    EXPECT_TRUE(load.kept_as.empty());
    EXPECT_NE(load.message.find("cannot be moved aside (every name for it is taken); it is left "
                                "as it is and not written"),
              std::string::npos)
        << load.message;
    EXPECT_EQ(read_text(file), std::string("\0", 1));
}

TEST(KeptFile, WritingMakesTheFolderAndReplacesAtOnce) {
    test::TempFolder folder;
    const fs::path file = folder / "config" / "zenka" / "timers.txt";
    EXPECT_EQ(write_kept_text(file, "one\n"), "");
    EXPECT_EQ(read_text(file), "one\n");
    EXPECT_EQ(write_kept_text(file, "two\n"), "");
    EXPECT_EQ(read_text(file), "two\n");
    EXPECT_EQ(names_in(file.parent_path()), std::set<std::string>{"timers.txt"});
    // A link there is replaced, never written through.
    write_text(folder / "other.txt", "theirs\n");
    fs::remove(file);
    fs::create_symlink(folder / "other.txt", file);
    EXPECT_EQ(write_kept_text(file, "three\n"), "");
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(read_text(folder / "other.txt"), "theirs\n");
    // A folder that cannot be made is said so.
    write_text(folder / "plain", "a file\n");
    EXPECT_EQ(write_kept_text(folder / "plain" / "zenka" / "t.txt", "x\n"),
              "cannot make the folder " + (folder / "plain" / "zenka").string() +
                  ": Not a directory");
}

} // namespace
} // namespace zenka
