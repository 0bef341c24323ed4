#include "shell/timer_schedule.h"

#include "shell/dial.h"
#include "platform/text_lines.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zenka {
namespace {

using State = TimerRecording::State;

constexpr std::array<std::pair<State, std::string_view>, 6> kStates = {{
    {State::waiting, "waiting"},
    {State::recording, "recording"},
    {State::done, "done"},
    {State::missed, "missed"},
    {State::cancelled, "cancelled"},
    {State::failed, "failed"},
}};

constexpr std::string_view kHeader =
    "# Zenka timer recordings: frequency (kHz); start (UTC); minutes; state; note\n";

// "2026-12-09 06:13Z" for the messages.
std::string when(UtcInstant t) {
    const std::string text = format_utc(t); // 2026-12-09T06:13:00.000Z
    return text.substr(0, 10) + " " + text.substr(11, 5) + "Z";
}

// "2026-12-09T06:13:00Z" for the file.
std::string stamp(UtcInstant t) {
    const std::string text = format_utc(t);
    return text.substr(0, 19) + "Z";
}

// One line of the file; why not, when it is not a timer.
std::string parse_line(std::string_view line, TimerRecording& t) {
    std::array<std::string_view, 4> fields;
    for (std::string_view& field : fields) {
        const std::size_t semicolon = line.find(';');
        if (semicolon == std::string_view::npos)
            return "not a timer (frequency; start; minutes; state; note)";
        field = trimmed(line.substr(0, semicolon));
        line.remove_prefix(semicolon + 1);
    }
    const std::optional<int> freq = dial_units(fields[0]);
    if (!freq) return "not a frequency of 10.0 - 1000.4 kHz: " + shown(fields[0]);
    const std::optional<UtcInstant> start = parse_utc(fields[1]);
    if (!start) return "not a time in UTC: " + shown(fields[1]);
    int minutes = 0;
    const auto [end, error] =
        std::from_chars(fields[2].data(), fields[2].data() + fields[2].size(), minutes);
    if (error != std::errc() || end != fields[2].data() + fields[2].size() || minutes < 1 ||
        minutes > TimerSchedule::kMaxMinutes)
        return "not a number of minutes of 1 - 1440: " + shown(fields[2]);
    const auto state = std::find_if(kStates.begin(), kStates.end(),
                                    [&](const auto& s) { return s.second == fields[3]; });
    if (state == kStates.end()) return "not a timer's state: " + shown(fields[3]);
    t.freq = *freq;
    t.start = *start;
    t.minutes = minutes;
    t.state = state->first;
    t.note = std::string(trimmed(line));
    return {};
}

} // namespace

std::string_view state_name(State state) {
    for (const auto& [s, name] : kStates)
        if (s == state) return name;
    return "waiting";
}

void TimerSchedule::push(TimerRecording t) {
    t.id = next_id_++;
    timers_.push_back(std::move(t));
}

std::string TimerSchedule::add(int freq, UtcInstant start, int minutes, UtcInstant now) {
    if (!on_dial(freq)) return "the frequency is not on the dial (10.0 - 1000.4 kHz)";
    if (minutes < 1 || minutes > kMaxMinutes) return "a timer records for 1 - 1440 minutes";
    TimerRecording t;
    t.freq = freq;
    t.start = start;
    t.minutes = minutes;
    if (t.end() <= now) return "that time is past: it ended at " + when(t.end());
    for (const TimerRecording& other : timers_)
        if (!other.finished() && start < other.end() && other.start < t.end())
            return "it overlaps the timer at " + dial_khz(other.freq) + " kHz from " +
                   when(other.start) + " for " + std::to_string(other.minutes) + " min";
    push(std::move(t));
    return {};
}

TimerRecording* TimerSchedule::find(std::uint64_t id) {
    const auto it = std::find_if(timers_.begin(), timers_.end(),
                                 [id](const TimerRecording& t) { return t.id == id; });
    return it == timers_.end() ? nullptr : &*it;
}

void TimerSchedule::clear_finished() {
    std::erase_if(timers_, [](const TimerRecording& t) { return t.finished(); });
}

TimerSchedule::Due TimerSchedule::due(UtcInstant now) const {
    Due first;
    UtcInstant first_at = UtcInstant::max();
    for (const TimerRecording& t : timers_) {
        Due d{Due::Kind::none, t.id};
        UtcInstant at{};
        if (t.state == State::recording && now >= t.end()) {
            d.kind = Due::Kind::stop;
            at = t.end();
        } else if (t.state == State::waiting && now >= t.end()) {
            d.kind = Due::Kind::missed;
            at = t.end();
        } else if (t.state == State::waiting && now >= t.start) {
            d.kind = Due::Kind::start;
            at = t.start;
        }
        // Of two at the same instant, the one ending goes first, so that the
        // next may start.
        if (d.kind != Due::Kind::none &&
            (at < first_at || (at == first_at && d.kind != Due::Kind::start))) {
            first = d;
            first_at = at;
        }
    }
    return first;
}

std::string TimerSchedule::to_text() const {
    std::string text(kHeader);
    for (const TimerRecording& t : timers_) {
        std::string note = t.note;
        std::replace_if(
            note.begin(), note.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
        text += dial_khz(t.freq) + "; " + stamp(t.start) + "; " + std::to_string(t.minutes) + "; " +
                std::string(state_name(t.state)) + "; " + note + "\n";
    }
    return text;
}

TimerSchedule TimerSchedule::from_text(std::string_view text, std::vector<std::string>& problems) {
    TimerSchedule schedule;
    int number = 0;
    while (!text.empty()) {
        const std::string_view line = trimmed(next_line(text));
        ++number;
        if (line.empty() || line.front() == '#') continue;
        TimerRecording t;
        if (std::string why = parse_line(line, t); !why.empty())
            problems.push_back("line " + std::to_string(number) + ": " + why);
        else
            schedule.push(std::move(t));
    }
    return schedule;
}

} // namespace zenka
