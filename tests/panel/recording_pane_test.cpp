// Recording from the band window as a listener does it: Record pressed (or Ctrl+R),
// the receiver retuned, Stop, and the file read back; timers added in the window that
// tune, record and tune back at their times as the clock moves; the choices of the
// context menu and of the recording kept between runs; folders that cannot take a
// recording, and a full disk.

#include "support/utc_at.h"
#include "panel/band_window.h"
#include "panel/frequency_dial.h"
#include "panel/kept_choices.h"
#include "panel/panel.h"
#include "panel/receiver_strip.h"
#include "panel/recording_pane.h"
#include "panel/settings_file.h"
#include "panel/timer_pane.h"
#include "platform/clock.h"
#include "platform/sound/file_sound.h"
#include "shell/receiver.h"
#include "shell/recording.h"
#include "shell/timer_recordings.h"
#include "support/small_tmpfs.h"
#include "support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>
#include <sndfile.h>

#undef slots

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace zenka {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

using test::at;

struct Sound {
    int format = 0;
    int rate = 0;
    int channels = 0;
    std::int64_t frames = -1; // -1: not a sound file
};

Sound read_sound(const fs::path& file) {
    SF_INFO info{};
    SNDFILE* f = sf_open(file.c_str(), SFM_READ, &info);
    if (f == nullptr) return {};
    // Every frame the header counts is there to be read.
    std::vector<short> samples(static_cast<std::size_t>(info.frames) + 1);
    const sf_count_t read = sf_read_short(f, samples.data(), info.frames + 1);
    sf_close(f);
    return {info.format, info.samplerate, info.channels, read == info.frames ? read : -2};
}

// The receiver playing into a 48 kHz file (time stands still between advances), the
// panel, the recording and the timers, and the band window with a settings file, a
// music folder and a timers file under `root`, as the program puts them together.
struct Rig {
    explicit Rig(const fs::path& root)
        : root(root), env{(root / "home").string(), (root / "config").string(),
                          (root / "music").string()},
          out(root / "heard.wav", sound::RecordingsFolder(root / "fone")),
          playout(out, clock, random, root) {
        panel.attach(rx);
        panel.move(0, 0);
        panel.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
        open_window();
    }
    ~Rig() {
        window.reset();
        timers.reset();
        if (panel.isVisible()) panel.close();
    }

    void open_window() {
        settings =
            std::make_unique<SettingsFile>(QString::fromStdString(settings_file(env).string()));
        restore_listening_choices(panel, *settings);
        timers =
            std::make_unique<TimerRecordings>(clock, rx, recording, timers_file(env), fs::path());
        window = std::make_unique<BandWindow>(rx, clock, *settings, &panel,
                                              BandWindowServices{&recording, timers.get(), env, {}});
        keep_listening_choices(panel, *settings, *window);
        window->restore();
    }
    // The receiver switched off and on again: a new window, timers and settings file.
    void restart() {
        window->switch_off();
        window.reset();
        timers.reset();
        settings.reset();
        open_window();
    }

    void retune(int freq) {
        rx.settings.freq = freq;
        rx.dsp_freq();
    }
    // Moves the clock and the sound on by a second at a time up to `until`; the
    // window ticks at every second.
    void run_to(const char* until) {
        while (clock.now() < at(until)) {
            clock.advance(1s);
            window->tick();
            out.advance(1000ms);
        }
    }

    RecordingPane& pane() const { return *window->recording(); }
    TimerPane& timer_pane() const { return *window->timers(); }
    fs::path music() const { return root / "music" / "Zenka"; }

    fs::path root;
    XdgEnvironment env;
    FixedClock clock{at("2026-12-09T06:12:58Z")};
    sound::FileSound out;
    RandomSource random;
    Playout playout;
    Panel panel;
    Receiver rx{clock, random, playout, panel, [](Air& air) {
                    air.send_stack("CQ CQ DE K" + std::to_string(air.settings.freq) + " K");
                }};
    Recording recording{out, clock, rx.settings};
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<TimerRecordings> timers;
    std::unique_ptr<BandWindow> window;
};

void press_ctrl_r(Rig& r) {
    r.window->activateWindow();
    QApplication::setActiveWindow(r.window.get());
    QTest::keyClick(r.window->windowHandle(), Qt::Key_R, Qt::ControlModifier);
}

// Pressed, three retunes, stopped: the file holds every sample heard from the press
// to the stop, exactly (the file output mixes in whole blocks, and the recording
// takes each block it mixes), in either format.
TEST(RecordingPane, RecordsAcrossThreeRetunesAndReadsBackAtTheLengthRecorded) {
    test::TempFolder folder;
    Rig r(folder.path());
    r.retune(5000);
    for (const RecordingFormat format : {RecordingFormat::wav, RecordingFormat::flac}) {
        const bool flac = format == RecordingFormat::flac;
        SCOPED_TRACE(flac ? "flac" : "wav");
        r.pane().format_box()->setCurrentIndex(flac ? 1 : 0);
        ASSERT_EQ(r.pane().format(), format);
        if (flac)
            r.pane().record_button()->click();
        else
            press_ctrl_r(r);
        ASSERT_TRUE(r.recording.status().recording) << r.pane().message().toStdString();
        EXPECT_TRUE(r.pane().record_button()->isChecked());
        EXPECT_EQ(r.pane().record_button()->text(), QStringLiteral("Stop"));
        EXPECT_FALSE(r.pane().format_box()->isEnabled());
        const fs::path file = r.recording.status().file;
        const std::string name =
            std::string("Zenka 500.0 kHz 2026-12-09 0612Z") + (flac ? ".flac" : ".wav");
        EXPECT_EQ(file, r.music() / name);
        EXPECT_EQ(r.pane().file(), QStringLiteral("Recording into %1 in %2")
                                       .arg(QString::fromStdString(name),
                                            QString::fromStdString(r.music().string())));

        std::uint64_t samples = 0;
        int retunes = 0;
        for (const int freq : {5000, 1365, 4800, 10004}) {
            if (freq != r.rx.settings.freq) {
                r.retune(freq);
                ++retunes;
            }
            r.out.advance(700ms);
            samples += 700 * 48;
            r.window->tick();
            const RecordingStatus s = r.recording.status();
            ASSERT_TRUE(s.recording);
            EXPECT_DOUBLE_EQ(s.seconds, static_cast<double>(samples) / 48000);
            const auto whole = static_cast<int>(samples / 48000);
            EXPECT_EQ(r.pane().elapsed(), QStringLiteral("0:%1").arg(whole, 2, 10, QChar(u'0')));
            EXPECT_EQ(r.pane().size(), QStringLiteral("%1 kB").arg(
                                           std::llround(static_cast<double>(s.bytes) / 1000)));
            EXPECT_EQ(
                r.window->findChild<QLabel*>(QStringLiteral("recording_elapsed"))->accessibleName(),
                QStringLiteral("Time recorded ") + r.pane().elapsed());
        }
        EXPECT_EQ(retunes, 3);
        r.pane().record_button()->click();
        const RecordingStatus done = r.recording.status();
        EXPECT_FALSE(done.recording);
        EXPECT_FALSE(r.pane().record_button()->isChecked());
        EXPECT_EQ(r.pane().record_button()->text(), QStringLiteral("Record"));
        EXPECT_EQ(done.file, file);
        EXPECT_EQ(done.bytes, fs::file_size(file));
        EXPECT_EQ(r.pane().message(), QString());

        const Sound heard = read_sound(file);
        // A WAV short of 4 GiB is a plain (extensible) WAV, not RF64.
        EXPECT_EQ(heard.format, flac ? (SF_FORMAT_FLAC | SF_FORMAT_PCM_16)
                                     : (SF_FORMAT_WAVEX | SF_FORMAT_PCM_16));
        EXPECT_EQ(heard.rate, 48000);
        EXPECT_EQ(heard.channels, 1);
        EXPECT_EQ(heard.frames, static_cast<std::int64_t>(samples));
        // After the stop the sound goes on, unrecorded.
        r.out.advance(300ms);
        EXPECT_EQ(read_sound(file).frames, static_cast<std::int64_t>(samples));
        r.retune(5000);
    }
}

TEST(RecordingPane, TimeAndSizeAreWrittenAsPeopleReadThem) {
    EXPECT_EQ(RecordingPane::elapsed_text(0), QStringLiteral("0:00"));
    EXPECT_EQ(RecordingPane::elapsed_text(7.99), QStringLiteral("0:07"));
    EXPECT_EQ(RecordingPane::elapsed_text(750), QStringLiteral("12:30"));
    EXPECT_EQ(RecordingPane::elapsed_text(3723.5), QStringLiteral("1:02:03"));
    EXPECT_EQ(RecordingPane::elapsed_text(-3), QStringLiteral("0:00"));
    EXPECT_EQ(RecordingPane::size_text(0), QStringLiteral("0 bytes"));
    EXPECT_EQ(RecordingPane::size_text(999), QStringLiteral("999 bytes"));
    EXPECT_EQ(RecordingPane::size_text(288044), QStringLiteral("288 kB"));
    EXPECT_EQ(RecordingPane::size_text(14'400'044), QStringLiteral("14.4 MB"));
    EXPECT_EQ(RecordingPane::size_text(2'310'000'000), QStringLiteral("2.31 GB"));
}

// A timer added in the window: at its start the receiver tunes there and records, at
// its end it stops and tunes back, and the file is as long as the timer's minutes.
TEST(TimerPane, ATimerTunesRecordsAndTunesBackAtItsTimes) {
    test::TempFolder folder;
    Rig r(folder.path());
    r.retune(4800);
    TimerPane& t = r.timer_pane();
    t.frequency_field()->setText(QStringLiteral("500"));
    t.start_field()->setText(QStringLiteral("2026-12-09T06:13:00Z"));
    t.minutes_box()->setValue(1);
    t.add_button()->click();
    EXPECT_EQ(t.message(), QString());
    ASSERT_EQ(t.model().timers().size(), 1u);
    EXPECT_EQ(t.model().index(0, TimerModel::kFreq).data().toString(), QStringLiteral("500.0"));
    EXPECT_EQ(t.model().index(0, TimerModel::kStart).data().toString(),
              QStringLiteral("2026-12-09 06:13Z"));
    EXPECT_EQ(t.model().index(0, TimerModel::kMinutes).data().toInt(), 1);
    EXPECT_EQ(t.model().index(0, TimerModel::kState).data().toString(), QStringLiteral("waiting"));
    EXPECT_EQ(t.about(), QStringLiteral("Next: 500.0 kHz from 2026-12-09 06:13Z for 1 min"));
    // The form moves on to the end of the timer just added.
    EXPECT_EQ(t.start_field()->text(), QStringLiteral("2026-12-09T06:14:00Z"));

    r.run_to("2026-12-09T06:12:59Z");
    EXPECT_FALSE(r.recording.status().recording);
    EXPECT_EQ(r.rx.settings.freq, 4800);
    r.run_to("2026-12-09T06:13:00Z");
    ASSERT_TRUE(r.recording.status().recording);
    EXPECT_EQ(r.rx.settings.freq, 5000);
    EXPECT_EQ(r.window->strip()->dial()->text(), QStringLiteral("500.0 kHz"));
    EXPECT_TRUE(r.pane().record_button()->isChecked());
    EXPECT_EQ(t.model().index(0, TimerModel::kState).data().toString(),
              QStringLiteral("recording"));
    EXPECT_EQ(t.about(), QStringLiteral("Recording 500.0 kHz until 2026-12-09 06:14Z"));
    const fs::path file = r.music() / "Zenka 500.0 kHz 2026-12-09 0613Z.wav";
    EXPECT_EQ(r.recording.status().file, file);

    r.run_to("2026-12-09T06:13:59Z");
    EXPECT_TRUE(r.recording.status().recording);
    r.run_to("2026-12-09T06:14:00Z");
    EXPECT_FALSE(r.recording.status().recording);
    EXPECT_EQ(r.rx.settings.freq, 4800);
    EXPECT_FALSE(r.pane().record_button()->isChecked());
    EXPECT_EQ(t.model().index(0, TimerModel::kState).data().toString(), QStringLiteral("done"));
    EXPECT_EQ(t.model().index(0, TimerModel::kNote).data().toString(),
              QString::fromStdString(file.string()));
    EXPECT_EQ(t.about(), QStringLiteral("No timer waiting."));
    const Sound heard = read_sound(file);
    EXPECT_EQ(heard.rate, 48000);
    EXPECT_EQ(heard.frames, 60 * 48000);
}

TEST(TimerPane, TimersSurviveARestartAndAreCancelledByButtonOrDelete) {
    test::TempFolder folder;
    Rig r(folder.path());
    TimerPane* t = &r.timer_pane();
    const auto add = [&](const char* khz, const char* start, int minutes) {
        t->frequency_field()->setText(QString::fromLatin1(khz));
        t->start_field()->setText(QString::fromLatin1(start));
        t->minutes_box()->setValue(minutes);
        return t->add();
    };
    ASSERT_TRUE(add("136.5", "2026-12-09T08:00:00+01:00", 20)); // 07:00 UTC
    ASSERT_TRUE(add("500,0 kHz", "2026-12-09T07:30:00Z", 5));
    // Refused, with why in one line, and nothing added.
    EXPECT_FALSE(add("5000", "2026-12-09T09:00:00Z", 5));
    EXPECT_EQ(t->message(), read_typed_frequency(QStringLiteral("5000")).error);
    EXPECT_FALSE(add("500", "tomorrow", 5));
    EXPECT_EQ(t->message(), QStringLiteral("'tomorrow' is not a time such as 2026-12-09T06:15:00Z "
                                           "(UTC) or 2026-12-09T07:15:00+01:00"));
    EXPECT_FALSE(add("500", "2026-12-09T07:10:00Z", 5));
    EXPECT_EQ(
        t->message(),
        QStringLiteral("it overlaps the timer at 136.5 kHz from 2026-12-09 07:00Z for 20 min"));
    EXPECT_EQ(t->model().timers().size(), 2u);

    r.restart();
    t = &r.timer_pane();
    ASSERT_EQ(t->model().timers().size(), 2u);
    EXPECT_EQ(t->model().timers()[0].freq, 1365);
    EXPECT_EQ(t->model().timers()[0].start, at("2026-12-09T07:00:00Z"));
    EXPECT_EQ(t->model().timers()[0].minutes, 20);
    EXPECT_EQ(t->model().timers()[1].freq, 5000);
    EXPECT_EQ(t->message(), QString());

    // Cancel with nothing chosen says so; Delete on the list cancels the line chosen.
    EXPECT_FALSE(t->cancel_selected());
    EXPECT_EQ(t->message(), QStringLiteral("Choose the timer to cancel in the list."));
    r.window->activateWindow();
    QApplication::setActiveWindow(r.window.get());
    r.window->tools()->setCurrentWidget(t);
    t->table()->setFocus();
    t->table()->selectRow(1);
    QTest::keyClick(r.window->windowHandle(), Qt::Key_Delete);
    EXPECT_EQ(t->model().index(1, TimerModel::kState).data().toString(),
              QStringLiteral("cancelled"));
    EXPECT_EQ(t->model().index(0, TimerModel::kState).data().toString(), QStringLiteral("waiting"));
    t->table()->selectRow(0);
    t->cancel_button()->click();
    EXPECT_EQ(t->model().index(0, TimerModel::kState).data().toString(),
              QStringLiteral("cancelled"));

    r.restart();
    t = &r.timer_pane();
    ASSERT_EQ(t->model().timers().size(), 2u);
    for (const TimerRecording& timer : t->model().timers())
        EXPECT_EQ(timer.state, TimerRecording::State::cancelled);
    r.clock.set(at("2026-12-09T07:00:30Z"));
    r.window->tick();
    EXPECT_FALSE(r.recording.status().recording);
    // Nothing was recorded, so not even the default folder was made.
    EXPECT_FALSE(fs::exists(r.music()));
    // Clear finished takes them from the list and from the kept file.
    t->findChild<QPushButton*>(QStringLiteral("timer_clear"))->click();
    EXPECT_TRUE(t->model().timers().empty());
    EXPECT_EQ(test::read_text(timers_file(r.env)),
              "# Zenka timer recordings: frequency (kHz); start (UTC); minutes; state; note\n");
}

// The switches of the panel's context menu and where and how recordings are written,
// found again at the next start; the receiver's own switches start as always.
TEST(KeptChoices, SurviveARestart) {
    test::TempFolder folder;
    fs::create_directories(folder / "elsewhere");
    {
        Rig r(folder.path());
        EXPECT_FALSE(r.rx.plain_audio());
        EXPECT_TRUE(r.rx.neighbours());
        r.panel.plain_audio_action()->trigger();
        r.panel.keep_listening_action()->trigger();
        r.panel.cw_filter_action()->trigger();
        r.panel.neighbours_action()->trigger();
        r.rx.toggle_att();
        r.rx.toggle_hist();
        ASSERT_TRUE(
            r.pane().choose_folder(QString::fromStdString((folder / "elsewhere").string())));
        r.pane().format_box()->setCurrentIndex(1);
    }
    Rig r(folder.path());
    EXPECT_TRUE(r.panel.plain_audio_action()->isChecked());
    EXPECT_TRUE(r.rx.plain_audio());
    EXPECT_TRUE(r.rx.keep_listening());
    EXPECT_TRUE(r.rx.cw_filter());
    EXPECT_FALSE(r.rx.neighbours());
    EXPECT_EQ(r.rx.settings.att, 0);
    EXPECT_EQ(r.rx.settings.hist, 1);
    EXPECT_EQ(r.pane().choices(), (RecordingChoices{folder / "elsewhere", RecordingFormat::flac}));
    EXPECT_EQ(r.pane().folder_field()->text(),
              QString::fromStdString((folder / "elsewhere").string()));
    r.retune(5000);
    r.pane().toggle();
    r.out.advance(100ms);
    r.pane().toggle();
    EXPECT_EQ(test::names_in(folder / "elsewhere"),
              std::set<std::string>{"Zenka 500.0 kHz 2026-12-09 0612Z.flac"});
    // A timer records where the window records.
    EXPECT_TRUE(r.timers->add(5000, at("2026-12-09T06:13:00Z"), 1).empty());
    r.run_to("2026-12-09T06:13:01Z");
    EXPECT_EQ(r.recording.status().file,
              folder / "elsewhere" / "Zenka 500.0 kHz 2026-12-09 0613Z.flac");

    // Switched back, the default folder is kept as the default, not as a folder.
    r.timers->cancel(r.timers->list()[0].id);
    ASSERT_TRUE(r.pane().choose_folder(QString()));
    r.window->save();
    QSettings kept(QString::fromStdString(settings_file(r.env).string()), QSettings::IniFormat);
    EXPECT_EQ(kept.value(QStringLiteral("recording/folder")).toString(), QString());
    EXPECT_EQ(kept.value(QStringLiteral("recording/format")).toString(), QStringLiteral("flac"));
    EXPECT_EQ(kept.value(QStringLiteral("listening/plain_audio")).toString(),
              QStringLiteral("true"));
}

// A switch set for one run before the choices are kept (--plain-audio) is not kept;
// the switches changed afterwards are, each by itself.
TEST(KeptChoices, ASwitchSetBeforeKeepingIsNotKept) {
    test::TempFolder folder;
    const QString path = QString::fromStdString((folder / "zenka.conf").string());
    {
        Panel panel;
        SettingsFile settings(path);
        QObject until;
        panel.plain_audio_action()->setChecked(true);
        keep_listening_choices(panel, settings, until);
        panel.cw_filter_action()->setChecked(true);
        panel.neighbours_action()->setChecked(true);
        panel.neighbours_action()->setChecked(false);
    }
    QSettings kept(path, QSettings::IniFormat);
    EXPECT_EQ(kept.childKeys(), QStringList());
    kept.beginGroup(QStringLiteral("listening"));
    EXPECT_EQ(kept.childKeys(),
              (QStringList{QStringLiteral("cw_filter"), QStringLiteral("neighbours")}));
    EXPECT_EQ(kept.value(QStringLiteral("cw_filter")).toString(), QStringLiteral("true"));
    EXPECT_EQ(kept.value(QStringLiteral("neighbours")).toString(), QStringLiteral("false"));
    kept.endGroup();
    const ListeningChoices back = read_listening(kept);
    EXPECT_EQ(back, (ListeningChoices{false, true, false, false}));
}

TEST(KeptChoices, ADamagedValueReadsAsTheDefault) {
    test::TempFolder folder;
    {
        fs::create_directories(folder / "config" / "zenka");
        QSettings s(QString::fromStdString((folder / "config" / "zenka" / "zenka.conf").string()),
                    QSettings::IniFormat);
        s.setValue(QStringLiteral("listening/plain_audio"), QStringLiteral("perhaps"));
        s.setValue(QStringLiteral("listening/keep_listening"), 2);
        s.setValue(QStringLiteral("listening/cw_filter"), QStringLiteral("\x01"));
        s.setValue(QStringLiteral("listening/neighbours"), QStringLiteral(""));
        s.setValue(QStringLiteral("recording/folder"), QStringLiteral("relative/folder"));
        s.setValue(QStringLiteral("recording/format"), QStringLiteral("mp3"));
    }
    Rig r(folder.path());
    EXPECT_TRUE(r.settings->problem().isEmpty());
    EXPECT_FALSE(r.rx.plain_audio());
    EXPECT_FALSE(r.rx.keep_listening());
    EXPECT_FALSE(r.rx.cw_filter());
    EXPECT_TRUE(r.rx.neighbours());
    EXPECT_EQ(r.pane().choices(), RecordingChoices{});
    EXPECT_EQ(r.pane().message(), QString());
    r.retune(5000);
    r.pane().toggle();
    EXPECT_EQ(r.recording.status().file, r.music() / "Zenka 500.0 kHz 2026-12-09 0612Z.wav");
    r.pane().toggle();

    // The same from the groups' own reader, for an empty file and one of nonsense.
    QSettings empty(QString::fromStdString((folder / "empty.conf").string()), QSettings::IniFormat);
    EXPECT_EQ(read_listening(empty), ListeningChoices{});
    EXPECT_EQ(read_recording(empty), RecordingChoices{});
}

// A folder that cannot take a recording (here one under a plain file) is refused when
// chosen, and said so at the start when the settings name it; Record then says why
// and records nothing.
TEST(RecordingPane, AFolderThatCannotTakeRecordingsIsSaidSoAndNothingIsRecorded) {
    test::TempFolder folder;
    Rig r(folder.path());
    test::write_text(folder / "plain", "a file");
    const fs::path bad = folder / "plain" / "Zenka";
    const QString bad_text = QString::fromStdString(bad.string());
    EXPECT_FALSE(r.pane().choose_folder(bad_text));
    EXPECT_EQ(r.pane().message(),
              QStringLiteral("Cannot record into %1: Not a directory; recordings still go to %2")
                  .arg(bad_text, QString::fromStdString(r.music().string())));
    EXPECT_EQ(r.pane().choices().folder, fs::path());
    EXPECT_FALSE(r.pane().choose_folder(QStringLiteral("Music/Zenka")));
    EXPECT_TRUE(r.pane().message().startsWith(
        QStringLiteral("Cannot record into Music/Zenka: a folder is a whole path")));

    r.pane().set_choices({bad, RecordingFormat::wav});
    EXPECT_EQ(r.pane().message(),
              QStringLiteral("Cannot record into %1: Not a directory").arg(bad_text));
    r.pane().record_button()->click();
    EXPECT_EQ(
        r.pane().message(),
        QStringLiteral("cannot record: cannot make the folder %1: Not a directory").arg(bad_text));
    EXPECT_FALSE(r.recording.status().recording);
    EXPECT_FALSE(r.pane().record_button()->isChecked());
    EXPECT_EQ(r.pane().file(), QStringLiteral("Not recording"));
    r.out.advance(200ms);
    r.window->tick();
    EXPECT_FALSE(r.pane().record_button()->isChecked());
    EXPECT_FALSE(fs::exists(r.music() / "Zenka 500.0 kHz 2026-12-09 0612Z.wav"));
}

// A full disk stops the recording: the window says why, the button is up again, and
// the file holds what was recorded.
TEST(RecordingPane, AFullDiskStopsTheRecordingAndTheWindowSaysSo) {
    test::SmallTmpfs disk("size=300k");
    if (!disk.ok()) GTEST_SKIP() << "cannot mount a tmpfs here";
    test::TempFolder folder;
    Rig r(folder.path());
    ASSERT_TRUE(r.pane().choose_folder(QString::fromStdString(disk.path().string())));
    r.retune(5000);
    r.pane().record_button()->click();
    ASSERT_TRUE(r.recording.status().recording);
    for (int i = 0; i < 30 && r.recording.status().recording; ++i) {
        r.out.advance(1000ms);
        r.window->tick();
    }
    const RecordingStatus s = r.recording.status();
    ASSERT_FALSE(s.recording);
    EXPECT_TRUE(s.message.starts_with("the disk is full")) << s.message;
    EXPECT_EQ(r.pane().message(), QString::fromStdString(s.message));
    EXPECT_FALSE(r.pane().record_button()->isChecked());
    EXPECT_EQ(read_sound(s.file).frames, std::llround(s.seconds * 48000));
}

// Switching the receiver off completes a recording that runs.
TEST(RecordingPane, SwitchingOffCompletesTheRecording) {
    test::TempFolder folder;
    Rig r(folder.path());
    r.retune(5000);
    r.pane().record_button()->click();
    r.out.advance(500ms);
    const fs::path file = r.recording.status().file;
    r.window->switch_off();
    EXPECT_FALSE(r.recording.status().recording);
    EXPECT_EQ(read_sound(file).frames, 500 * 48);
    EXPECT_EQ(test::names_in(r.music()), std::set<std::string>{file.filename().string()});
}

// A timer recording when the receiver is switched off: its file is completed, and at
// the next start, still within its time, it records the rest into a second file.
TEST(TimerPane, ATimerCutShortBySwitchingOffRecordsTheRestAtTheNextStart) {
    test::TempFolder folder;
    Rig r(folder.path());
    r.retune(4800);
    ASSERT_EQ(r.timers->add(5000, at("2026-12-09T06:13:00Z"), 2), "");
    r.run_to("2026-12-09T06:13:30Z");
    ASSERT_TRUE(r.recording.status().recording);
    const fs::path first = r.recording.status().file;
    r.restart();
    EXPECT_FALSE(r.recording.status().recording);
    EXPECT_EQ(read_sound(first).frames, 31 * 48000);
    EXPECT_EQ(r.timer_pane().model().index(0, TimerModel::kState).data().toString(),
              QStringLiteral("waiting"));
    r.run_to("2026-12-09T06:13:31Z");
    ASSERT_TRUE(r.recording.status().recording);
    const fs::path rest = r.recording.status().file;
    EXPECT_EQ(rest, r.music() / "Zenka 500.0 kHz 2026-12-09 0613Z (2).wav");
    r.run_to("2026-12-09T06:15:00Z");
    EXPECT_FALSE(r.recording.status().recording);
    EXPECT_EQ(r.timers->list()[0].state, TimerRecording::State::done);
    EXPECT_EQ(read_sound(rest).frames, 89 * 48000);
}

// Panes laid out by a window of three panes and no side, before it had its tools, leave
// the tools and their timers in sight.
TEST(TimerPane, APaneLayoutKeptWithoutItLeavesItInSight) {
    test::TempFolder folder;
    {
        Rig r(folder.path());
        r.window.reset();
        QSplitter older(Qt::Vertical);
        for (int i = 0; i < 3; ++i)
            older.addWidget(new QWidget(&older));
        older.setSizes({300, 300, 300});
        r.settings->settings().setValue(QStringLiteral("band_window/panes"), older.saveState());
        r.settings->sync();
    }
    Rig r(folder.path());
    QTest::qWait(50);
    ASSERT_EQ(r.window->panes()->count(), 3);
    const int tools = r.window->columns()->indexOf(r.window->tools());
    ASSERT_EQ(tools, 1);
    EXPECT_GE(r.window->columns()->sizes()[tools], BandWindow::kColumnMinimum);
    r.window->tools()->setCurrentWidget(&r.timer_pane());
    EXPECT_GT(r.timer_pane().table()->height(), 0);
    EXPECT_TRUE(r.timer_pane().table()->isVisible());
}

// Every control of the recording and the timers is reached by Tab and has a name a
// screen reader says; their keys are in the keys list and the manual page.
TEST(RecordingPane, EveryControlIsReachedByTabNamedAndItsKeysListed) {
    test::TempFolder folder;
    Rig r(folder.path());
    r.window->activateWindow();
    QApplication::setActiveWindow(r.window.get());
    r.window->tools()->setCurrentWidget(&r.timer_pane());
    r.window->strip()->entry()->setFocus();
    std::vector<std::string> order;
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    for (int i = 0; i < 200 && std::find(order.begin(), order.end(),
                                         w->objectName().toStdString()) == order.end();
         ++i) {
        order.push_back(w->objectName().toStdString());
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
    }
    // Tab goes as the eye does: from the strip's last switch to the recording, from
    // "Coming up" through the tools' tabs to the timers, and on to the band scope.
    const auto after = [&](const char* name) {
        const auto it = std::find(order.begin(), order.end(), name);
        return it == order.end() || it + 1 == order.end() ? std::string() : *(it + 1);
    };
    EXPECT_EQ(after("switch_scan"), "record");
    EXPECT_EQ(after("record"), "recording_format");
    EXPECT_EQ(after("recording_format"), "recording_folder");
    EXPECT_EQ(after("recording_folder"), "recording_choose");
    EXPECT_EQ(after("coming_table"), "tools_tabs");
    EXPECT_EQ(after("band_scope"), "audio_waterfall");
    EXPECT_EQ(after("tools_tabs"), "timer_frequency");
    EXPECT_EQ(after("timer_clear"), "band_scope");
    for (const char* name : {"timer_start", "timer_minutes", "timer_add", "timer_table",
                             "timer_cancel", "timer_clear"})
        EXPECT_NE(std::find(order.begin(), order.end(), name), order.end()) << name;

    QFile manual(QStringLiteral(ZENKA_MANUAL));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString page =
        QString::fromUtf8(manual.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    const QString help = r.window->keys_help();
    for (const char* key : {"Ctrl+R", "Ctrl+Shift+R", "Delete"}) {
        EXPECT_TRUE(page.contains(QString::fromLatin1(key))) << key;
        EXPECT_TRUE(help.contains(QString::fromLatin1(key))) << key;
    }
    // Ctrl+R on the window records, and again stops.
    r.retune(5000);
    press_ctrl_r(r);
    EXPECT_TRUE(r.recording.status().recording);
    press_ctrl_r(r);
    EXPECT_FALSE(r.recording.status().recording);
    // Ctrl+Shift+R goes to the timer form.
    QTest::keyClick(r.window->windowHandle(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), r.timer_pane().frequency_field());
}

} // namespace
} // namespace zenka
