// The band window's settings file: a hostile one is set aside before Qt reads
// it, and --reset-settings moves it aside, never removing it.

#include "platform/settings_file.h"
#include "support/hostile_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <optional>

namespace zenka {
namespace {

namespace fs = std::filesystem;

const UtcInstant kNow = *parse_utc("2026-12-09T06:13:02Z");
constexpr const char* kSettings =
    "[General]\nplainAudio=false\n\n[window]\ngeometry=@Rect(0 0 800 600)\n";

TEST(SettingsFile, ASoundOrAbsentFileIsLeftToQt) {
    test::TempFolder folder;
    const FixedClock clock(kNow);
    const fs::path file = folder / "zenka.conf";
    EXPECT_EQ(check_settings_file(file, clock).message, "");
    test::write_text(file, kSettings);
    const SettingsCheck check = check_settings_file(file, clock);
    EXPECT_EQ(check.message, "");
    EXPECT_TRUE(check.usable);
    EXPECT_EQ(test::read_text(file), kSettings);
}

TEST(SettingsFile, AHostileFileIsKeptAsideBeforeQtReadsIt) {
    std::vector<test::Hostile> cases = test::hostile_files();
    cases.push_back({"cut_short",
                     [](const fs::path& p) {
                         test::write_text(p, std::string(kSettings).substr(0, 30));
                         return true;
                     },
                     "it is cut short"});
    for (const test::Hostile& h : cases) {
        SCOPED_TRACE(h.name);
        test::TempFolder folder;
        const FixedClock clock(kNow);
        const fs::path file = folder / "zenka.conf";
        if (!h.make(file)) continue;
        const std::string before = test::fingerprint(file);
        const std::string problem = h.name == "huge" ? "it is larger than 1 MB" : h.problem;
        const SettingsCheck check = check_settings_file(file, clock);
        EXPECT_EQ(check.message, "Settings file " + file.string() + " is damaged (" + problem +
                                     "); it is kept as zenka.conf.damaged-20261209T061302Z and a "
                                     "fresh one is started");
        EXPECT_TRUE(check.usable);
        EXPECT_EQ(test::fingerprint(folder / "zenka.conf.damaged-20261209T061302Z"), before);
        EXPECT_FALSE(fs::exists(fs::symlink_status(file)));
    }
    test::TempFolder folder;
    const fs::path file = folder / "zenka.conf";
    test::make_unreadable(file);
    const std::optional<std::string> message =
        test::unprivileged([&] { return check_settings_file(file, FixedClock(kNow)).message; });
    if (!message) GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(*message, "Settings file " + file.string() +
                            " cannot be opened: Permission denied; it is kept as "
                            "zenka.conf.damaged-20261209T061302Z and a fresh one is started");
}

TEST(SettingsFile, AResetMovesTheSettingsAsideAndSaysWhere) {
    test::TempFolder folder;
    const FixedClock clock(kNow);
    const fs::path file = folder / "zenka.conf";
    test::write_text(file, kSettings);
    const SettingsReset first = reset_settings_file(file, clock);
    const fs::path aside = folder / "zenka.conf.reset-20261209T061302Z";
    EXPECT_TRUE(first.ok);
    EXPECT_EQ(first.message, "settings reset: the old settings are kept as " + aside.string() +
                                 "; starting afresh");
    EXPECT_EQ(test::read_text(aside), kSettings);
    EXPECT_FALSE(fs::exists(file));
    // Nothing there: nothing to move.
    const SettingsReset none = reset_settings_file(file, clock);
    EXPECT_TRUE(none.ok);
    EXPECT_EQ(none.message,
              "no settings to reset: " + file.string() + " is not there; starting afresh");
    // Again within the second: the earlier one stays, the next takes a new name.
    test::write_text(file, "[General]\n");
    const SettingsReset again = reset_settings_file(file, clock);
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(test::read_text(folder / "zenka.conf.reset-20261209T061302Z-2"), "[General]\n");
    EXPECT_EQ(test::read_text(aside), kSettings);
    // A folder in the way of its move: said so, and left.
    test::write_text(folder / "plain", "a file");
    const SettingsReset blocked = reset_settings_file(folder / "plain" / "zenka.conf", clock);
    EXPECT_FALSE(blocked.ok);
    EXPECT_EQ(blocked.message,
              "cannot reset the settings: " + (folder / "plain" / "zenka.conf").string() +
                  ": Not a directory");
}

} // namespace
} // namespace zenka
