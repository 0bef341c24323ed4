#pragma once
// A file that is rewritten in place: gathered writes at given offsets, and at the
// end only the part beyond the new length is cut off. A long file rendered again
// keeps its blocks instead of being freed and allocated anew every time.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace zenka {

struct ByteRun {
    const std::uint8_t* data;
    std::size_t size;
};

class RewriteFile {
  public:
    RewriteFile() = default;
    ~RewriteFile();
    RewriteFile(const RewriteFile&) = delete;
    RewriteFile& operator=(const RewriteFile&) = delete;

    // Opens for writing, creating the file if needed; its contents stay until overwritten.
    bool open(const std::filesystem::path& path);
    // Writes through a duplicate of the open descriptor `fd`, which stays the caller's.
    bool adopt(int fd);
    bool is_open() const { return fd_ >= 0; }

    // Writes all runs back to back from `offset`; false (and nothing more is
    // written) when the file system refuses.
    bool write_at(std::uint64_t offset, std::span<const ByteRun> runs);
    bool write_at(std::uint64_t offset, const void* data, std::size_t size);

    // Makes `size` the file's length (a regular file's) and closes it.
    bool finish(std::uint64_t size);
    void close();

    const std::string& error() const { return error_; }

  private:
    bool fail(const char* what);

    int fd_ = -1;
    std::string error_;
};

} // namespace zenka
