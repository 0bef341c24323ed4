#include "band/dispatcher.h"
#include "headless_commands.h"
#include "shell/copy_check.h"
#include "shell/retune_pass.h"
#include "user_input.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zenka::app {

CLI::App* add_copy_check_command(CLI::App& app, CopyCheckOptions& o) {
    CLI::App* c = app.add_subcommand(
        "copy-check", "Score a typed copy of one emission against the text it keyed");
    c->add_option("--freq", o.freq, std::string("Frequency in kHz (") + kDialKhz + ")")
        ->required()
        ->check(check_khz);
    c->add_option("--channel", o.channel, "The emission's channel (0 - 6)")
        ->check(decimal(false))
        ->check(CLI::Range(0, 6))
        ->capture_default_str();
    c->add_option("--seconds", o.seconds,
                  "Score against what was keyed in the first SECONDS only (default: all of it)")
        ->check(decimal(true))
        ->check(CLI::Range(0.0, 86400.0));
    c->add_flag("--json", o.json, "One JSON object instead of lines of text");
    c->add_option("COPYFILE", o.copy, "The typed copy: a text file, or - for standard input")
        ->required();
    add_world_options(c, o.world);
    return c;
}

namespace {

constexpr std::size_t kLargestCopy = 1 << 20; // far more than any emission keys

// The copy, or a message saying why it cannot be read.
bool read_copy(const std::string& name, std::string& copy, std::string& error) {
    const bool standard_input = name == "-";
    const int fd = standard_input ? STDIN_FILENO : ::open(name.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (!standard_input && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        error = "not a regular file";
        return false;
    }
    char buf[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = std::strerror(errno);
            ok = false;
            break;
        }
        if (n == 0) break;
        copy.append(buf, static_cast<std::size_t>(n));
        if (copy.size() > kLargestCopy) {
            error = "larger than 1 MiB: no copy of one emission";
            ok = false;
            break;
        }
    }
    if (!standard_input) ::close(fd);
    return ok;
}

} // namespace

int run_copy_check(const CopyCheckOptions& o) {
    std::string copy, error;
    if (!read_copy(o.copy, copy, error)) {
        std::fprintf(stderr, "zenka copy-check: %s: %s\n", quote_input(o.copy).c_str(),
                     error.c_str());
        return 2;
    }
    FixedClock clock = fixed_clock(o.world);
    RandomSource random = random_source(o.world);
    const Composition c = compose_retune(clock, random, settings(o.world, *parse_khz(o.freq)),
                                         [](Air& a) { band(a); }, {}, {false, false});
    Keyer keyer(clock, random);
    std::optional<std::uint32_t> heard;
    if (o.seconds) heard = static_cast<std::uint32_t>(*o.seconds * 1000.0);
    const auto check = check_copy(c, o.channel, copy, keyer, random, heard);
    if (!check) {
        std::fprintf(stderr, "zenka copy-check: nothing is keyed on channel %d at %s kHz then\n",
                     o.channel, o.freq.c_str());
        return 1;
    }
    std::fputs((o.json ? to_json(*check) + "\n" : to_text(*check)).c_str(), stdout);
    return 0;
}

} // namespace zenka::app
