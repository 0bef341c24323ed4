// Bookmarks: the exchange layout of SDR programs' bookmark files, written and
// read back exactly, other programs' files read line by line, and the kept
// file that survives restarts and damage.

#include "shell/bookmark_store.h"
#include "support/hostile_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace zenka {
namespace {

namespace fs = std::filesystem;

const UtcInstant kNow = *parse_utc("2026-12-09T06:13:02Z");

TEST(BookmarkTable, WritesTheLayoutGqrxReads) {
    const std::vector<Bookmark> bookmarks = {
        {"Norddeich Radio", 5000, "Calls ships on the hour\nQSX 500", {"Coast", "Germany"}},
        {"NDB \"OE\"", 3525, "", {}},
        {"50%; or not", 10004, "", {"a,b"}},
    };
    EXPECT_EQ(write_bookmark_table(bookmarks),
              "# Tag name          ;  color\n"
              "Coast               ; #c0c0c0\n"
              "Germany             ; #c0c0c0\n"
              "a%2Cb               ; #c0c0c0\n"
              "\n"
              "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
              "# Note: Calls ships on the hour\n"
              "# Note: QSX 500\n"
              "      500000; Norddeich Radio          ; CW-U                ;       2000; "
              "Coast,Germany\n"
              "      352500; NDB \"OE\"                 ; CW-U                ;       2000; "
              "Untagged\n"
              "     1000400; 50%%3B or not            ; CW-U                ;       2000; a%2Cb\n");
}

TEST(BookmarkTable, ReadsAnSdrProgramsFileAndNamesEveryLineItSkips) {
    const BookmarkTable t = read_bookmark_table(
        "# Tag name          ;  color\n"
        "Untagged            ; #c0c0c0\n"
        "Marine              ; #00aaff\n"
        "\n"
        "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
        "      500000; Distress and calling     ; CW-U                ;        500; Marine\n"
        "      518000; NAVTEX                   ; USB                 ;       2400; Marine, "
        "Untagged ,Weather\n"
        "     7074000; FT8                      ; USB                 ;       2800; Untagged\n"
        "      500050; Between the steps        ; CW-L                ;        500; Untagged\n"
        "        9999; Below the band           ; CW-L                ;        500; Untagged\n"
        "         abc; Not a number             ; CW-L                ;        500; Untagged\n"
        "    -500000 ; Negative                 ; CW-L                ;        500; Untagged\n"
        "      135600; Too few fields ; CW\n"
        "99999999999999999999999; Huge  ; CW ; 0 ; x\n"
        "       10000;Bottom;AM;x;\n");
    ASSERT_EQ(t.bookmarks.size(), 3u);
    EXPECT_EQ(t.bookmarks[0], (Bookmark{"Distress and calling", 5000, "", {"Marine"}}));
    EXPECT_EQ(t.bookmarks[1], (Bookmark{"NAVTEX", 5180, "", {"Marine", "Weather"}}));
    EXPECT_EQ(t.bookmarks[2], (Bookmark{"Bottom", 100, "", {}}));
    const std::vector<std::string> expected = {
        "line 8: 7074000 Hz is outside 10.0 - 1000.4 kHz",
        "line 9: 500050 Hz is not on the dial's 0.1 kHz steps",
        "line 10: 9999 Hz is outside 10.0 - 1000.4 kHz",
        "line 11: not a frequency in Hz: 'abc'",
        "line 12: not a frequency in Hz: '-500000'",
        "line 13: not a bookmark (frequency; name; modulation; bandwidth; tags)",
        "line 14: not a frequency in Hz: '99999999999999999999999'",
    };
    EXPECT_EQ(t.problems, expected);
}

// Text with what a bookmark file finds hard: separators, quotes, '%' and '#',
// escapes that are not escapes, blanks at the ends, line ends, non-ASCII.
std::string odd_text(std::mt19937& random, bool lines) {
    static const std::vector<std::string> pieces = {"a",
                                                    "Z",
                                                    "0",
                                                    " ",
                                                    ";",
                                                    ",",
                                                    "\"",
                                                    "'",
                                                    "%",
                                                    "%41",
                                                    "%2C",
                                                    "%%",
                                                    "#",
                                                    "\\",
                                                    "\t",
                                                    "\xC3\xA9",
                                                    "\xE6\x97\xA5",
                                                    "\xF0\x9F\x93\xBB",
                                                    "\xD0\x96",
                                                    "Untagged",
                                                    "# Note:",
                                                    "\r"};
    std::string s;
    const int n = static_cast<int>(random() % 12);
    for (int i = 0; i < n; ++i) {
        if (lines && random() % 6 == 0)
            s += '\n';
        else
            s += pieces[random() % pieces.size()];
    }
    return s;
}

TEST(BookmarkTable, AnExportReadsBackAsTheSameBookmarks) {
    std::mt19937 random(2026);
    for (int round = 0; round < 500; ++round) {
        std::vector<Bookmark> bookmarks;
        const int n = static_cast<int>(random() % 6);
        for (int i = 0; i < n; ++i) {
            Bookmark b;
            b.name = odd_text(random, true);
            b.freq = 100 + static_cast<int>(random() % 9905);
            b.note = odd_text(random, true);
            for (int k = static_cast<int>(random() % 4); k > 0; --k)
                b.tags.push_back(odd_text(random, false));
            bookmarks.push_back(BookmarkStore::normalised(std::move(b)));
        }
        const std::string text = write_bookmark_table(bookmarks);
        const BookmarkTable back = read_bookmark_table(text);
        ASSERT_TRUE(back.problems.empty()) << text << testing::PrintToString(back.problems);
        ASSERT_EQ(back.bookmarks, bookmarks) << text;
        // One line per bookmark and per line of its note, and no other line ends.
        std::size_t lines = 0;
        for (const Bookmark& b : bookmarks)
            lines += 1 + (b.note.empty() ? 0
                                         : 1 + static_cast<std::size_t>(
                                                   std::count(b.note.begin(), b.note.end(), '\n')));
        const std::size_t tags_lines = static_cast<std::size_t>(std::count(
            text.begin(), text.begin() + static_cast<std::ptrdiff_t>(text.find("\n\n")), '\n'));
        EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
                  tags_lines + 3 + lines);
    }
}

TEST(BookmarkStore, BookmarksSurviveARestart) {
    test::TempFolder folder;
    FixedClock clock(kNow);
    const fs::path file = folder / "zenka" / "bookmarks.csv";
    {
        BookmarkStore store(file, clock);
        EXPECT_EQ(store.load(), "");
        EXPECT_EQ(
            store.add({"Norddeich Radio", 5000, "QSX 500\nevery hour", {" Coast ", "", "Coast"}}),
            "");
        EXPECT_EQ(store.add({"Rugby", 160, "", {"Time"}}), "");
        EXPECT_EQ(store.add({"Off the dial", 10005, "", {}}),
                  "the frequency is not on the dial (10.0 - 1000.4 kHz)");
        EXPECT_EQ(store.add({"\xC3(", 5000, "", {}}), "a name, note or tag that is not UTF-8 text");
        EXPECT_EQ(store.replace(1, {"Rugby GBR", 160, "VLF", {"Time", "Navy"}}), "");
        EXPECT_EQ(store.add({"gone", 1000, "", {}}), "");
        EXPECT_EQ(store.remove(2), "");
        EXPECT_EQ(store.remove(2), "there is no such bookmark");
    }
    BookmarkStore store(file, clock);
    EXPECT_EQ(store.load(), "");
    const std::vector<Bookmark> expected = {
        {"Norddeich Radio", 5000, "QSX 500\nevery hour", {"Coast"}},
        {"Rugby GBR", 160, "VLF", {"Time", "Navy"}},
    };
    EXPECT_EQ(store.list(), expected);
    EXPECT_EQ(test::names_in(file.parent_path()), std::set<std::string>{"bookmarks.csv"});
}

TEST(BookmarkStore, AnExportIsImportedUnchangedAndOnlyOnce) {
    test::TempFolder folder;
    FixedClock clock(kNow);
    BookmarkStore store(folder / "a" / "bookmarks.csv", clock);
    ASSERT_EQ(store.load(), "");
    ASSERT_EQ(
        store.add({"Name; with \"quotes\"", 5000, "line 1\nline 2;%41", {"x,y", "\xE6\x97\xA5"}}),
        "");
    ASSERT_EQ(store.add({" blanks ", 100, " ", {"Navy"}}), "");
    ASSERT_EQ(store.export_to(folder / "out.csv"), "");

    BookmarkStore other(folder / "b" / "bookmarks.csv", clock);
    ASSERT_EQ(other.load(), "");
    const BookmarkStore::ImportReport report = other.import_from(folder / "out.csv");
    EXPECT_EQ(report.added, 2u);
    EXPECT_EQ(report.summary(folder / "out.csv"),
              "2 bookmarks imported from " + (folder / "out.csv").string());
    EXPECT_EQ(other.list(), store.list());
    // Again: nothing new.
    EXPECT_EQ(other.import_from(folder / "out.csv").summary(folder / "out.csv"),
              "0 bookmarks imported from " + (folder / "out.csv").string() + " (2 already there)");
    EXPECT_EQ(other.list().size(), 2u);
    // The kept file is itself that layout.
    EXPECT_EQ(test::read_text(folder / "b" / "bookmarks.csv"), test::read_text(folder / "out.csv"));
}

TEST(BookmarkStore, AnImportSaysWhatItSkippedAndNeverOpensWhatIsNoFile) {
    test::TempFolder folder;
    FixedClock clock(kNow);
    BookmarkStore store(folder / "bookmarks.csv", clock);
    ASSERT_EQ(store.load(), "");
    std::string lines = "\n";
    for (int i = 0; i < 5; ++i)
        lines += "7074000; FT8; USB; 2800; Untagged\n";
    lines += "500000; Calling; CW-U; 500; Marine\n";
    test::write_text(folder / "gqrx.csv", lines);
    EXPECT_EQ(store.import_from(folder / "gqrx.csv").summary(folder / "gqrx.csv"),
              "1 bookmark imported from " + (folder / "gqrx.csv").string() +
                  "; 5 lines skipped: line 2: 7074000 Hz is outside 10.0 - 1000.4 kHz; line 3: "
                  "7074000 Hz is outside 10.0 - 1000.4 kHz; line 4: 7074000 Hz is outside 10.0 - "
                  "1000.4 kHz; and 2 more");
    EXPECT_EQ(store.import_from(folder / "none.csv").summary(folder / "none.csv"),
              "cannot import " + (folder / "none.csv").string() + ": there is no such file");
    for (const test::Hostile& h : test::hostile_files()) {
        SCOPED_TRACE(h.name);
        const fs::path from = folder / ("import-" + h.name);
        if (!h.make(from)) continue;
        const std::string before = test::fingerprint(from);
        const BookmarkStore::ImportReport report = store.import_from(from);
        // A link the user names is followed, to a regular file.
        if (h.name == "link_to_a_file") {
            EXPECT_EQ(report.problems.size(), 1u);
            continue;
        }
        const std::string problem = h.name == "link_to_a_device" ? "it is a device"
                                    : h.name == "dangling_link"  ? "there is no such file"
                                                                 : h.problem;
        EXPECT_EQ(report.summary(from), "cannot import " + from.string() + ": " + problem);
        EXPECT_EQ(test::fingerprint(from), before); // the user's file stays where it is
    }
    EXPECT_EQ(store.list().size(), 1u);
}

TEST(BookmarkStore, ADamagedFileIsKeptAsideAndAFreshOneStarted) {
    for (const test::Hostile& h : test::hostile_files()) {
        SCOPED_TRACE(h.name);
        test::TempFolder folder;
        FixedClock clock(kNow);
        const fs::path file = folder / "bookmarks.csv";
        if (!h.make(file)) continue;
        const std::string before = test::fingerprint(file);
        BookmarkStore store(file, clock);
        EXPECT_EQ(store.load(), "Bookmarks file " + file.string() + " is damaged (" + h.problem +
                                    "); it is kept as bookmarks.csv.damaged-20261209T061302Z "
                                    "and a fresh one is started");
        EXPECT_EQ(test::fingerprint(folder / "bookmarks.csv.damaged-20261209T061302Z"), before);
        EXPECT_TRUE(store.list().empty());
        // A fresh file of the layout, and the next start reads it without a word.
        EXPECT_EQ(read_bookmark_table(test::read_text(file)).problems.size(), 0u);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
        EXPECT_EQ(store.add({"Norddeich", 5000, "", {}}), "");
        BookmarkStore again(file, clock);
        EXPECT_EQ(again.load(), "");
        EXPECT_EQ(again.list().size(), 1u);
        if (h.name == "link_to_a_file") {
            EXPECT_EQ(test::read_text(folder / test::kLinkTarget), test::kLinkText);
        }
    }
}

TEST(BookmarkStore, AFileThatCannotBeReadIsKeptAsideAndAFreshOneStarted) {
    test::TempFolder folder;
    const fs::path file = folder / "bookmarks.csv";
    test::make_unreadable(file);
    const std::string before = test::fingerprint(file);
    const std::optional<std::string> result = test::unprivileged([&] {
        FixedClock clock(kNow);
        BookmarkStore store(file, clock);
        const std::string message = store.load();
        return message + "|" + store.add({"Norddeich", 5000, "", {}});
    });
    if (!result) GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(*result, "Bookmarks file " + file.string() +
                           " cannot be opened: Permission denied; it is kept as "
                           "bookmarks.csv.damaged-20261209T061302Z and a fresh one is started|");
    EXPECT_EQ(test::fingerprint(folder / "bookmarks.csv.damaged-20261209T061302Z"), before);
    FixedClock clock(kNow);
    BookmarkStore store(file, clock);
    EXPECT_EQ(store.load(), "");
    EXPECT_EQ(store.list(), (std::vector<Bookmark>{{"Norddeich", 5000, "", {}}}));
}

TEST(BookmarkStore, AFileCutShortOrWithBadLinesKeepsWhatCanBeRead) {
    test::TempFolder folder;
    FixedClock clock(kNow);
    const fs::path file = folder / "bookmarks.csv";
    std::vector<Bookmark> three = {
        {"One", 1000, "", {}}, {"Two", 2000, "", {}}, {"Three", 3000, "", {}}};
    const std::string whole = write_bookmark_table(three);
    // Cut in the middle of the last line.
    test::write_text(file, whole.substr(0, whole.size() - 10));
    BookmarkStore store(file, clock);
    EXPECT_EQ(store.load(),
              "Bookmarks file " + file.string() +
                  " is damaged (it is cut short); it is kept as "
                  "bookmarks.csv.damaged-20261209T061302Z and a fresh one is started");
    EXPECT_EQ(store.list(), std::vector<Bookmark>(three.begin(), three.begin() + 2));
    EXPECT_EQ(test::read_text(file), write_bookmark_table(store.list()));
    // A line that is no bookmark.
    clock.advance(std::chrono::seconds(1));
    test::write_text(file, whole + "garbage\n");
    BookmarkStore bad(file, clock);
    EXPECT_EQ(bad.load(), "Bookmarks file " + file.string() +
                              " is damaged (line 7: not a bookmark (frequency; name; modulation; "
                              "bandwidth; tags)); it is kept as "
                              "bookmarks.csv.damaged-20261209T061303Z and a fresh one is started");
    EXPECT_EQ(bad.list(), three);
    EXPECT_EQ(test::read_text(folder / "bookmarks.csv.damaged-20261209T061303Z"),
              whole + "garbage\n");
}

} // namespace
} // namespace zenka
