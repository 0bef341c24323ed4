#include "platform/kept_file.h"

#include "platform/atomic_file.h"
#include "platform/rename_new.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zenka {
namespace {

namespace fs = std::filesystem;

std::string kind_of(const struct stat& st) {
    if (S_ISLNK(st.st_mode)) return "it is a link";
    if (S_ISDIR(st.st_mode)) return "it is a folder";
    if (S_ISFIFO(st.st_mode)) return "it is a FIFO";
    if (S_ISSOCK(st.st_mode)) return "it is a socket";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return "it is a device";
    return "it is not a regular file";
}

std::string size_text(std::size_t bytes) {
    constexpr std::size_t kMb = 1024 * 1024;
    if (bytes >= kMb && bytes % kMb == 0) return std::to_string(bytes / kMb) + " MB";
    return std::to_string((bytes + 1023) / 1024) + " kB";
}

KeptText damaged(std::string problem) {
    KeptText t;
    t.state = KeptText::State::damaged;
    t.problem = std::move(problem);
    return t;
}

KeptText unreadable(const char* what) {
    KeptText t;
    t.state = KeptText::State::unreadable;
    t.problem = std::string(what) + ": " + std::strerror(errno);
    return t;
}

// Text the program can read: UTF-8 without NUL or control bytes but tab, CR and LF.
std::string text_problem(std::string_view text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t' && c != '\n' && c != '\r') || u == 0x7F)
            return "it holds binary data";
    }
    return valid_utf8(text) ? std::string() : "it is not UTF-8 text";
}

// Reads the open regular file `fd` (looked at as `st`) up to `limit` bytes.
KeptText read_open(int fd, const struct stat& st, std::size_t limit) {
    if (static_cast<std::uint64_t>(st.st_size) > limit)
        return damaged("it is larger than " + size_text(limit));
    std::string text(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return unreadable("cannot be read");
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
        // Grown while it is read: read no further than the limit and one byte.
        if (got == text.size() && got <= limit) text.resize(std::min(limit + 1, got * 2));
    }
    if (got > limit) return damaged("it is larger than " + size_text(limit));
    text.resize(got);
    if (std::string problem = text_problem(text); !problem.empty()) return damaged(problem);
    KeptText t;
    t.state = KeptText::State::read;
    t.text = std::move(text);
    return t;
}

KeptText read_text(const fs::path& file, std::size_t limit, bool follow) {
    struct stat st {};
    if ((follow ? ::stat(file.c_str(), &st) : ::lstat(file.c_str(), &st)) != 0)
        return errno == ENOENT ? KeptText{} : unreadable("cannot be looked at");
    if (!S_ISREG(st.st_mode)) return damaged(kind_of(st));
    if (static_cast<std::uint64_t>(st.st_size) > limit)
        return damaged("it is larger than " + size_text(limit));
    // O_NONBLOCK: a FIFO swapped in after the look is not waited on.
    const int fd = ::open(file.c_str(),
                          O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (follow ? 0 : O_NOFOLLOW));
    if (fd < 0) return errno == ELOOP ? damaged("it is a link") : unreadable("cannot be opened");
    struct stat opened {};
    KeptText t;
    if (::fstat(fd, &opened) != 0)
        t = unreadable("cannot be looked at");
    else if (!S_ISREG(opened.st_mode))
        t = damaged(kind_of(opened));
    else
        t = read_open(fd, opened, limit);
    ::close(fd);
    return t;
}

// "20261209T061302Z"
std::string stamp(UtcInstant now) {
    const SystemTime t = to_system_time(now);
    char text[48];
    std::snprintf(text, sizeof text, "%04u%02u%02uT%02u%02u%02uZ", unsigned{t.year},
                  unsigned{t.month}, unsigned{t.day}, unsigned{t.hour}, unsigned{t.minute},
                  unsigned{t.second});
    return text;
}

std::string capitalised(std::string_view what) {
    std::string s(what);
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

KeptLoad set_aside(const fs::path& file, KeptText::State state, std::string_view problem,
                   const Clock& clock, std::string_view what) {
    KeptLoad load;
    load.state = state;
    // "is damaged (it is a FIFO)", "cannot be opened: Permission denied"
    const std::string trouble = state == KeptText::State::unreadable
                                    ? std::string(problem)
                                    : "is damaged (" + std::string(problem) + ")";
    const std::string head = capitalised(what) + " file " + file.string() + " " + trouble;
    std::string error;
    load.kept_as = move_aside(file, "damaged", clock.now(), error);
    if (load.kept_as.empty()) {
        load.writable = false;
        load.message = head + " and cannot be moved aside (" + error +
                       "); it is left as it is and not written";
        return load;
    }
    load.message = head + "; it is kept as " + load.kept_as.filename().string() +
                   " and a fresh one is started";
    return load;
}

} // namespace

bool valid_utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t more = 0;
        std::uint32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07u;
        } else {
            return false;
        }
        if (i + more >= text.size()) return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0u) != 0x80u) return false;
            code = (code << 6) | (d & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past U+10FFFF.
        if ((more == 2 && code < 0x800) || (more == 3 && code < 0x10000) || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

KeptText read_kept_text(const fs::path& file, std::size_t limit) {
    return read_text(file, limit, false);
}

KeptText read_user_text(const fs::path& file, std::size_t limit) {
    return read_text(file, limit, true);
}

fs::path move_aside(const fs::path& file, std::string_view tag, UtcInstant now,
                    std::string& error) {
    const std::string base = file.string() + "." + std::string(tag) + "-" + stamp(now);
    for (int n = 1; n <= 100; ++n) {
        fs::path aside = n == 1 ? fs::path(base) : fs::path(base + "-" + std::to_string(n));
        const int failure = rename_new(file, aside);
        if (failure == 0) return aside;
        if (failure != EEXIST) {
            error = std::strerror(failure);
            return {};
        }
    }
    error = "every name for it is taken";
    return {};
}

std::string write_kept_text(const fs::path& file, std::string_view text) {
    std::error_code ec;
    if (file.has_parent_path()) {
        fs::create_directories(file.parent_path(), ec);
        if (ec)
            return "cannot make the folder " + file.parent_path().string() + ": " + ec.message();
    }
    AtomicFile out;
    if (!out.open(file)) return file.string() + ": " + out.error();
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(out.fd(), text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return file.string() + ": cannot write: " + std::strerror(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (!out.commit()) return file.string() + ": " + out.error();
    return {};
}

KeptLoad load_kept_file(const fs::path& file, std::size_t limit, const Clock& clock,
                        std::string_view what) {
    KeptText t = read_kept_text(file, limit);
    if (t.state == KeptText::State::absent) return {};
    if (t.state != KeptText::State::read) return set_aside(file, t.state, t.problem, clock, what);
    if (!t.text.empty() && t.text.back() != '\n') {
        // Cut short: the whole lines before the cut are still good.
        KeptLoad load = set_aside(file, KeptText::State::damaged, "it is cut short", clock, what);
        const std::size_t last = t.text.rfind('\n');
        load.text = last == std::string::npos ? std::string() : t.text.substr(0, last + 1);
        return load;
    }
    KeptLoad load;
    load.state = KeptText::State::read;
    load.text = std::move(t.text);
    return load;
}

KeptLoad set_aside_damaged(const fs::path& file, std::string_view problem, const Clock& clock,
                           std::string_view what) {
    return set_aside(file, KeptText::State::damaged, problem, clock, what);
}

} // namespace zenka
