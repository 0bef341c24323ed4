#pragma once
// Runs a shell command line and collects what it prints.

#include <string>

namespace zenka::fone_test {

struct CommandResult {
    int exit_code = -1; // -1: did not exit normally
    std::string output; // standard output (add 2>&1 to the command for the errors too)
};

CommandResult run_command(const std::string& command_line);

// `s` in single quotes for the shell.
std::string quoted(const std::string& s);

} // namespace zenka::fone_test
