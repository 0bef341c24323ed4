#pragma once
// The diagnostic log "RX_LOG.TXT": one record per retune step, emission and
// channel stop, appended only while it is switched on. Records come from the
// interface thread and from the channel watchers; each carries its own values
// and is written whole, one at a time.

#include "compose/composition.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>

namespace zenka {

class DiagnosticLog {
  public:
    explicit DiagnosticLog(std::filesystem::path file = "RX_LOG.TXT") : file_(std::move(file)) {}

    // Off by default: nothing is written.
    void set_enabled(bool on) { enabled_ = on; }
    bool enabled() const { return enabled_; }

    // Sees every record, whether or not the file is on. Set it before any record
    // can arrive; it is called under the log's lock.
    std::function<void(const LogRecord&)> observer;

    void write(const LogRecord& r);
    // The version and the sizes of the tables, once at start-up.
    void statistics();

  private:
    std::filesystem::path file_;
    std::atomic<bool> enabled_{false};
    std::mutex mutex_;
};

} // namespace zenka
