#pragma once
// What may stand where a kept file should be: links, special files, binary
// data, a file far too large, one cut short. Each is made at a path and then
// found again as it was, so a test can tell that nothing was removed or changed.

#include "support/temp_folder.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zenka::test {

struct Hostile {
    std::string name;
    // Makes it at the path; false when this system does not let the test make it.
    std::function<bool(const std::filesystem::path&)> make;
    // The problem the reader names.
    std::string problem;
};

// A link's target beside it, and what it holds.
inline constexpr const char* kLinkTarget = "elsewhere.txt";
inline constexpr const char* kLinkText = "someone else's text\n";

inline std::vector<Hostile> hostile_files() {
    namespace fs = std::filesystem;
    return {
        {"link_to_a_file",
         [](const fs::path& p) {
             write_text(p.parent_path() / kLinkTarget, kLinkText);
             fs::create_symlink(kLinkTarget, p);
             return true;
         },
         "it is a link"},
        {"link_to_a_device",
         [](const fs::path& p) {
             fs::create_symlink("/dev/zero", p);
             return true;
         },
         "it is a link"},
        {"dangling_link",
         [](const fs::path& p) {
             fs::create_symlink("nowhere", p);
             return true;
         },
         "it is a link"},
        {"fifo", [](const fs::path& p) { return ::mkfifo(p.c_str(), 0600) == 0; }, "it is a FIFO"},
        {"device",
         [](const fs::path& p) { return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; },
         "it is a device"},
        {"socket",
         [](const fs::path& p) {
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un addr{};
             addr.sun_family = AF_UNIX;
             if (p.string().size() >= sizeof addr.sun_path) return false;
             std::strcpy(addr.sun_path, p.c_str());
             const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
             ::close(fd);
             return ok;
         },
         "it is a socket"},
        {"folder",
         [](const fs::path& p) {
             fs::create_directory(p);
             write_text(p / "inside.txt", "kept\n");
             return true;
         },
         "it is a folder"},
        {"binary",
         [](const fs::path& p) {
             write_text(p, std::string("\x7f"
                                       "ELF\x02\x01\x01\0\0\0\0\n",
                                       13));
             return true;
         },
         "it holds binary data"},
        {"not_utf8",
         [](const fs::path& p) {
             write_text(p, "Norddeich \xC3\x28 Radio\n");
             return true;
         },
         "it is not UTF-8 text"},
        {"huge",
         [](const fs::path& p) {
             // Sparse: 5 GB claimed, nothing on disk.
             const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT, 0644);
             const bool ok = fd >= 0 && ::ftruncate(fd, 5'000'000'000LL) == 0;
             if (fd >= 0) ::close(fd);
             return ok;
         },
         "it is larger than 4 MB"},
    };
}

// Runs `f` where a file of mode 000 cannot be read: in this process when it is
// not root's, else in a child process that has given root up (for the user
// nobody, who must be able to reach the files). What `f` returned, or nothing
// when that cannot be arranged here.
inline std::optional<std::string> unprivileged(const std::function<std::string()>& f) {
    if (::geteuid() != 0) return f();
    int pipe_fds[2];
    if (::pipe(pipe_fds) != 0) return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        ::close(pipe_fds[0]);
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(2);
        const std::string result = f();
        std::size_t done = 0;
        while (done < result.size()) {
            const ssize_t n = ::write(pipe_fds[1], result.data() + done, result.size() - done);
            if (n <= 0) ::_exit(3);
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipe_fds[1]);
    std::string result;
    char buf[4096];
    for (ssize_t n; (n = ::read(pipe_fds[0], buf, sizeof buf)) > 0;)
        result.append(buf, static_cast<std::size_t>(n));
    ::close(pipe_fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return result;
}

// A file at `p` that its reader cannot open (mode 000), in a folder anyone may
// change, so that an unprivileged reader can move it aside.
inline void make_unreadable(const std::filesystem::path& p) {
    namespace fs = std::filesystem;
    write_text(p, "500000; Norddeich; CW-U; 2000; Untagged\n");
    fs::permissions(p, fs::perms::none);
    fs::permissions(p.parent_path(), fs::perms::all);
}

// The kind and size of what is at `p` (a link not followed), to compare before
// and after.
inline std::string fingerprint(const std::filesystem::path& p) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) return "missing";
    std::string print = std::to_string(st.st_mode & S_IFMT) + ":" + std::to_string(st.st_size) +
                        ":" + std::to_string(st.st_ino);
    if (S_ISLNK(st.st_mode)) {
        print += ':';
        print += std::filesystem::read_symlink(p).string();
    }
    return print;
}

} // namespace zenka::test
