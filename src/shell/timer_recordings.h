#pragma once
// Timer recordings carried out: driven by the session's clock, a timer tunes
// the receiver to its frequency at its start and records what the listener
// hears, and at its end stops the recording and tunes back to where the
// receiver was (unless the listener has tuned elsewhere meanwhile). The timers
// are kept in a text file (TimerSchedule), written after every change; a
// damaged one is moved aside and a fresh one started.
//
// A timer whose start comes while another recording runs records nothing and
// says so; the recording running is left alone. One whose start has passed
// when the receiver starts but whose end has not records what is left of it.

#include "platform/clock.h"
#include "platform/recording_status.h"
#include "shell/receiver.h"
#include "shell/recording.h"
#include "shell/timer_schedule.h"

#include <filesystem>
#include <string>

namespace zenka {

class TimerRecordings {
  public:
    // Kept in `file` ($XDG_CONFIG_HOME/zenka/timers.txt); recorded into `folder`.
    TimerRecordings(const Clock& clock, Receiver& rx, Recording& recording,
                    std::filesystem::path file, std::filesystem::path folder,
                    RecordingFormat format = RecordingFormat::wav);
    TimerRecordings(const TimerRecordings&) = delete;
    TimerRecordings& operator=(const TimerRecordings&) = delete;

    // Reads the kept timers. Empty, or a message for the user: a damaged file
    // moved aside, lines skipped.
    std::string load();

    // As TimerSchedule::add, kept at once.
    std::string add(int freq, UtcInstant start, int minutes);
    // Cancels a timer to come, or stops the one running (and tunes back).
    // Empty, or why not.
    std::string cancel(std::uint64_t id);
    void clear_finished();
    const std::vector<TimerRecording>& list() const { return schedule_.list(); }

    void set_output(std::filesystem::path folder, RecordingFormat format);

    // Looks at the clock and does what is due; call it every second or so.
    void tick();

    // Why the timers could not be kept at the last change; empty when they were.
    const std::string& save_error() const { return save_error_; }

  private:
    void begin(TimerRecording& t);
    void end(TimerRecording& t, TimerRecording::State state, std::string note);
    // The recording this timer started still runs.
    bool own_recording_runs() const;
    void save();

    const Clock& clock_;
    Receiver& rx_;
    Recording& recording_;
    std::filesystem::path file_;
    std::filesystem::path folder_;
    RecordingFormat format_;
    TimerSchedule schedule_;
    bool writable_ = true;
    std::string save_error_;
    // While a timer runs: the file it records into and the frequency to go back to.
    std::filesystem::path running_file_;
    int return_freq_ = 0;
};

} // namespace zenka
