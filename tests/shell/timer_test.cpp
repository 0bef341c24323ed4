// Timer recordings: the schedule's rules, what the clock asks for at every
// instant, the kept file, and the receiver tuned and recording at the times.

#include "support/utc_at.h"
#include "platform/sound/null_sound.h"
#include "shell/timer_recordings.h"
#include "support/hostile_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <random>

namespace zenka {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using State = TimerRecording::State;
using Kind = TimerSchedule::Due::Kind;

using test::at;

TEST(TimerSchedule, RefusesWhatCannotBeRecordedInOneLine) {
    TimerSchedule s;
    const UtcInstant now = at("2026-12-09T06:00:00Z");
    EXPECT_EQ(s.add(99, at("2026-12-09T07:00:00Z"), 10, now),
              "the frequency is not on the dial (10.0 - 1000.4 kHz)");
    EXPECT_EQ(s.add(10005, at("2026-12-09T07:00:00Z"), 10, now),
              "the frequency is not on the dial (10.0 - 1000.4 kHz)");
    EXPECT_EQ(s.add(5000, at("2026-12-09T07:00:00Z"), 0, now),
              "a timer records for 1 - 1440 minutes");
    EXPECT_EQ(s.add(5000, at("2026-12-09T07:00:00Z"), 1441, now),
              "a timer records for 1 - 1440 minutes");
    EXPECT_EQ(s.add(5000, at("2026-12-09T05:00:00Z"), 60, now),
              "that time is past: it ended at 2026-12-09 06:00Z");
    EXPECT_EQ(s.add(100, at("2026-12-09T07:00:00Z"), 30, now), "");
    EXPECT_EQ(s.add(10004, at("2026-12-09T05:30:00Z"), 31, now), ""); // runs now, to 06:01
    EXPECT_EQ(s.add(5000, at("2026-12-09T07:29:00Z"), 5, now),
              "it overlaps the timer at 10.0 kHz from 2026-12-09 07:00Z for 30 min");
    EXPECT_EQ(s.add(5000, at("2026-12-09T06:50:00Z"), 11, now),
              "it overlaps the timer at 10.0 kHz from 2026-12-09 07:00Z for 30 min");
    // Touching is no overlap.
    EXPECT_EQ(s.add(5000, at("2026-12-09T07:30:00Z"), 5, now), "");
    EXPECT_EQ(s.add(5000, at("2026-12-09T06:55:00Z"), 5, now), "");
    EXPECT_EQ(s.list().size(), 4u);
}

TEST(TimerSchedule, TheClockSteppedThroughEveryInstantAsksForEachThingOnce) {
    TimerSchedule s;
    const UtcInstant t0 = at("2026-12-09T06:00:00Z");
    ASSERT_EQ(s.add(5000, at("2026-12-09T06:10:00Z"), 2, t0), "");
    ASSERT_EQ(s.add(4800, at("2026-12-09T06:12:00Z"), 1, t0), ""); // right after the first
    ASSERT_EQ(s.add(1000, at("2026-12-09T06:20:00Z"), 1, t0), "");
    const std::uint64_t first = s.list()[0].id;
    const std::uint64_t second = s.list()[1].id;
    std::vector<std::pair<std::string, std::uint64_t>> seen;
    for (UtcInstant now = t0; now < at("2026-12-09T06:30:00Z"); now += 500ms) {
        for (TimerSchedule::Due d = s.due(now); d.kind != Kind::none; d = s.due(now)) {
            TimerRecording& t = *s.find(d.id);
            seen.emplace_back(format_utc(now), d.id);
            // As the recorder carries them out.
            t.state = d.kind == Kind::start  ? State::recording
                      : d.kind == Kind::stop ? State::done
                                             : State::missed;
            // Stepping the clock past the third timer while "off".
            if (d.id == second && d.kind == Kind::stop) now = at("2026-12-09T06:25:00Z");
        }
    }
    const std::vector<std::pair<std::string, std::uint64_t>> expected = {
        {"2026-12-09T06:10:00.000Z", first},          {"2026-12-09T06:12:00.000Z", first},
        {"2026-12-09T06:12:00.000Z", second},         {"2026-12-09T06:13:00.000Z", second},
        {"2026-12-09T06:25:00.000Z", s.list()[2].id},
    };
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(s.list()[2].state, State::missed);
    s.clear_finished();
    EXPECT_TRUE(s.list().empty());
}

TEST(TimerSchedule, TheKeptTextReadsBackAsTheTimersWere) {
    std::mt19937 random(29);
    for (int round = 0; round < 200; ++round) {
        TimerSchedule s;
        const UtcInstant now = at("2026-01-01T00:00:00Z");
        UtcInstant start = now + std::chrono::minutes(random() % 600);
        for (int i = 0; i < 5; ++i) {
            const int minutes = 1 + static_cast<int>(random() % 1440);
            ASSERT_EQ(s.add(100 + static_cast<int>(random() % 9905), start, minutes, now), "");
            start += std::chrono::minutes(minutes + static_cast<int>(random() % 100));
        }
        std::vector<std::string> problems;
        const TimerSchedule back = TimerSchedule::from_text(s.to_text(), problems);
        EXPECT_TRUE(problems.empty());
        EXPECT_EQ(back.list(), s.list());
    }
    TimerSchedule s;
    ASSERT_EQ(s.add(5000, at("2026-12-09T06:13:00Z"), 30, at("2026-12-09T06:00:00Z")), "");
    EXPECT_EQ(s.to_text(),
              "# Zenka timer recordings: frequency (kHz); start (UTC); minutes; state; note\n"
              "500.0; 2026-12-09T06:13:00Z; 30; waiting; \n");
}

TEST(TimerSchedule, LinesThatAreNotTimersAreNamedAndSkipped) {
    std::vector<std::string> problems;
    const TimerSchedule s = TimerSchedule::from_text(
        "# comment\n"
        "500.0; 2026-12-09T06:13:00Z; 30; done; /music/Zenka 500.0 kHz; a note; with semicolons\n"
        "500.05; 2026-12-09T06:13:00Z; 30; waiting;\n"
        "5000; 2026-12-09T06:13:00Z; 30; waiting;\n"
        "500.0; yesterday; 30; waiting;\n"
        "500.0; 2026-12-09T06:13:00Z; 0; waiting;\n"
        "500.0; 2026-12-09T06:13:00Z; 30; asleep;\n"
        "500.0; 2026-12-09T06:13:00Z; 30\n"
        "\n"
        "  10.0 ;2026-12-09T08:00:00+01:00;1440;missed;\n",
        problems);
    const std::vector<std::string> expected = {
        "line 3: not a frequency of 10.0 - 1000.4 kHz: '500.05'",
        "line 4: not a frequency of 10.0 - 1000.4 kHz: '5000'",
        "line 5: not a time in UTC: 'yesterday'",
        "line 6: not a number of minutes of 1 - 1440: '0'",
        "line 7: not a timer's state: 'asleep'",
        "line 8: not a timer (frequency; start; minutes; state; note)",
    };
    EXPECT_EQ(problems, expected);
    ASSERT_EQ(s.list().size(), 2u);
    EXPECT_EQ(s.list()[0].note, "/music/Zenka 500.0 kHz; a note; with semicolons");
    EXPECT_EQ(s.list()[0].state, State::done);
    EXPECT_EQ(s.list()[1].freq, 100);
    EXPECT_EQ(s.list()[1].start, at("2026-12-09T07:00:00Z"));
    EXPECT_EQ(s.list()[1].minutes, 1440);
}

// A receiver on a silent output that records nothing, with timers kept in a folder.
class TimerRecordingsTest : public ::testing::Test {
  protected:
    TimerRecordingsTest()
        : clock(at("2026-12-09T06:12:58Z")), playout(out, clock, random, folder.path()),
          rx(clock, random, playout, panel, [this](Air&) { ++passes; }),
          recording(out, clock, rx.settings) {
        rx.settings.freq = 4800;
    }
    ~TimerRecordingsTest() override { playout.stop_all(); }

    std::unique_ptr<TimerRecordings> timers() {
        return std::make_unique<TimerRecordings>(clock, rx, recording,
                                                 folder / "cfg" / "timers.txt", folder / "music");
    }
    // Moves the clock second by second to `until`, ticking every second.
    void run_to(TimerRecordings& t, const char* until) {
        while (clock.now() < at(until)) {
            clock.advance(1s);
            t.tick();
        }
    }
    std::vector<std::string> recording_calls() const {
        std::vector<std::string> calls;
        for (const std::string& c : out.calls())
            if (c.starts_with("start_recording") || c == "stop_recording") calls.push_back(c);
        return calls;
    }

    test::TempFolder folder;
    sound::NullSound out;
    FixedClock clock;
    RandomSource random;
    Playout playout;
    NoPanel panel;
    int passes = 0;
    Receiver rx;
    Recording recording;
};

TEST_F(TimerRecordingsTest, TunesAndRecordsAtTheStartAndTunesBackAtTheEnd) {
    auto t = timers();
    ASSERT_EQ(t->load(), "");
    ASSERT_EQ(t->add(5000, at("2026-12-09T06:13:00Z"), 2), "");
    const std::string file = (folder / "music" / "Zenka 500.0 kHz 2026-12-09 0613Z.wav").string();
    run_to(*t, "2026-12-09T06:12:59Z");
    EXPECT_EQ(rx.settings.freq, 4800);
    EXPECT_TRUE(recording_calls().empty());
    rx.settings.scan = 1;
    run_to(*t, "2026-12-09T06:13:00Z");
    EXPECT_EQ(rx.settings.freq, 5000);
    EXPECT_EQ(rx.settings.scan, 0); // the scan would tune it away
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(recording_calls(), std::vector<std::string>{"start_recording " + file + " wav"});
    EXPECT_EQ(t->list()[0].state, State::recording);
    run_to(*t, "2026-12-09T06:14:59Z");
    EXPECT_EQ(recording_calls().size(), 1u);
    run_to(*t, "2026-12-09T06:15:00Z");
    EXPECT_EQ(recording_calls(),
              (std::vector<std::string>{"start_recording " + file + " wav", "stop_recording"}));
    EXPECT_EQ(rx.settings.freq, 4800);
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(t->list()[0].state, State::done);
    EXPECT_EQ(t->list()[0].note, file);
    EXPECT_EQ(t->save_error(), "");
    EXPECT_EQ(test::read_text(folder / "cfg" / "timers.txt"),
              "# Zenka timer recordings: frequency (kHz); start (UTC); minutes; state; note\n"
              "500.0; 2026-12-09T06:13:00Z; 2; done; " +
                  file + "\n");
}

TEST_F(TimerRecordingsTest, TimersSurviveARestartAndOneCutShortRecordsTheRest) {
    {
        auto t = timers();
        ASSERT_EQ(t->load(), "");
        ASSERT_EQ(t->add(5000, at("2026-12-09T06:13:00Z"), 10), "");
        ASSERT_EQ(t->add(1000, at("2026-12-09T07:00:00Z"), 5), "");
        run_to(*t, "2026-12-09T06:14:00Z");
        EXPECT_EQ(t->list()[0].state, State::recording);
        out.stop_recording(); // the receiver is switched off
    }
    auto t = timers();
    EXPECT_EQ(t->load(), "");
    ASSERT_EQ(t->list().size(), 2u);
    EXPECT_EQ(t->list()[1].freq, 1000);
    EXPECT_EQ(t->list()[1].state, State::waiting);
    // Still within its time: it records the rest.
    out.clear();
    rx.settings.freq = 4800;
    run_to(*t, "2026-12-09T06:14:01Z");
    EXPECT_EQ(t->list()[0].state, State::recording);
    EXPECT_EQ(rx.settings.freq, 5000);
    EXPECT_EQ(recording_calls().size(), 1u);
    run_to(*t, "2026-12-09T06:23:00Z");
    EXPECT_EQ(t->list()[0].state, State::done);
    EXPECT_EQ(rx.settings.freq, 4800);
}

TEST_F(TimerRecordingsTest, ATimeThatPassedWhileOffIsMissed) {
    {
        auto t = timers();
        ASSERT_EQ(t->load(), "");
        ASSERT_EQ(t->add(5000, at("2026-12-09T06:20:00Z"), 5), "");
    }
    clock.set(at("2026-12-09T08:00:00Z"));
    auto t = timers();
    ASSERT_EQ(t->load(), "");
    t->tick();
    EXPECT_EQ(t->list()[0].state, State::missed);
    EXPECT_EQ(t->list()[0].note, "its time passed while the receiver was off");
    EXPECT_EQ(rx.settings.freq, 4800);
    EXPECT_EQ(passes, 0);
    EXPECT_TRUE(recording_calls().empty());
}

TEST_F(TimerRecordingsTest, CancelledBeforeOrWhileItRuns) {
    auto t = timers();
    ASSERT_EQ(t->load(), "");
    ASSERT_EQ(t->add(5000, at("2026-12-09T06:13:00Z"), 5), "");
    ASSERT_EQ(t->add(1000, at("2026-12-09T06:30:00Z"), 5), "");
    EXPECT_EQ(t->cancel(t->list()[1].id), "");
    EXPECT_EQ(t->list()[1].state, State::cancelled);
    EXPECT_EQ(t->cancel(t->list()[1].id), "there is no such timer to cancel");
    run_to(*t, "2026-12-09T06:14:00Z");
    ASSERT_EQ(rx.settings.freq, 5000);
    EXPECT_EQ(t->cancel(t->list()[0].id), "");
    EXPECT_EQ(t->list()[0].state, State::cancelled);
    EXPECT_FALSE(out.recording().recording);
    EXPECT_EQ(rx.settings.freq, 4800);
    run_to(*t, "2026-12-09T06:40:00Z");
    EXPECT_EQ(recording_calls().size(), 2u); // one start, one stop
    t->clear_finished();
    EXPECT_TRUE(t->list().empty());
    EXPECT_EQ(test::read_text(folder / "cfg" / "timers.txt"),
              "# Zenka timer recordings: frequency (kHz); start (UTC); minutes; state; note\n");
}

TEST_F(TimerRecordingsTest, ARecordingAlreadyRunningIsLeftAloneAndTheTimerSaysSo) {
    auto t = timers();
    ASSERT_EQ(t->load(), "");
    ASSERT_EQ(t->add(5000, at("2026-12-09T06:13:00Z"), 5), "");
    ASSERT_EQ(recording.start(folder / "mine", RecordingFormat::flac), "");
    run_to(*t, "2026-12-09T06:13:00Z");
    EXPECT_EQ(t->list()[0].state, State::failed);
    EXPECT_EQ(t->list()[0].note, "not recorded: another recording was running (Zenka 480.0 kHz "
                                 "2026-12-09 0612Z.flac)");
    EXPECT_EQ(rx.settings.freq, 4800);
    EXPECT_TRUE(out.recording().recording);
}

TEST_F(TimerRecordingsTest, ARecordingThatStopsByItselfEndsTheTimerAndTunesBack) {
    auto t = timers();
    ASSERT_EQ(t->load(), "");
    ASSERT_EQ(t->add(5000, at("2026-12-09T06:13:00Z"), 5), "");
    run_to(*t, "2026-12-09T06:14:00Z");
    ASSERT_EQ(rx.settings.freq, 5000);
    out.end_recording("the disk is full: the recording stopped after 60.0 s, and X keeps it");
    run_to(*t, "2026-12-09T06:14:01Z");
    EXPECT_EQ(t->list()[0].state, State::failed);
    EXPECT_EQ(t->list()[0].note,
              "the disk is full: the recording stopped after 60.0 s, and X keeps it");
    EXPECT_EQ(rx.settings.freq, 4800);
    // Tuned away by the listener meanwhile: left where the listener put it.
    ASSERT_EQ(t->add(5000, at("2026-12-09T06:20:00Z"), 5), "");
    run_to(*t, "2026-12-09T06:21:00Z");
    rx.settings.freq = 1234;
    run_to(*t, "2026-12-09T06:26:00Z");
    EXPECT_EQ(t->list()[1].state, State::done);
    EXPECT_EQ(rx.settings.freq, 1234);
}

TEST_F(TimerRecordingsTest, ADamagedTimerFileIsKeptAsideAndAFreshOneStarted) {
    for (const test::Hostile& h : test::hostile_files()) {
        SCOPED_TRACE(h.name);
        fs::remove_all(folder / "cfg");
        fs::create_directory(folder / "cfg");
        const fs::path file = folder / "cfg" / "timers.txt";
        if (!h.make(file)) continue;
        const std::string before = test::fingerprint(file);
        auto t = timers();
        const std::string message = t->load();
        const fs::path aside = folder / "cfg" / "timers.txt.damaged-20261209T061258Z";
        const std::string problem = h.name == "huge" ? "it is larger than 1 MB" : h.problem;
        EXPECT_EQ(message, "Timers file " + file.string() + " is damaged (" + problem +
                               "); it is kept as timers.txt.damaged-20261209T061258Z and a "
                               "fresh one is started");
        EXPECT_EQ(test::fingerprint(aside), before);
        EXPECT_TRUE(t->list().empty());
        EXPECT_EQ(t->add(5000, at("2026-12-09T07:00:00Z"), 5), "");
        EXPECT_EQ(t->save_error(), "");
        std::vector<std::string> problems;
        EXPECT_EQ(TimerSchedule::from_text(test::read_text(file), problems).list().size(), 1u);
    }
    // Lines that are not timers: the good ones stay, the file is kept aside.
    fs::remove_all(folder / "cfg");
    fs::create_directory(folder / "cfg");
    test::write_text(folder / "cfg" / "timers.txt",
                     "500.0; 2026-12-09T07:00:00Z; 5; waiting;\nrubbish\n");
    auto t = timers();
    EXPECT_EQ(t->load(), "Timers file " + (folder / "cfg" / "timers.txt").string() +
                             " is damaged (line 2: not a timer (frequency; start; minutes; state; "
                             "note)); it is kept as timers.txt.damaged-20261209T061258Z and a "
                             "fresh one is started");
    EXPECT_EQ(t->list().size(), 1u);
    EXPECT_EQ(test::read_text(folder / "cfg" / "timers.txt.damaged-20261209T061258Z"),
              "500.0; 2026-12-09T07:00:00Z; 5; waiting;\nrubbish\n");
    EXPECT_EQ(test::read_text(folder / "cfg" / "timers.txt"),
              "# Zenka timer recordings: frequency (kHz); start (UTC); minutes; state; note\n"
              "500.0; 2026-12-09T07:00:00Z; 5; waiting; \n");
}

} // namespace
} // namespace zenka
