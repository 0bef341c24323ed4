#pragma once
// Runs a shell command line as a user would and collects what it prints.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace zenka::test {

struct Ran {
    int status = -1; // exit status; -1 when it did not exit normally
    std::string out; // standard output, and standard error unless left out
};

inline Ran run(const std::string& command, bool with_stderr = true) {
    Ran r;
    std::FILE* pipe = ::popen((command + (with_stderr ? " 2>&1" : " 2>/dev/null")).c_str(), "r");
    if (pipe == nullptr) return r;
    std::array<char, 4096> buf{};
    std::size_t got = 0;
    while ((got = std::fread(buf.data(), 1, buf.size(), pipe)) > 0)
        r.out.append(buf.data(), got);
    const int status = ::pclose(pipe);
    if (status != -1 && WIFEXITED(status)) r.status = WEXITSTATUS(status);
    return r;
}

// `s` in single quotes for the shell.
inline std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

#ifdef ZENKA_EXE
// The zenka executable under test with `args`.
inline std::string zenka(const std::string& args) {
    return std::string(ZENKA_EXE) + " " + args;
}
#endif

} // namespace zenka::test
