// The receiver on a real X server that goes away under it: Qt ends the process
// at once (status 1), and the working folder with its channel files goes too.
// Skipped where Xvfb is not installed.

#include "support/spawn_zenka.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace zenka {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

bool on_path(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path != nullptr ? path : "";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        if (end > start &&
            ::access((dirs.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// An X server of its own on a display it chooses (-displayfd), killed with the object.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        int said[2];
        if (::pipe(said) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, said[1], 3);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        std::vector<std::string> words = {"Xvfb", "-displayfd", "3", "-nolisten",
                                          "tcp",  "-screen",    "0", "1024x768x24"};
        std::vector<char*> argv;
        for (std::string& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        if (::posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(said[1]);
        char c = 0;
        while (pid_ > 0 && ::read(said[0], &c, 1) == 1 && c != '\n')
            number_ += c;
        ::close(said[0]);
    }
    ~VirtualDisplay() { kill(); }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool ok() const { return pid_ > 0 && !number_.empty(); }
    std::string name() const { return ":" + number_; }
    // As a crash of the server: nothing of it says goodbye.
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    pid_t pid_ = -1;
    std::string number_;
};

TEST(PanelProgram, LosingTheDisplayLeavesNoWorkingFolder) {
    if (!on_path("Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
    VirtualDisplay display;
    ASSERT_TRUE(display.ok());
    test::TempFolder runtime, logs;
    const pid_t pid =
        test::start_zenka({"DISPLAY=" + display.name(), "QT_QPA_PLATFORM=xcb",
                           "SDL_AUDIODRIVER=dummy", "XDG_RUNTIME_DIR=" + runtime.path().string()},
                          {"--at", "2026-12-08T06:13:02Z"}, logs / "zenka.log");
    ASSERT_GT(pid, 0);
    // The panel is up once its working folder has its lock.
    fs::path work;
    const bool up = test::wait_for([&] {
        for (const std::string& name : test::names_in(runtime.path()))
            if (name.starts_with("zenka-") && fs::exists(runtime / name / "lock")) {
                work = runtime / name;
                return true;
            }
        return false;
    });
    ASSERT_TRUE(up) << test::read_text(logs / "zenka.log");
    std::this_thread::sleep_for(500ms); // the first retune writes its channel files
    display.kill();
    EXPECT_EQ(test::finish(pid, 10s), 1) << test::read_text(logs / "zenka.log");
    EXPECT_FALSE(fs::exists(work));
    EXPECT_EQ(test::names_in(runtime.path()), std::set<std::string>{"zenka.lock"});
}

} // namespace
} // namespace zenka
