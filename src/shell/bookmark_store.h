#pragma once
// The listener's bookmarks, kept between runs in one readable file,
// $XDG_CONFIG_HOME/zenka/bookmarks.csv, in the very layout SDR programs
// exchange (bookmark_table.h), so that the file itself can be opened by them
// and edited by hand. Every change is written at once and atomically. A damaged
// or hostile file (cut short, binary, too large, a link, FIFO or device, lines
// that are not bookmarks) is moved aside, never removed: what could be read of
// it is kept and a fresh file is started.

#include "platform/clock.h"
#include "shell/bookmark_table.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace zenka {

class BookmarkStore {
  public:
    // Past this a file is not a bookmark file (tens of thousands of bookmarks).
    static constexpr std::size_t kLimit = 4 * 1024 * 1024;

    BookmarkStore(std::filesystem::path file, const Clock& clock);

    // Reads the kept bookmarks. Empty, or a message for the user.
    std::string load();

    const std::vector<Bookmark>& list() const { return bookmarks_; }

    // Each is kept at once. Empty, or why not: a frequency off the dial, text
    // that is not UTF-8, an index out of range, a file that cannot be written.
    std::string add(Bookmark b);
    std::string replace(std::size_t index, Bookmark b);
    std::string remove(std::size_t index);

    struct ImportReport {
        std::size_t added = 0;
        std::size_t already = 0; // the same bookmark was there
        std::vector<std::string> problems;
        std::string error; // the file could not be read, or the bookmarks not kept
        // One line for the user.
        std::string summary(const std::filesystem::path& from) const;
    };
    // Adds the bookmarks of a bookmark file the user names that are not here yet.
    ImportReport import_from(const std::filesystem::path& from);
    // Writes every bookmark into `to` in the exchange layout. Empty, or why not.
    std::string export_to(const std::filesystem::path& to) const;

    // Tags without blanks at either end, empty ones, "Untagged" and repeats.
    static Bookmark normalised(Bookmark b);
    // Empty, or why `b` cannot be a bookmark.
    static std::string check(const Bookmark& b);

  private:
    std::string save();

    std::filesystem::path file_;
    const Clock& clock_;
    std::vector<Bookmark> bookmarks_;
    bool writable_ = true;
};

} // namespace zenka
