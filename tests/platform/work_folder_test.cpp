#include "platform/work_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
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
// channel file there, says the folder's path and lives until it is killed.
class ChildRun {
  public:
    explicit ChildRun(const std::filesystem::path& parent) {
        int said[2];
        if (::pipe(said) != 0) throw std::runtime_error("pipe failed");
        pid_ = ::fork();
        if (pid_ < 0) throw std::runtime_error("fork failed");
        if (pid_ == 0) {
            ::close(said[0]);
            const WorkFolder folder(parent);
            std::ofstream(folder.path() / "ZENKA00.WAV") << "RIFF";
            const std::string line = folder.path().string() + "\n";
            if (::write(said[1], line.data(), line.size()) < 0) ::_exit(1);
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
    const std::filesystem::path& folder() const { return folder_; }

  private:
    pid_t pid_ = -1;
    std::filesystem::path folder_;
};

// A folder as a run leaves it behind: a channel file and a lock nobody holds.
void make_left_folder(const std::filesystem::path& folder) {
    std::filesystem::create_directory(folder);
    std::ofstream(folder / "lock");
    std::ofstream(folder / "ZENKA03.WAV") << "RIFF";
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

TEST(WorkFolder, AFolderWithAFreeLockGoesOneWithoutALockStays) {
    test::TempFolder parent;
    make_left_folder(parent / "zenka-Left01");
    std::filesystem::create_directory(parent / "zenka-Making"); // no lock yet
    std::ofstream(parent / "zenka-Making" / "ZENKA00.WAV") << "RIFF";
    const WorkFolder folder(parent.path());
    EXPECT_FALSE(std::filesystem::exists(parent / "zenka-Left01"));
    EXPECT_EQ(names_in(parent / "zenka-Making"), std::set<std::string>{"ZENKA00.WAV"});
}

TEST(WorkFolder, LinksAreRemovedNeverFollowed) {
    test::TempFolder parent, elsewhere;
    make_left_folder(elsewhere / "zenka-Target");
    std::filesystem::create_directory_symlink(elsewhere / "zenka-Target", parent / "zenka-Linked");
    make_left_folder(parent / "zenka-Left02");
    std::filesystem::create_directory_symlink(elsewhere / "zenka-Target",
                                              parent / "zenka-Left02" / "folder");
    std::filesystem::create_symlink(elsewhere / "zenka-Target" / "ZENKA03.WAV",
                                    parent / "zenka-Left02" / "file");

    const WorkFolder folder(parent.path());
    EXPECT_FALSE(std::filesystem::exists(parent / "zenka-Left02"));
    EXPECT_TRUE(std::filesystem::is_symlink(parent / "zenka-Linked"));
    EXPECT_EQ(names_in(elsewhere / "zenka-Target"), (std::set<std::string>{"ZENKA03.WAV", "lock"}));
    EXPECT_EQ(test::read_bytes(elsewhere / "zenka-Target" / "ZENKA03.WAV").size(), 4u);
}

TEST(WorkFolder, OtherNamesFilesAndOtherUsersFoldersAreLeftAlone) {
    test::TempFolder parent;
    make_left_folder(parent / "radio-Left03");
    std::ofstream(parent / "zenka-file") << "kept";
    make_left_folder(parent / "zenka-Others");
    // Only root can give a folder to another user; without that the case is moot.
    const bool foreign = ::chown((parent / "zenka-Others").c_str(), 65534, 65534) == 0;

    const WorkFolder folder(parent.path());
    EXPECT_EQ(names_in(parent / "radio-Left03"), (std::set<std::string>{"ZENKA03.WAV", "lock"}));
    EXPECT_EQ(test::read_bytes(parent / "zenka-file").size(), 4u);
    EXPECT_EQ(std::filesystem::exists(parent / "zenka-Others"), foreign);
}

} // namespace
} // namespace zenka
