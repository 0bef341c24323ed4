#pragma once
// Timer recordings: "record F kHz from UTC T for N minutes". The schedule holds
// them with their states and says what the clock asks for; it changes nothing
// by itself (TimerRecordings tunes and records). Kept as a small text file,
// one timer a line:
//
//   # Zenka timer recordings: frequency (kHz); start (UTC); minutes; state; note
//   500.0; 2026-12-09T06:13:00Z; 30; waiting;

#include "platform/clock.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

struct TimerRecording {
    enum class State {
        waiting,   // its start is to come
        recording, // it runs
        done,      // recorded to its end
        missed,    // its time passed while the receiver was off
        cancelled, // cancelled by the user
        failed,    // could not record, or stopped before its end; the note says why
    };

    std::uint64_t id = 0; // for this session; not kept
    int freq = 0;         // in units of 100 Hz
    UtcInstant start{};
    int minutes = 0;
    State state = State::waiting;
    std::string note; // the file recorded, or why not

    UtcInstant end() const { return start + std::chrono::minutes(minutes); }
    bool finished() const { return state != State::waiting && state != State::recording; }
    friend bool operator==(const TimerRecording&, const TimerRecording&) = default;
};

// "waiting", "recording", "done" ...
std::string_view state_name(TimerRecording::State state);

class TimerSchedule {
  public:
    static constexpr int kMaxMinutes = 24 * 60;

    // What the clock asks for at an instant.
    struct Due {
        enum class Kind { none, start, stop, missed };
        Kind kind = Kind::none;
        std::uint64_t id = 0;
    };

    // A new waiting timer; empty, or why not: a frequency off the dial, minutes
    // outside 1 - 1440, an end already past at `now`, or a time that overlaps a
    // timer still to come.
    std::string add(int freq, UtcInstant start, int minutes, UtcInstant now);
    // The timer by its id; null when there is none.
    TimerRecording* find(std::uint64_t id);
    const std::vector<TimerRecording>& list() const { return timers_; }
    // Removes the finished timers (done, missed, cancelled, failed).
    void clear_finished();

    // The first thing due at `now`: a running timer whose end has come
    // (stop), a waiting one whose end has passed as well (missed), or a waiting
    // one whose start has come (start), in order of their times.
    Due due(UtcInstant now) const;

    // The kept file's text, and the timers read back from it. A line that is not
    // a timer is named in `problems` ("line 3: ...") and skipped.
    std::string to_text() const;
    static TimerSchedule from_text(std::string_view text, std::vector<std::string>& problems);

  private:
    void push(TimerRecording t);

    std::vector<TimerRecording> timers_;
    std::uint64_t next_id_ = 1;
};

} // namespace zenka
