#include "platform/work_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace zenka {
namespace {

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
    WorkFolder one(parent.path()), two(parent.path());
    EXPECT_NE(one.path(), two.path());
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

} // namespace
} // namespace zenka
