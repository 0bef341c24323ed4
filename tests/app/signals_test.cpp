// SIGINT, SIGTERM and SIGHUP in the middle of a render, a played keying or the
// panel's start: the partial file and the working folder go, and the process
// ends with the signal's own status.

#include "support/run_command.h"
#include "support/spawn_zenka.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace zenka {
namespace {

namespace fs = std::filesystem;
using test::names_in;

bool has_name_starting(const fs::path& folder, const std::string& prefix) {
    for (const std::string& name : names_in(folder))
        if (name.starts_with(prefix)) return true;
    return false;
}

// Sends `sig` once `ready` holds and returns how the process ended.
int interrupt(pid_t pid, int sig, const std::function<bool()>& ready) {
    const bool seen = test::wait_for(ready);
    ::kill(pid, sig);
    EXPECT_TRUE(seen) << "the process never got that far";
    return test::finish(pid, std::chrono::seconds(10));
}

TEST(Signals, ARenderCutShortLeavesNeitherPartNorWorkingFolder) {
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        test::TempFolder runtime, out;
        const pid_t pid =
            test::start_zenka({"XDG_RUNTIME_DIR=" + runtime.path().string()},
                              {"render", "--freq", "500", "--at", "2026-12-08T06:13:02Z",
                               "--seconds", "3000", "--out", (out / "distress.wav").string()},
                              "/dev/null");
        ASSERT_GT(pid, 0);
        const int status =
            interrupt(pid, sig, [&] { return has_name_starting(out.path(), ".distress.wav."); });
        EXPECT_EQ(status, 128 + sig);
        EXPECT_TRUE(fs::is_empty(out.path())) << sig;
        EXPECT_TRUE(fs::is_empty(runtime.path())) << sig;
    }
}

TEST(Signals, APlayedKeyingCutShortLeavesNoWorkingFolder) {
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        test::TempFolder runtime;
        const pid_t pid = test::start_zenka(
            {"XDG_RUNTIME_DIR=" + runtime.path().string(), "SDL_AUDIODRIVER=dummy"},
            {"key", "--play", "--wpm", "5", "CQ CQ CQ DE DDK DDK DDK"}, "/dev/null");
        ASSERT_GT(pid, 0);
        // The channel file is written and playing.
        const int status = interrupt(pid, sig, [&] {
            for (const std::string& name : names_in(runtime.path()))
                if (fs::exists(runtime / name / "ZENKA00.WAV")) return true;
            return false;
        });
        EXPECT_EQ(status, 128 + sig);
        EXPECT_TRUE(fs::is_empty(runtime.path())) << sig;
    }
}

TEST(Signals, ThePanelCutShortWhileStartingLeavesNoWorkingFolder) {
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        test::TempFolder runtime;
        const pid_t pid = test::start_zenka({"XDG_RUNTIME_DIR=" + runtime.path().string(),
                                             "QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=dummy"},
                                            {}, "/dev/null");
        ASSERT_GT(pid, 0);
        // As soon as the working folder is there: before the sound output has started.
        const int status =
            interrupt(pid, sig, [&] { return has_name_starting(runtime.path(), "zenka-"); });
        EXPECT_EQ(status, 128 + sig);
        EXPECT_EQ(names_in(runtime.path()), std::set<std::string>{"zenka.lock"}) << sig;
    }
}

// SIGKILL cannot be caught: the partial file and the working folder stay, and
// the next run that writes into that folder, or starts, removes them.
TEST(Signals, WhatAKilledRenderLeavesGoesWithTheNextRun) {
    test::TempFolder runtime, out;
    const std::string env = "XDG_RUNTIME_DIR=" + runtime.path().string();
    const pid_t pid =
        test::start_zenka({env},
                          {"render", "--freq", "500", "--at", "2026-12-08T06:13:02Z", "--seconds",
                           "3000", "--out", (out / "distress.wav").string()},
                          "/dev/null");
    ASSERT_GT(pid, 0);
    EXPECT_EQ(
        interrupt(pid, SIGKILL, [&] { return has_name_starting(out.path(), ".distress.wav."); }),
        128 + SIGKILL);
    ASSERT_EQ(names_in(out.path()).size(), 1u);
    ASSERT_TRUE(has_name_starting(runtime.path(), "zenka-"));

    const test::Ran next = test::run(
        env + " " +
        test::zenka("render --freq 500 --seconds 0.1 --out " + (out / "next.wav").string()));
    EXPECT_EQ(next.status, 0) << next.out;
    EXPECT_EQ(names_in(out.path()), std::set<std::string>{"next.wav"});
    EXPECT_TRUE(fs::is_empty(runtime.path()));
}

} // namespace
} // namespace zenka
