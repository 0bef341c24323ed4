#pragma once
// The files the program keeps between runs (bookmarks, timers, settings) and
// the files a user hands it (a bookmark file to import), read only within
// bounds: a regular file of at most `limit` bytes holding UTF-8 text. A link,
// FIFO, device, socket or folder where such a file should be is never followed
// or opened (no read ever waits on a FIFO), and nothing beyond the limit is
// read. One of the program's own files found damaged is moved aside under a new
// name, never removed, so that a fresh one can be started.

#include "platform/clock.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace zenka {

struct KeptText {
    enum class State {
        absent,     // no such name
        read,       // `text` holds it
        damaged,    // not a file of text within bounds; `problem` says why
        unreadable, // there, but cannot be looked at or opened; `problem` says why
    };
    State state = State::absent;
    std::string text;
    std::string problem; // "it is a link", "it holds binary data", "it is larger than 4 MB" ...
};

// True for UTF-8 text: well-formed sequences, no overlong forms or surrogates.
bool valid_utf8(std::string_view text);

// One of the program's own files: a link at `file` is not followed.
KeptText read_kept_text(const std::filesystem::path& file, std::size_t limit);
// A file the user names: a link is followed, to a regular file only.
KeptText read_user_text(const std::filesystem::path& file, std::size_t limit);

// Moves `file` (whatever it is: a link stays a link) aside to
// "NAME.<tag>-20261209T061302Z", or "...Z-2", "...Z-3" when that is taken, never
// replacing anything. The new path, or empty with `error` set.
std::filesystem::path move_aside(const std::filesystem::path& file, std::string_view tag,
                                 UtcInstant now, std::string& error);

// Writes `text` as `file` through AtomicFile (the old file stays whole until the
// new one is complete), making its folder first. Empty, or why it could not.
std::string write_kept_text(const std::filesystem::path& file, std::string_view text);

// One of the program's own files loaded for use. When it is damaged, cut short
// (a file the program writes always ends with a newline) or cannot be read, it
// is moved aside as "NAME.damaged-...", and `message` tells the user so in one
// line.
struct KeptLoad {
    KeptText::State state = KeptText::State::absent;
    // The text to use: all of it when read, the whole lines before the cut when
    // cut short, else empty.
    std::string text;
    // For the user; empty when the file was read whole or was absent.
    std::string message;
    std::filesystem::path kept_as; // where the damaged file went; empty when it stayed
    // A new file may be written at the name: false while a damaged or
    // unreadable file could not be moved out of the way.
    bool writable = true;
};

// `what` names the file for the user: "bookmarks", "timers", "settings".
KeptLoad load_kept_file(const std::filesystem::path& file, std::size_t limit, const Clock& clock,
                        std::string_view what);
// The same ending for a file its reader found damaged (`problem`: "line 7 is not
// a bookmark"): moved aside and told.
KeptLoad set_aside_damaged(const std::filesystem::path& file, std::string_view problem,
                           const Clock& clock, std::string_view what);

} // namespace zenka
