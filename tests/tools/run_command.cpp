#include "run_command.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <stdexcept>

namespace zenka::fone_test {

CommandResult run_command(const std::string& command_line) {
    FILE* pipe = ::popen(command_line.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot run: " + command_line);
    CommandResult result;
    std::array<char, 4096> buffer;
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    if (status != -1 && WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
    return result;
}

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

} // namespace zenka::fone_test
