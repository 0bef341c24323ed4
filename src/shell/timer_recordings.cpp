#include "shell/timer_recordings.h"

#include "platform/kept_file.h"

namespace zenka {
namespace {

using State = TimerRecording::State;

// A timer file holds a few lines; anything larger is not one.
constexpr std::size_t kTimersLimit = 1024 * 1024;

} // namespace

TimerRecordings::TimerRecordings(const Clock& clock, Receiver& rx, Recording& recording,
                                 std::filesystem::path file, std::filesystem::path folder,
                                 RecordingFormat format)
    : clock_(clock), rx_(rx), recording_(recording), file_(std::move(file)),
      folder_(std::move(folder)), format_(format) {}

std::string TimerRecordings::load() {
    KeptLoad kept = load_kept_file(file_, kTimersLimit, clock_, "timers");
    writable_ = kept.writable;
    std::vector<std::string> problems;
    schedule_ = TimerSchedule::from_text(kept.text, problems);
    // A timer that was recording when the receiver went off records what is
    // left of its time, or counts as missed.
    for (const TimerRecording& t : schedule_.list())
        if (t.state == State::recording) schedule_.find(t.id)->state = State::waiting;
    if (!problems.empty() && kept.message.empty()) {
        kept = set_aside_damaged(file_, problems.front(), clock_, "timers");
        writable_ = kept.writable;
    }
    if (kept.state != KeptText::State::absent && !kept.message.empty() && writable_) save();
    std::string message = kept.message;
    if (problems.size() > 1)
        message += "; " + std::to_string(problems.size()) + " lines were not timers";
    return message;
}

std::string TimerRecordings::add(int freq, UtcInstant start, int minutes) {
    std::string error = schedule_.add(freq, start, minutes, clock_.now());
    if (error.empty()) save();
    return error;
}

std::string TimerRecordings::cancel(std::uint64_t id) {
    TimerRecording* t = schedule_.find(id);
    if (t == nullptr || t->finished()) return "there is no such timer to cancel";
    if (t->state == State::recording)
        end(*t, State::cancelled, "cancelled while recording; " + running_file_.string());
    else
        t->state = State::cancelled;
    save();
    return {};
}

void TimerRecordings::clear_finished() {
    schedule_.clear_finished();
    save();
}

void TimerRecordings::set_output(std::filesystem::path folder, RecordingFormat format) {
    folder_ = std::move(folder);
    format_ = format;
}

bool TimerRecordings::own_recording_runs() const {
    const RecordingStatus s = recording_.status();
    return s.recording && s.file == running_file_;
}

void TimerRecordings::tick() {
    bool changed = false;
    // A timer whose recording stopped before its time (a full disk, or the
    // listener) is over then.
    for (const TimerRecording& t : schedule_.list()) {
        if (t.state != State::recording || own_recording_runs()) continue;
        const RecordingStatus s = recording_.status();
        TimerRecording& running = *schedule_.find(t.id);
        if (!s.message.empty())
            end(running, State::failed, s.message);
        else
            end(running, State::failed, "stopped before its end; " + running_file_.string());
        changed = true;
    }
    const UtcInstant now = clock_.now();
    for (TimerSchedule::Due due = schedule_.due(now); due.kind != TimerSchedule::Due::Kind::none;
         due = schedule_.due(now)) {
        TimerRecording& t = *schedule_.find(due.id);
        changed = true;
        switch (due.kind) {
        case TimerSchedule::Due::Kind::stop:
            end(t, State::done, running_file_.string());
            break;
        case TimerSchedule::Due::Kind::missed:
            t.state = State::missed;
            t.note = "its time passed while the receiver was off";
            break;
        case TimerSchedule::Due::Kind::start:
            begin(t);
            break;
        case TimerSchedule::Due::Kind::none:
            break;
        }
    }
    if (changed) save();
}

void TimerRecordings::begin(TimerRecording& t) {
    if (const RecordingStatus s = recording_.status(); s.recording) {
        t.state = State::failed;
        t.note = "not recorded: another recording was running (" + s.file.filename().string() + ")";
        return;
    }
    return_freq_ = rx_.settings.freq;
    rx_.settings.scan = 0;
    rx_.settings.freq = t.freq;
    rx_.dsp_freq();
    if (const std::string error = recording_.start(folder_, format_); !error.empty()) {
        t.state = State::failed;
        t.note = error;
        rx_.settings.freq = return_freq_;
        rx_.dsp_freq();
        return;
    }
    running_file_ = recording_.status().file;
    t.state = State::recording;
    t.note = running_file_.string();
}

void TimerRecordings::end(TimerRecording& t, State state, std::string note) {
    if (own_recording_runs()) {
        const RecordingStatus s = recording_.stop();
        running_file_ = s.file; // where it went: a free name, should the first be taken
        if (state == State::done) note = s.file.string();
        if (!s.message.empty()) {
            state = State::failed;
            note = s.message;
        }
    }
    t.state = state;
    t.note = std::move(note);
    // Back where the receiver was, unless the listener has tuned away.
    if (rx_.settings.freq == t.freq && return_freq_ != 0 && return_freq_ != t.freq) {
        rx_.settings.scan = 0;
        rx_.settings.freq = return_freq_;
        rx_.dsp_freq();
    }
    return_freq_ = 0;
    running_file_.clear();
}

void TimerRecordings::save() {
    if (!writable_) {
        save_error_ = "the timers are not kept: " + file_.string() + " is left as it is";
        return;
    }
    save_error_ = write_kept_text(file_, schedule_.to_text());
}

} // namespace zenka
