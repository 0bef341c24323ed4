// The copy practice log: its file written and read back exactly, kept across restarts and
// damage, and the summary's figures.

#include "platform/xdg_folders.h"
#include "shell/practice_log.h"
#include "support/hostile_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <random>

namespace zenka {
namespace {

namespace fs = std::filesystem;

const UtcInstant kNow = *parse_utc("2026-12-09T06:13:02Z");

// An attempt whose counts add up: `keyed` characters, of them `wrong` and `missed`, and
// `extra` typed beyond them.
PracticeAttempt attempt(int spd, Keying k, int keyed, int wrong, int missed, int extra) {
    PracticeAttempt a;
    a.at = kNow;
    a.freq = 5000;
    a.station = "coast_station_mf TEST/500";
    a.calls = {"DAN", "W1AW"};
    a.spd = spd;
    a.keying = k;
    a.qsa = 4;
    a.keyed = keyed;
    a.wrong = wrong;
    a.missed = missed;
    a.extra = extra;
    a.right = keyed - wrong - missed;
    a.copied = a.right + wrong + extra;
    return a;
}

// Text with what a tab-separated file finds hard: tabs, line ends, backslashes and what
// looks like their escapes, commas, '#' and non-ASCII.
std::string odd_text(std::mt19937& random) {
    static const std::vector<std::string> pieces = {
        "a", "Z", "0", " ", "\t", "\n", "\r", "\\", "\\t", "\\,", ",", "#", "%", "\xC3\xA9",
        "\xE6\x97\xA5", "/"};
    std::string s;
    for (int n = static_cast<int>(random() % 10); n > 0; --n)
        s += pieces[random() % pieces.size()];
    return s;
}

PracticeAttempt random_attempt(std::mt19937& random) {
    static constexpr Keying kinds[] = {Keying::machine, Keying::hand, Keying::bug, Keying::spark,
                                       Keying::f1};
    const int keyed = static_cast<int>(random() % 3000);
    const int wrong = keyed == 0 ? 0 : static_cast<int>(random() % (keyed + 1));
    const int missed = static_cast<int>(random() % (keyed - wrong + 1));
    PracticeAttempt a = attempt(1 + static_cast<int>(random() % 60), kinds[random() % 5], keyed,
                                wrong, missed, static_cast<int>(random() % 50));
    // Whole seconds mostly, and now and then a moment between them.
    a.at = kNow + std::chrono::seconds(random() % 100'000'000) +
           std::chrono::milliseconds(random() % 3 == 0 ? random() % 1000 : 0);
    a.freq = 100 + static_cast<int>(random() % 9905);
    a.station = odd_text(random);
    a.calls.clear();
    for (int n = static_cast<int>(random() % 4); n > 0; --n)
        if (std::string call = odd_text(random); !call.empty()) a.calls.push_back(call);
    a.qsa = static_cast<int>(random() % 6);
    return a;
}

TEST(PracticeLog, TheFileReadsBackAsTheSameAttempts) {
    std::mt19937 random(2026);
    for (int round = 0; round < 300; ++round) {
        std::vector<PracticeAttempt> attempts;
        for (int n = static_cast<int>(random() % 8); n > 0; --n)
            attempts.push_back(random_attempt(random));
        const std::string text = write_practice_table(attempts);
        const PracticeTable back = read_practice_table(text);
        ASSERT_TRUE(back.problems.empty()) << text << testing::PrintToString(back.problems);
        ASSERT_EQ(back.attempts, attempts) << text;
        // Two lines of heading, then one line an attempt, whatever its texts hold.
        ASSERT_EQ(std::count(text.begin(), text.end(), '\n'),
                  static_cast<std::ptrdiff_t>(2 + attempts.size()));
    }
    // As it is read by eye: the figures of the copy, the error rate in per cent.
    EXPECT_EQ(write_practice_table({attempt(18, Keying::hand, 40, 1, 2, 3)}),
              "# Zenka copy practice: one scored copy a line, tab-separated.\n"
              "# UTC\tkHz\tstation\tcalls\twpm\tkeying\tstrength\tkeyed\tcopied\tright\twrong\t"
              "missed\textra\terror rate\n"
              "2026-12-09T06:13:02Z\t500.0\tcoast_station_mf TEST/500\tDAN,W1AW\t18\thand\t4\t40\t"
              "41\t37\t1\t2\t3\t15.0%\n");
}

TEST(PracticeLog, EveryLineThatIsNoAttemptIsNamed) {
    const std::string good =
        "2026-12-09T06:13:02Z\t500.0\tX\tDAN\t18\thand\t4\t40\t41\t37\t1\t2\t3\t15.0%";
    const auto with = [&](std::size_t field, const std::string& value) {
        std::vector<std::string> f;
        std::string_view rest = good;
        for (std::size_t tab; (tab = rest.find('\t')) != std::string_view::npos;
             rest.remove_prefix(tab + 1))
            f.emplace_back(rest.substr(0, tab));
        f.emplace_back(rest);
        f[field] = value;
        std::string line;
        for (const std::string& x : f)
            line += (line.empty() ? "" : "\t") + x;
        return line;
    };
    const PracticeTable t = read_practice_table(
        "# heading\n\n" + good + "\n" + with(0, "yesterday") + "\n" + with(1, "1000.5") + "\n" +
        with(2, "bad\\escape") + "\n" + with(3, "DAN,,W1AW") + "\n" + with(4, "0") + "\n" +
        with(5, "paddle") + "\n" + with(6, "6") + "\n" + with(8, "-1") + "\n" + with(9, "36") +
        "\n" + with(13, "15.0") + "\n" + good + "\tmore\n");
    ASSERT_EQ(t.attempts.size(), 1u);
    EXPECT_EQ(t.attempts[0].calls, std::vector<std::string>{"DAN"});
    const std::vector<std::string> expected = {
        "line 4: not a UTC time: 'yesterday'",
        "line 5: not a frequency on the dial: '1000.5'",
        "line 6: a station or calls with a stray backslash",
        "line 7: an empty call: 'DAN,,W1AW'",
        "line 8: not a speed in wpm: '0'",
        "line 9: not a kind of keying: 'paddle'",
        "line 10: not a strength 0 - 5: '6'",
        "line 11: not a count of characters: '-1'",
        "line 12: counts that do not add up",
        "line 13: not an error rate in per cent: '15.0'",
        "line 14: not an attempt (14 fields separated by tabs)",
    };
    EXPECT_EQ(t.problems, expected);
}

TEST(PracticeLog, AttemptsSurviveARestart) {
    test::TempFolder folder;
    FixedClock clock(kNow);
    const fs::path file = folder / "data" / "zenka" / "practice.tsv";
    std::mt19937 random(7);
    std::vector<PracticeAttempt> added;
    {
        PracticeLog log(file, clock);
        EXPECT_EQ(log.load(), "");
        for (int i = 0; i < 40; ++i) {
            added.push_back(random_attempt(random));
            ASSERT_EQ(log.add(added.back()), "");
        }
        EXPECT_EQ(log.attempts(), added);
        // Not UTF-8: said so, and the file is left as it was.
        PracticeAttempt bad = attempt(18, Keying::hand, 4, 0, 0, 0);
        bad.station = "\xC3(";
        EXPECT_EQ(log.add(bad), "a station or call that is not UTF-8 text is not kept");
        // Nor what the next start would not read back as it was.
        PracticeAttempt off = attempt(18, Keying::hand, 4, 0, 0, 0);
        off.freq = 99;
        EXPECT_EQ(log.add(off), "not kept, not a frequency on the dial: '9.9'");
        off = attempt(18, Keying::hand, 4, 0, 0, 0);
        off.qsa = 7;
        EXPECT_EQ(log.add(off), "not kept, not a strength 0 - 5: '7'");
    }
    PracticeLog log(file, clock);
    EXPECT_EQ(log.load(), "");
    EXPECT_EQ(log.attempts(), added);
    EXPECT_EQ(test::names_in(file.parent_path()), std::set<std::string>{"practice.tsv"});
}

TEST(PracticeLog, ADamagedFileIsKeptAsideAndAFreshOneStarted) {
    for (const test::Hostile& h : test::hostile_files()) {
        SCOPED_TRACE(h.name);
        test::TempFolder folder;
        FixedClock clock(kNow);
        const fs::path file = folder / "practice.tsv";
        if (!h.make(file)) continue;
        const std::string before = test::fingerprint(file);
        PracticeLog log(file, clock);
        const std::string problem =
            h.name == "huge" ? std::string("it is larger than 16 MB") : h.problem;
        EXPECT_EQ(log.load(), "Practice log file " + file.string() + " is damaged (" + problem +
                                  "); it is kept as practice.tsv.damaged-20261209T061302Z and a "
                                  "fresh one is started");
        EXPECT_EQ(test::fingerprint(folder / "practice.tsv.damaged-20261209T061302Z"), before);
        EXPECT_TRUE(log.attempts().empty());
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
        EXPECT_EQ(log.add(attempt(18, Keying::hand, 40, 1, 2, 3)), "");
        PracticeLog again(file, clock);
        EXPECT_EQ(again.load(), "");
        EXPECT_EQ(again.attempts(), log.attempts());
        if (h.name == "link_to_a_file") {
            EXPECT_EQ(test::read_text(folder / test::kLinkTarget), test::kLinkText);
        }
    }
}

TEST(PracticeLog, AFileCutShortOrWithABadLineKeepsWhatCanBeRead) {
    test::TempFolder folder;
    FixedClock clock(kNow);
    const fs::path file = folder / "practice.tsv";
    const std::vector<PracticeAttempt> three = {attempt(10, Keying::machine, 5, 0, 0, 0),
                                                attempt(20, Keying::bug, 6, 1, 0, 0),
                                                attempt(30, Keying::spark, 7, 0, 1, 0)};
    const std::string whole = write_practice_table(three);
    test::write_text(file, whole.substr(0, whole.size() - 4));
    PracticeLog log(file, clock);
    EXPECT_EQ(log.load(), "Practice log file " + file.string() +
                              " is damaged (it is cut short); it is kept as "
                              "practice.tsv.damaged-20261209T061302Z and a fresh one is started");
    EXPECT_EQ(log.attempts(), std::vector<PracticeAttempt>(three.begin(), three.begin() + 2));
    EXPECT_EQ(test::read_text(file), write_practice_table(log.attempts()));

    clock.advance(std::chrono::seconds(1));
    test::write_text(file, whole + "garbage\n");
    PracticeLog bad(file, clock);
    EXPECT_EQ(bad.load(), "Practice log file " + file.string() +
                              " is damaged (line 6: not an attempt (14 fields separated by "
                              "tabs)); it is kept as practice.tsv.damaged-20261209T061303Z and a "
                              "fresh one is started");
    EXPECT_EQ(bad.attempts(), three);
    EXPECT_EQ(test::read_text(folder / "practice.tsv.damaged-20261209T061303Z"),
              whole + "garbage\n");
    EXPECT_EQ(test::read_text(file), whole);
}

TEST(PracticeSummary, AccuracyIsWeightedByTheCharactersKeyed) {
    const std::vector<PracticeAttempt> attempts = {
        attempt(8, Keying::machine, 20, 1, 1, 0), // 2 errors in 20
        attempt(12, Keying::hand, 50, 2, 2, 1),   // 5 in 50
        attempt(14, Keying::hand, 30, 0, 0, 0),   // none in 30
        attempt(25, Keying::bug, 10, 0, 0, 12),   // more errors than characters keyed
        attempt(19, Keying::spark, 40, 4, 0, 0),  // 4 in 40
    };
    const PracticeSummary s = summarise(attempts, 50);
    EXPECT_EQ(s.all.attempts, 5);
    EXPECT_EQ(s.all.keyed, 150);
    EXPECT_EQ(s.all.errors, 23);
    EXPECT_DOUBLE_EQ(s.all.accuracy(), 1.0 - 23.0 / 150.0);
    ASSERT_EQ(s.by_speed.size(), 5u);
    EXPECT_DOUBLE_EQ(s.by_speed[1].accuracy(), 1.0 - 5.0 / 80.0); // 12 and 14 wpm together
    EXPECT_EQ(s.by_speed[1].attempts, 2);
    EXPECT_EQ(s.by_speed[3].attempts, 0);
    EXPECT_EQ(s.by_speed[4].accuracy(), 0.0); // never below nothing right
    EXPECT_EQ(to_text(s), "5 copies, 150 characters keyed: 84.7% right.\n"
                          "By speed: < 10 wpm 90.0% (1); 10-14 wpm 93.8% (2); 15-19 wpm 90.0% "
                          "(1); 20-24 wpm none; 25+ wpm 0.0% (1).\n"
                          "By keying: machine 90.0% (1); hand 93.8% (2); bug 0.0% (1); spark "
                          "90.0% (1); F1 none.");
    // Only the last ones.
    const PracticeSummary last = summarise(attempts, 2);
    EXPECT_EQ(last.all.attempts, 2);
    EXPECT_EQ(last.all.keyed, 50);
    EXPECT_EQ(last.all.errors, 16);
    EXPECT_EQ(last.by_keying[0].attempts, 0);
    // Every band edge where it belongs.
    for (const auto& [spd, band] : std::initializer_list<std::pair<int, std::size_t>>{
             {1, 0}, {9, 0}, {10, 1}, {14, 1}, {15, 2}, {19, 2}, {20, 3}, {24, 3}, {25, 4},
             {99, 4}}) {
        const PracticeSummary one = summarise({attempt(spd, Keying::f1, 10, 1, 0, 0)}, 1);
        EXPECT_EQ(one.by_speed[band].attempts, 1) << spd;
        EXPECT_EQ(one.by_keying[4].attempts, 1) << spd;
    }
    EXPECT_EQ(to_text(summarise({}, 10)), "No copy scored yet.");
}

TEST(PracticeLog, TheFileIsInTheDataFolder) {
    EXPECT_EQ(practice_file({"/home/op", "", ""}), fs::path("/home/op/.local/share/zenka/practice.tsv"));
    EXPECT_EQ(practice_file({"/home/op", "", "", "/srv/data"}),
              fs::path("/srv/data/zenka/practice.tsv"));
    EXPECT_EQ(practice_file({"/home/op", "", "", "rel"}),
              fs::current_path() / "rel" / "zenka" / "practice.tsv");
}

} // namespace
} // namespace zenka
