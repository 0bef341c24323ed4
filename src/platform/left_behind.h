#pragma once
// Finding what a run of this program left behind when it was killed, without
// ever following a link: the names in a folder, and the lock of a file whose
// run is gone. A living run holds an flock on such a file; the system lets it
// go however the run ends.

#include "platform/sound/unique_fd.h"

#include <string>
#include <sys/stat.h>
#include <vector>

namespace zenka {

// The names in the open folder `dir`, without "." and "..".
std::vector<std::string> names_in(int dir);

// True when `a` and `b` describe the same file.
bool same_file(const struct stat& a, const struct stat& b);

// `name` in the open folder `dir`, opened and locked (LOCK_EX), when it is a
// regular file (not a link) of the user's that nobody holds locked, and the
// name still leads to the file that was locked. Invalid otherwise.
sound::UniqueFd lock_if_free(int dir, const char* name);

} // namespace zenka
