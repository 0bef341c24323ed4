#pragma once
// Giving a file a name that nothing holds yet: the rename fails, instead of
// replacing, when the new name is taken, even by a file made a moment before.

#include <filesystem>
#include <utility>

namespace zenka {

// Renames `from` to `to` unless `to` exists. 0, or the errno of the failure
// (EEXIST when `to` is taken).
int rename_new(const std::filesystem::path& from, const std::filesystem::path& to);

// "NAME (n).EXT" for n of 2 and more, `path` itself for 1: the names a new file
// takes in turn when the one before is taken.
std::filesystem::path numbered(const std::filesystem::path& path, int n);
// The other way round: "NAME (n).EXT" -> ("NAME.EXT", n); any other name -> (path, 1).
std::pair<std::filesystem::path, int> unnumbered(const std::filesystem::path& path);

} // namespace zenka
