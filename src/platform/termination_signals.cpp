#include "platform/termination_signals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace zenka {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<int> g_caught{0};
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[3];

extern "C" void on_termination_signal(int sig) {
    const int saved = errno;
    int none = 0;
    g_caught.compare_exchange_strong(none, sig);
    const char byte = 1;
    if (g_pipe[1] >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    }
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals() {
    g_caught = 0;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) g_pipe[0] = g_pipe[1] = -1;
    struct sigaction action {};
    action.sa_handler = on_termination_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);
}

TerminationSignals::~TerminationSignals() {
    for (int i = 0; i < 3; ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    for (int& fd : g_pipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

int TerminationSignals::caught() {
    return g_caught.load();
}

int TerminationSignals::wake_fd() const {
    return g_pipe[0];
}

void TerminationSignals::drain() const {
    char bytes[16];
    while (g_pipe[0] >= 0 && ::read(g_pipe[0], bytes, sizeof bytes) > 0) {}
}

void TerminationSignals::reraise() {
    const int sig = g_caught.load();
    if (sig == 0) std::exit(1);
    ::signal(sig, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(sig);
    std::_Exit(128 + sig);
}

} // namespace zenka
