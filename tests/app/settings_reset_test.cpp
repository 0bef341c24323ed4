// `zenka --reset-settings`: the settings file moved aside, never removed, and
// the receiver started afresh; a damaged settings file set aside at any start.

#include "support/spawn_zenka.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

namespace zenka {
namespace {

namespace fs = std::filesystem;

// Choices the listener made: plain audio on, recordings in FLAC into a folder of one's own.
constexpr const char* kSettings =
    "[listening]\nplain_audio=true\n[recording]\nfolder=/srv/radio\nformat=flac\n";

// Starts the receiver offscreen with its settings under `config`, waits until
// its log holds `line`, switches it off and gives the log.
std::string start_and_stop(const test::TempFolder& runtime, const test::TempFolder& config,
                           const std::vector<std::string>& args, const std::string& line) {
    const fs::path log = runtime / "log.txt";
    const pid_t pid = test::start_zenka({"XDG_RUNTIME_DIR=" + runtime.path().string(),
                                         "XDG_CONFIG_HOME=" + config.path().string(),
                                         "QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=dummy"},
                                        args, log);
    EXPECT_GT(pid, 0);
    const bool seen =
        test::wait_for([&] { return test::read_text(log).find(line) != std::string::npos; });
    ::kill(pid, SIGTERM);
    EXPECT_EQ(test::finish(pid, std::chrono::seconds(10)), 128 + SIGTERM);
    EXPECT_TRUE(seen) << test::read_text(log);
    return test::read_text(log);
}

TEST(ResetSettings, MovesTheSettingsAsideAndSaysWhere) {
    test::TempFolder runtime, config;
    const fs::path file = config / "zenka" / "zenka.conf";
    fs::create_directory(config / "zenka");
    test::write_text(file, kSettings);
    const std::string log =
        start_and_stop(runtime, config, {"--reset-settings"}, "zenka: settings reset");
    // The band window keeps its state in a fresh file; the old choices are not in it.
    if (fs::exists(file)) {
        const std::string fresh = test::read_text(file);
        for (const char* old : {"plain_audio=true", "/srv/radio", "format=flac"})
            EXPECT_EQ(fresh.find(old), std::string::npos) << old << " in " << fresh;
    }
    std::string aside;
    for (const std::string& name : test::names_in(config / "zenka"))
        if (name.starts_with("zenka.conf.reset-")) aside = name;
    ASSERT_FALSE(aside.empty()) << log;
    EXPECT_EQ(test::read_text(config / "zenka" / aside), kSettings);
    EXPECT_NE(log.find("zenka: settings reset: the old settings are kept as " +
                       (config / "zenka" / aside).string() + "; starting afresh\n"),
              std::string::npos)
        << log;
    // Nothing to reset the next time: said so, and nothing set aside.
    fs::remove(file);
    const std::string again =
        start_and_stop(runtime, config, {"--reset-settings"}, "zenka: no settings to reset");
    EXPECT_NE(again.find("zenka: no settings to reset: " + file.string() +
                         " is not there; starting afresh\n"),
              std::string::npos)
        << again;
    std::set<std::string> names = test::names_in(config / "zenka");
    names.erase("zenka.conf");
    EXPECT_EQ(names, std::set<std::string>{aside});
}

TEST(ResetSettings, ADamagedSettingsFileIsSetAsideAtAnyStart) {
    test::TempFolder runtime, config;
    const fs::path file = config / "zenka" / "zenka.conf";
    fs::create_directory(config / "zenka");
    test::write_text(file, std::string("\0\0binary", 8));
    const std::string log = start_and_stop(runtime, config, {}, "zenka: Settings file");
    EXPECT_NE(log.find("zenka: Settings file " + file.string() +
                       " is damaged (it holds binary data); it is kept as zenka.conf.damaged-"),
              std::string::npos)
        << log;
    if (fs::exists(file)) {
        EXPECT_EQ(test::read_text(file).find('\0'), std::string::npos);
    }
    std::set<std::string> names = test::names_in(config / "zenka");
    names.erase("zenka.conf");
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(names.begin()->starts_with("zenka.conf.damaged-"));
}

} // namespace
} // namespace zenka
