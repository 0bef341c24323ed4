// The folder of the single-instance lock is the user's alone, and the lock says
// when another receiver holds it.

#include "platform/private_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace zenka {
namespace {

namespace fs = std::filesystem;

TEST(PrivateFolder, MadeWithModeSevenHundredAndAcceptedAgain) {
    test::TempFolder parent;
    const fs::path folder = parent / "zenka-1000";
    EXPECT_EQ(make_private_folder(folder), "");
    EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all);
    EXPECT_EQ(make_private_folder(folder), "");
}

TEST(PrivateFolder, LinksOpenFoldersFilesAndStrangersAreRefused) {
    test::TempFolder parent;
    fs::create_directory(parent / "elsewhere");
    fs::create_symlink(parent / "elsewhere", parent / "link");
    fs::create_directory(parent / "open");
    fs::permissions(parent / "open", static_cast<fs::perms>(0755));
    std::ofstream(parent / "file") << "x";
    struct Case {
        const char* name;
        const char* reason;
    };
    for (const Case& c : {Case{"link", "is not a folder"}, Case{"open", "is open to other users"},
                          Case{"file", "is not a folder"}}) {
        const std::string error = make_private_folder(parent / c.name);
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
    }
    if (::geteuid() == 0) {
        fs::create_directory(parent / "foreign");
        fs::permissions(parent / "foreign", fs::perms::owner_all);
        ASSERT_EQ(::chown((parent / "foreign").c_str(), 65534, 65534), 0);
        EXPECT_NE(make_private_folder(parent / "foreign").find("belongs to another user"),
                  std::string::npos);
    }
}

TEST(InstanceLock, TheSecondHolderFindsItBusyUntilTheFirstLetsGo) {
    test::TempFolder parent;
    const fs::path folder = parent / "run";
    {
        const InstanceLock first(folder);
        EXPECT_FALSE(first.busy());
        EXPECT_EQ(first.error(), "");
        const InstanceLock second(folder);
        EXPECT_TRUE(second.busy());
        EXPECT_EQ(second.error(), "");
    }
    const InstanceLock again(folder);
    EXPECT_FALSE(again.busy());
}

TEST(InstanceLock, APlantedLinkIsNotFollowedAndAnOpenFolderNotUsed) {
    test::TempFolder parent;
    const fs::path folder = parent / "run";
    ASSERT_EQ(make_private_folder(folder), "");
    std::ofstream(parent / "victim") << "precious";
    fs::create_symlink(parent / "victim", folder / "zenka.lock");
    const InstanceLock through_link(folder);
    EXPECT_FALSE(through_link.busy());
    EXPECT_NE(through_link.error().find("cannot open"), std::string::npos) << through_link.error();
    EXPECT_EQ(fs::file_size(parent / "victim"), 8u);

    fs::create_directory(parent / "shared");
    fs::permissions(parent / "shared", static_cast<fs::perms>(0777));
    const InstanceLock shared(parent / "shared");
    EXPECT_NE(shared.error().find("open to other users"), std::string::npos);
    EXPECT_FALSE(fs::exists(parent / "shared" / "zenka.lock"));
}

} // namespace
} // namespace zenka
