// Where the listener's files go by the XDG rules, with the environment given.

#include "platform/xdg_folders.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

namespace fs = std::filesystem;

TEST(XdgFolders, TheConfigurationFolderIsWhereQtKeepsItsSettings) {
    EXPECT_EQ(config_folder({"/home/op", "", ""}), fs::path("/home/op/.config/zenka"));
    EXPECT_EQ(config_folder({"/home/op", "/etc/op", ""}), fs::path("/etc/op/zenka"));
    // Relative: from the current folder, as Qt takes it.
    EXPECT_EQ(config_folder({"/home/op", "conf", ""}), fs::current_path() / "conf" / "zenka");
}

TEST(XdgFolders, UserDirsAreReadAsTheShellWouldReadThem) {
    const fs::path home = "/home/op";
    const std::string dirs = "# This file is written by xdg-user-dirs-update\n"
                             "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                             "XDG_MUSIC_DIR=\"$HOME/Musik\"\n";
    EXPECT_EQ(user_dir(dirs, "XDG_MUSIC_DIR", home), fs::path("/home/op/Musik"));
    EXPECT_EQ(user_dir(dirs, "XDG_VIDEOS_DIR", home), std::nullopt);
    EXPECT_EQ(user_dir("XDG_MUSIC_DIR=\"/srv/audio\"\n", "XDG_MUSIC_DIR", home),
              fs::path("/srv/audio"));
    EXPECT_EQ(user_dir("XDG_MUSIC_DIR=\"$HOME\"", "XDG_MUSIC_DIR", home), home);
    // Escapes inside the quotes, blanks around the parts, the last one counts.
    EXPECT_EQ(
        user_dir("  XDG_MUSIC_DIR = \"$HOME/My \\\"Songs\\\" \\$1\"  \r\n", "XDG_MUSIC_DIR", home),
        fs::path("/home/op/My \"Songs\" $1"));
    EXPECT_EQ(user_dir("XDG_MUSIC_DIR=\"/a\"\nXDG_MUSIC_DIR=\"/b\"\n", "XDG_MUSIC_DIR", home),
              fs::path("/b"));
    // Not honoured: a relative path, no quotes, an unclosed quote, a longer key,
    // text after the quotes, a comment.
    for (const std::string bad :
         {"XDG_MUSIC_DIR=\"Music\"", "XDG_MUSIC_DIR=$HOME/Music", "XDG_MUSIC_DIR=\"$HOME/Music",
          "XDG_MUSIC_DIRS=\"/a\"", "XDG_MUSIC_DIR=\"/a\" x", "# XDG_MUSIC_DIR=\"/a\"",
          "XDG_MUSIC_DIR=\"$HOMEX/a\""})
        EXPECT_EQ(user_dir(bad, "XDG_MUSIC_DIR", home), std::nullopt) << bad;
}

TEST(XdgFolders, TheMusicFolderComesFromUserDirsElseHomeMusic) {
    test::TempFolder folder;
    const XdgEnvironment env{(folder / "home").string(), (folder / "config").string(), ""};
    EXPECT_EQ(music_folder(env), folder / "home" / "Music");
    fs::create_directories(folder / "config");
    test::write_text(folder / "config" / "user-dirs.dirs", "XDG_MUSIC_DIR=\"$HOME/Audio\"\n");
    EXPECT_EQ(music_folder(env), folder / "home" / "Audio");
    // Without XDG_CONFIG_HOME, from ~/.config.
    fs::create_directories(folder / "home" / ".config");
    test::write_text(folder / "home" / ".config" / "user-dirs.dirs", "XDG_MUSIC_DIR=\"/m\"\n");
    EXPECT_EQ(music_folder({(folder / "home").string(), "", ""}), fs::path("/m"));
    // A FIFO there is never read (the read would wait), nor a file too large.
    fs::remove(folder / "config" / "user-dirs.dirs");
    ASSERT_EQ(::mkfifo((folder / "config" / "user-dirs.dirs").c_str(), 0600), 0);
    EXPECT_EQ(music_folder(env), folder / "home" / "Music");
    // $XDG_MUSIC_DIR comes first when it is absolute.
    EXPECT_EQ(music_folder({(folder / "home").string(), "", "/srv/audio"}), fs::path("/srv/audio"));
    EXPECT_EQ(music_folder({(folder / "home").string(), "", "audio"}), fs::path("/m"));
}

TEST(XdgFolders, EveryKeptFileLiesInTheConfigurationFolder) {
    const XdgEnvironment env{"/home/op", "", ""};
    EXPECT_EQ(settings_file(env), fs::path("/home/op/.config/zenka/zenka.conf"));
    EXPECT_EQ(bookmarks_file(env), fs::path("/home/op/.config/zenka/bookmarks.csv"));
    EXPECT_EQ(timers_file(env), fs::path("/home/op/.config/zenka/timers.txt"));
}

} // namespace
} // namespace zenka
