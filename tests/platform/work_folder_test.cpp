#include "platform/work_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zenka {
namespace {

using test::names_in;

TEST(WorkFolder, IsPrivateAndGoesWithEverythingInIt) {
    test::TempFolder parent;
    std::filesystem::path made;
    {
        WorkFolder folder(parent.path());
        ASSERT_TRUE(folder.ok()) << folder.error();
        made = folder.path();
        EXPECT_EQ(made.parent_path(), parent.path());
        struct stat st {};
        ASSERT_EQ(::stat(made.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        std::ofstream(made / "ZENKA00.WAV") << "RIFF";
        std::ofstream(made / "ZENKA09.WAV") << "RIFF";
    }
    EXPECT_FALSE(std::filesystem::exists(made));
}

TEST(WorkFolder, TwoRunsGetTwoFolders) {
    test::TempFolder parent;
    const WorkFolder one(parent.path());
    std::ofstream(one.path() / "ZENKA00.WAV") << "RIFF";
    const WorkFolder two(parent.path());
    EXPECT_NE(one.path(), two.path());
    EXPECT_TRUE(std::filesystem::exists(one.path() / "ZENKA00.WAV")); // a living run's
}

TEST(WorkFolder, AFolderThatCannotBeMadeSaysWhy) {
    test::TempFolder parent;
    WorkFolder folder(parent / "missing");
    EXPECT_FALSE(folder.ok());
    EXPECT_EQ(folder.error(), "cannot make a working folder in " + (parent / "missing").string() +
                                  ": No such file or directory");
}

TEST(WorkFolder, DefaultsToTheRuntimeFolder) {
    test::TempFolder runtime;
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = old ? old : "";
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    {
        WorkFolder folder;
        ASSERT_TRUE(folder.ok());
        EXPECT_EQ(folder.path().parent_path(), runtime.path());
    }
    if (old)
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
}

// A run in a child process: it makes its working folder in `parent`, writes a
// channel file there, says the folder's path and lives until it is killed, or
// with `exits` ends at once by exit(1), past the destructors on its stack.
class ChildRun {
  public:
    explicit ChildRun(const std::filesystem::path& parent, bool exits = false) {
        int said[2];
        if (::pipe(said) != 0) throw std::runtime_error("pipe failed");
        pid_ = ::fork();
        if (pid_ < 0) throw std::runtime_error("fork failed");
        if (pid_ == 0) {
            ::close(said[0]);
            const WorkFolder folder(parent);
            std::ofstream(folder.path() / "ZENKA00.WAV") << "RIFF";
            const std::string line = folder.path().string() + "\n";
            if (::write(said[1], line.data(), line.size()) < 0) ::_exit(2);
            if (exits) std::exit(1);
            for (;;)
                ::pause();
        }
        ::close(said[1]);
        std::string line;
        char c = 0;
        while (::read(said[0], &c, 1) == 1 && c != '\n')
            line += c;
        ::close(said[0]);
        folder_ = line;
    }
    ~ChildRun() { kill(); }
    ChildRun(const ChildRun&) = delete;
    ChildRun& operator=(const ChildRun&) = delete;

    // As SIGKILL or a power loss ends a run: nothing of it cleans up.
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    // The exit status of a run that ends by itself; -1 when it did not exit.
    int wait() {
        int status = 0;
        if (pid_ <= 0 || ::waitpid(pid_, &status, 0) != pid_) return -1;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    const std::filesystem::path& folder() const { return folder_; }

  private:
    pid_t pid_ = -1;
    std::filesystem::path folder_;
};

// A folder as a run leaves it behind: mode 0700, the marker, a channel file and a
// lock nobody holds.
void make_left_folder(const std::filesystem::path& folder) {
    std::filesystem::create_directory(folder);
    ::chmod(folder.c_str(), 0700);
    std::ofstream(folder / "marker") << WorkFolder::kMarkerText;
    std::ofstream(folder / "lock");
    std::ofstream(folder / "ZENKA03.WAV") << "RIFF";
}

std::set<std::string> left_folder_files() {
    return {"ZENKA03.WAV", "lock", "marker"};
}

TEST(WorkFolder, AKilledRunsFolderGoesAtTheNextStartALivingRunsStays) {
    test::TempFolder parent;
    ChildRun run(parent.path());
    ASSERT_EQ(run.folder().parent_path(), parent.path());
    {
        const WorkFolder next(parent.path());
        EXPECT_TRUE(std::filesystem::exists(run.folder() / "ZENKA00.WAV"));
    }
    run.kill();
    ASSERT_TRUE(std::filesystem::exists(run.folder() / "ZENKA00.WAV"));
    const WorkFolder next(parent.path());
    EXPECT_EQ(names_in(parent.path()), std::set<std::string>{next.path().filename().string()});
}

TEST(WorkFolder, AFolderWithAFreeLockGoesOneWithoutALockOrMarkerStays) {
    test::TempFolder parent;
    make_left_folder(parent / "zenka-Left01");
    make_left_folder(parent / "zenka-Making"); // its run has not locked it yet
    std::filesystem::remove(parent / "zenka-Making" / "lock");
    make_left_folder(parent / "zenka-Locked"); // its run has not written the marker yet
    std::filesystem::remove(parent / "zenka-Locked" / "marker");
    const WorkFolder folder(parent.path());
    EXPECT_FALSE(std::filesystem::exists(parent / "zenka-Left01"));
    EXPECT_EQ(names_in(parent / "zenka-Making"), (std::set<std::string>{"ZENKA03.WAV", "marker"}));
    EXPECT_EQ(names_in(parent / "zenka-Locked"), (std::set<std::string>{"ZENKA03.WAV", "lock"}));
}

TEST(WorkFolder, ANewFolderCarriesTheMarkAKilledRunIsKnownBy) {
    test::TempFolder parent;
    const WorkFolder folder(parent.path());
    EXPECT_EQ(names_in(folder.path()), (std::set<std::string>{"lock", "marker"}));
    EXPECT_EQ(test::read_text(folder.path() / "marker"), WorkFolder::kMarkerText);
    const std::string name = folder.path().filename().string();
    EXPECT_EQ(name.size(), 12u);
    EXPECT_TRUE(name.starts_with("zenka-")) << name;
}

// Folders of the user's that only look like a run's: a name beginning with
// zenka-, even a free `lock` in them. They stay with all they hold.
TEST(WorkFolder, AUsersOwnZenkaFoldersStayWhateverTheyHold) {
    test::TempFolder parent;
    namespace fs = std::filesystem;
    // The user's photos, with a lock file of some other program.
    fs::create_directory(parent / "zenka-photos");
    std::ofstream(parent / "zenka-photos" / "lock");
    std::ofstream(parent / "zenka-photos" / "harbour.jpg") << "JFIF";
    // A run's folder in every respect but one.
    const std::vector<std::pair<std::string, std::function<void(const fs::path&)>>> almost = {
        {"zenka-NoMark", [](const fs::path& f) { fs::remove(f / "marker"); }},
        {"zenka-BadMrk", [](const fs::path& f) { std::ofstream(f / "marker") << "mine\n"; }},
        {"zenka-LnMark",
         [](const fs::path& f) {
             fs::rename(f / "marker", f.parent_path() / "real-marker");
             fs::create_symlink(f.parent_path() / "real-marker", f / "marker");
         }},
        {"zenka-Opened", [](const fs::path& f) { ::chmod(f.c_str(), 0755); }},
        {"zenka-Notes1", [](const fs::path& f) { std::ofstream(f / "notes.txt") << "mine"; }},
        {"zenka-Inside", [](const fs::path& f) { fs::create_directory(f / "ZENKA04.WAV"); }},
        {"zenka-Linked",
         [](const fs::path& f) {
             fs::create_symlink(f.parent_path() / "keep", f / "ZENKA05.WAV");
         }},
        {"zenka-longer-name", [](const fs::path&) {}},
        {"zenka-abc", [](const fs::path&) {}},
        {"zenka-Wr0ng!", [](const fs::path&) {}},
    };
    std::ofstream(parent / "keep") << "the user's";
    std::map<std::string, std::set<std::string>> before;
    for (const auto& [name, spoil] : almost) {
        make_left_folder(parent / name);
        spoil(parent / name);
        before[name] = names_in(parent / name);
    }
    make_left_folder(parent / "zenka-Left09"); // the one that goes

    const WorkFolder folder(parent.path());
    EXPECT_FALSE(fs::exists(parent / "zenka-Left09"));
    EXPECT_EQ(names_in(parent / "zenka-photos"), (std::set<std::string>{"harbour.jpg", "lock"}));
    EXPECT_EQ(test::read_text(parent / "zenka-photos" / "harbour.jpg"), "JFIF");
    for (const auto& [name, files] : before)
        EXPECT_EQ(names_in(parent / name), files) << name;
    EXPECT_EQ(test::read_text(parent / "keep"), "the user's");
    EXPECT_EQ(test::read_text(parent / "real-marker"), WorkFolder::kMarkerText);
}

TEST(WorkFolder, LinksAreNeverFollowed) {
    test::TempFolder parent, elsewhere;
    make_left_folder(elsewhere / "zenka-Target");
    std::filesystem::create_directory_symlink(elsewhere / "zenka-Target", parent / "zenka-Linked");
    const WorkFolder folder(parent.path());
    EXPECT_TRUE(std::filesystem::is_symlink(parent / "zenka-Linked"));
    EXPECT_EQ(names_in(elsewhere / "zenka-Target"), left_folder_files());
    EXPECT_EQ(test::read_bytes(elsewhere / "zenka-Target" / "ZENKA03.WAV").size(), 4u);
}

// As Qt ends the panel when the display goes away: by exit().
TEST(WorkFolder, ARunEndedByExitTakesItsFolderAlongAForkedChildLeavesItsParents) {
    test::TempFolder parent;
    const WorkFolder mine(parent.path());
    ChildRun run(parent.path(), true);
    ASSERT_EQ(run.wait(), 1);
    ASSERT_EQ(run.folder().parent_path(), parent.path());
    EXPECT_FALSE(std::filesystem::exists(run.folder()));
    EXPECT_EQ(names_in(parent.path()), std::set<std::string>{mine.path().filename().string()});
    EXPECT_EQ(names_in(mine.path()), (std::set<std::string>{"lock", "marker"}));
}

TEST(WorkFolder, OtherNamesFilesAndOtherUsersFoldersAreLeftAlone) {
    test::TempFolder parent;
    make_left_folder(parent / "radio-Left03");
    std::ofstream(parent / "zenka-file") << "kept";
    make_left_folder(parent / "zenka-Others");
    // Only root can give a folder to another user; without that the case is moot.
    const bool foreign = ::chown((parent / "zenka-Others").c_str(), 65534, 65534) == 0;

    const WorkFolder folder(parent.path());
    EXPECT_EQ(names_in(parent / "radio-Left03"), left_folder_files());
    EXPECT_EQ(test::read_bytes(parent / "zenka-file").size(), 4u);
    EXPECT_EQ(std::filesystem::exists(parent / "zenka-Others"), foreign);
}

} // namespace
} // namespace zenka
