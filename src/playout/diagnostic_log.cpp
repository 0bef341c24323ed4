#include "playout/diagnostic_log.h"

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zenka {
namespace {

// Opens the log for appending: never through a link, and only a regular file
// of the user's own, so a planted RX_LOG.TXT cannot send the records elsewhere.
std::FILE* open_log(const std::filesystem::path& file) {
    const int fd = ::open(
        file.c_str(),
        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        ::close(fd);
        return nullptr;
    }
    std::FILE* f = ::fdopen(fd, "a");
    if (f == nullptr) ::close(fd);
    return f;
}

} // namespace

void DiagnosticLog::write(const LogRecord& r) {
    const std::lock_guard lock(mutex_);
    if (observer) observer(r);
    if (!enabled_) return;
    std::FILE* f = open_log(file_);
    if (f == nullptr) return; // the record is lost, as a log must never stop the receiver
    const EmissionParams& p = r.params;
    std::fprintf(
        f,
        "\n Function: %s \n Info: %s \n Time: %02d:%02d:%02d:%02d  Ticks:%d \n freq: %d  \n"
        " spd: %d  \n ton: %d \n qsa: %d \n qrh: %d \n rto: %d \n f1: %d \n sz: %d \n"
        " hand: %d \n  spacing: %d \n additional param: %u\n",
        r.function.c_str(), r.info.c_str(), r.time.hour, r.time.minute, r.time.second,
        r.time.milliseconds, static_cast<int>(r.ticks), r.freq, p.spd, p.ton, p.qsa, p.qrh, p.rto,
        p._f1, p.sz, p.hand, r.spacing, r.param);
    std::fclose(f);
}

void DiagnosticLog::statistics() {
    const std::lock_guard lock(mutex_);
    if (!enabled_) return;
    std::FILE* f = open_log(file_);
    if (f == nullptr) return;
    std::fprintf(f,
                 "\n ZENKA Version: %d.%02d\n Resource statistics\n Background: %d\n Beacons: %d",
                 4, 29, 64, 266);
    std::fclose(f);
}

} // namespace zenka
