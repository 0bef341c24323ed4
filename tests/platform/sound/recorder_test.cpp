// Recording what the listener hears: the final mix, across retunes, into WAV or
// FLAC files that read back at their true length and hold exactly what was
// heard; a full disk stops a recording and keeps what was recorded as a valid
// file.

#include "band/dispatcher.h"
#include "platform/sound/file_sound.h"
#include "platform/sound/recorder.h"
#include "platform/sound/sdl_sound.h"
#include "shell/receiver.h"
#include "shell/recording.h"
#include "shell/timer_recordings.h"
#include "support/small_tmpfs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sndfile.h>
#include <sys/mount.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace zenka {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Read {
    int format = 0;
    int rate = 0;
    int channels = 0;
    std::vector<short> samples;
};

Read read_shorts(const fs::path& file) {
    Read r;
    SF_INFO info{};
    SNDFILE* f = sf_open(file.c_str(), SFM_READ, &info);
    if (f == nullptr) return r;
    r.format = info.format;
    r.rate = info.samplerate;
    r.channels = info.channels;
    r.samples.resize(static_cast<std::size_t>(info.frames));
    r.samples.resize(static_cast<std::size_t>(sf_read_short(f, r.samples.data(), info.frames)));
    sf_close(f);
    return r;
}

std::vector<short> span_of(const std::vector<short>& s, std::uint64_t from, std::uint64_t to) {
    return {s.begin() + static_cast<std::ptrdiff_t>(from),
            s.begin() + static_cast<std::ptrdiff_t>(to)};
}

// The largest difference between two takes of the same length.
int difference(const std::vector<short>& a, const std::vector<short>& b) {
    int most = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        most = std::max(most, std::abs(int{a[i]} - int{b[i]}));
    return a.size() == b.size() ? most : 65536;
}

int peak(const std::vector<short>& s) {
    int most = 0;
    for (const short v : s)
        most = std::max(most, std::abs(int{v}));
    return most;
}

// A receiver that plays into a FileSound (16-bit, as recordings are), so what
// the listener heard can be read back beside the recording.
struct Session {
    explicit Session(const fs::path& heard, const char* at = "2026-12-09T06:13:00Z")
        : out(heard, sound::RecordingsFolder(ZENKA_TEST_FONE)), clock(*parse_utc(at)),
          playout(out, clock, random, heard.parent_path()),
          rx(clock, random, playout, panel, [](Air& a) { band(a); }),
          recording(out, clock, rx.settings) {
        out.start_noise();
    }
    ~Session() { playout.stop_all(); }

    void tune(int freq) {
        rx.settings.freq = freq;
        rx.dsp_freq();
    }

    sound::FileSound out;
    FixedClock clock;
    RandomSource random;
    Playout playout;
    NoPanel panel;
    Receiver rx;
    Recording recording;
};

class RecordingFormats : public ::testing::TestWithParam<RecordingFormat> {};

INSTANTIATE_TEST_SUITE_P(Recorder, RecordingFormats,
                         ::testing::Values(RecordingFormat::wav, RecordingFormat::flac),
                         [](const auto& info) {
                             return info.param == RecordingFormat::wav ? "Wav" : "Flac";
                         });

TEST_P(RecordingFormats, RecordsWhatIsHeardAcrossThreeRetunes) {
    test::TempFolder folder;
    const RecordingFormat format = GetParam();
    const bool flac = format == RecordingFormat::flac;
    std::uint64_t from = 0;
    std::uint64_t to = 0;
    RecordingStatus status;
    {
        Session s(folder / "heard.wav");
        s.tune(5000);
        s.out.advance(1000ms);
        from = s.out.position();
        ASSERT_EQ(s.recording.start(folder / "rec", format), "");
        s.out.advance(2000ms);
        for (const int freq : {4800, 5120, 1000}) {
            s.tune(freq);
            s.out.advance(1500ms);
            EXPECT_TRUE(s.recording.status().recording);
        }
        s.out.advance_samples(123); // not a whole block
        to = s.out.position();
        EXPECT_NEAR(s.recording.status().seconds, static_cast<double>(to - from) / 48000, 1e-9);
        status = s.recording.stop();
        s.out.advance(500ms);
        ASSERT_TRUE(s.out.finish());
    }
    const fs::path file =
        folder / "rec" /
        (flac ? "Zenka 500.0 kHz 2026-12-09 0613Z.flac" : "Zenka 500.0 kHz 2026-12-09 0613Z.wav");
    EXPECT_FALSE(status.recording);
    EXPECT_EQ(status.file, file);
    EXPECT_EQ(status.message, "");
    EXPECT_EQ(status.lost_seconds, 0.0);
    EXPECT_DOUBLE_EQ(status.seconds, static_cast<double>(to - from) / 48000);
    EXPECT_EQ(status.bytes, fs::file_size(file));
    EXPECT_EQ(test::names_in(folder / "rec"), std::set<std::string>{file.filename().string()});

    const Read recorded = read_shorts(file);
    // A WAV file of the extensible kind: what an RF64 file small enough for
    // a plain WAV header becomes.
    EXPECT_EQ(recorded.format,
              flac ? (SF_FORMAT_FLAC | SF_FORMAT_PCM_16) : (SF_FORMAT_WAVEX | SF_FORMAT_PCM_16));
    EXPECT_EQ(recorded.rate, 48000);
    EXPECT_EQ(recorded.channels, 1);
    ASSERT_EQ(recorded.samples.size(), to - from);
    // Sample for sample what the listener heard from the start to the stop.
    const Read heard = read_shorts(folder / "heard.wav");
    ASSERT_GE(heard.samples.size(), to);
    EXPECT_TRUE(recorded.samples == span_of(heard.samples, from, to))
        << "differing by as much as "
        << difference(recorded.samples, span_of(heard.samples, from, to));
    EXPECT_GT(peak(recorded.samples), 1000); // not silence
}

TEST(Recorder, ANameThatIsTakenGetsANumberAndNothingIsReplaced) {
    test::TempFolder folder;
    Session s(folder / "heard.wav");
    s.tune(5000);
    fs::create_directory(folder / "rec");
    const fs::path first = folder / "rec" / "Zenka 500.0 kHz 2026-12-09 0613Z.wav";
    test::write_text(first, "the user's own");
    ASSERT_EQ(s.recording.start(folder / "rec", RecordingFormat::wav), "");
    const fs::path second = folder / "rec" / "Zenka 500.0 kHz 2026-12-09 0613Z (2).wav";
    EXPECT_EQ(s.recording.status().file, second);
    s.out.advance(200ms);
    // The name is taken while the recording runs: it goes to the next one.
    test::write_text(second, "made meanwhile");
    const RecordingStatus status = s.recording.stop();
    EXPECT_EQ(status.file, folder / "rec" / "Zenka 500.0 kHz 2026-12-09 0613Z (3).wav");
    EXPECT_EQ(read_shorts(status.file).samples.size(), 200u * 48);
    EXPECT_EQ(test::read_text(first), "the user's own");
    EXPECT_EQ(test::read_text(second), "made meanwhile");
    // A second start while one runs is refused.
    ASSERT_EQ(s.recording.start(folder / "rec", RecordingFormat::wav), "");
    EXPECT_EQ(s.recording.start(folder / "rec", RecordingFormat::flac),
              "cannot record: a recording already runs into " +
                  (folder / "rec" / "Zenka 500.0 kHz 2026-12-09 0613Z (4).wav").string());
}

TEST_P(RecordingFormats, AFullDiskStopsTheRecordingAndKeepsWhatWasRecorded) {
    test::SmallTmpfs disk("size=1m");
    if (!disk.ok()) GTEST_SKIP() << "cannot mount a tmpfs here";
    test::TempFolder folder;
    const bool flac = GetParam() == RecordingFormat::flac;
    std::uint64_t from = 0;
    RecordingStatus status;
    {
        Session s(folder / "heard.wav");
        s.tune(5000);
        from = s.out.position();
        ASSERT_EQ(s.recording.start(disk.path() / "Zenka", GetParam()), "");
        // 1 MB holds about 10 s of 16-bit sound, a little more as FLAC.
        for (int i = 0; i < 60 && s.recording.status().recording; ++i)
            s.out.advance(1000ms);
        status = s.recording.status();
        ASSERT_FALSE(status.recording) << "the disk never filled";
        EXPECT_EQ(s.recording.stop().file, status.file); // harmless afterwards
        ASSERT_TRUE(s.out.finish());
    }
    const std::string name = status.file.filename().string();
    EXPECT_EQ(name, flac ? "Zenka 500.0 kHz 2026-12-09 0613Z.flac"
                         : "Zenka 500.0 kHz 2026-12-09 0613Z.wav");
    EXPECT_TRUE(status.message.starts_with("the disk is full: the recording stopped after "))
        << status.message;
    EXPECT_TRUE(status.message.ends_with(" s, and " + name + " keeps it")) << status.message;
    EXPECT_EQ(test::names_in(disk.path() / "Zenka"), std::set<std::string>{name});
    EXPECT_EQ(status.bytes, fs::file_size(status.file));

    // A valid file at its true length, holding what was heard.
    const Read recorded = read_shorts(status.file);
    const auto samples = static_cast<std::uint64_t>(std::llround(status.seconds * 48000));
    ASSERT_EQ(recorded.samples.size(), samples);
    EXPECT_GT(samples, 5u * 48000);
    const Read heard = read_shorts(folder / "heard.wav");
    EXPECT_TRUE(recorded.samples == span_of(heard.samples, from, from + samples))
        << "differing by as much as "
        << difference(recorded.samples, span_of(heard.samples, from, from + samples));
}

TEST(Recorder, AFolderThatCannotTakeARecordingIsSaidSo) {
    test::TempFolder folder;
    Session s(folder / "heard.wav");
    s.tune(5000);
    test::write_text(folder / "plain", "a file");
    EXPECT_EQ(s.recording.start(folder / "plain" / "Zenka", RecordingFormat::wav),
              "cannot record: cannot make the folder " + (folder / "plain" / "Zenka").string() +
                  ": Not a directory");
    test::SmallTmpfs disk;
    if (!disk.ok()) GTEST_SKIP() << "cannot mount a tmpfs here";
    fs::create_directory(disk.path() / "Zenka");
    ASSERT_EQ(::mount(nullptr, disk.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    EXPECT_EQ(s.recording.start(disk.path() / "Zenka", RecordingFormat::wav),
              "cannot record: cannot create a file in " + (disk.path() / "Zenka").string() +
                  ": Read-only file system");
    EXPECT_FALSE(s.recording.status().recording);
}

TEST(Recorder, RecordingsGoToTheMusicFolderElseToAFolderThatCanTakeThem) {
    test::TempFolder folder;
    const std::string home = (folder / "home").string();
    const fs::path music = folder / "home" / "Music" / "Zenka";
    const Recording::Place usual = Recording::default_folder({home, "", ""});
    EXPECT_EQ(usual.folder, music);
    EXPECT_EQ(usual.message, "");
    EXPECT_TRUE(fs::is_directory(music));
    // $XDG_MUSIC_DIR where no folder can be made: ~/Music/Zenka, and why.
    test::write_text(folder / "plain", "a file");
    const Recording::Place passed =
        Recording::default_folder({home, "", (folder / "plain").string()});
    EXPECT_EQ(passed.folder, music);
    EXPECT_EQ(passed.message, "cannot record into " + (folder / "plain" / "Zenka").string() +
                                  " (Not a directory); recordings go to " + music.string());
    // No home to make one in either: none, and the start says so.
    const std::string no_home = (folder / "plain").string();
    const Recording::Place none = Recording::default_folder({no_home, "", ""});
    EXPECT_EQ(none.folder, fs::path());
    EXPECT_EQ(none.message, "cannot record into " +
                                (folder / "plain" / "Music" / "Zenka").string() +
                                " (Not a directory), nor into " +
                                (folder / "plain" / "Zenka").string() + " (Not a directory)");
    Session s(folder / "heard.wav");
    EXPECT_EQ(s.recording.start(none.folder, RecordingFormat::wav),
              "cannot record: there is no folder to record into");
    // A music folder on a file system that takes nothing: passed over too.
    test::SmallTmpfs disk;
    if (!disk.ok()) GTEST_SKIP() << "cannot mount a tmpfs here";
    fs::create_directory(disk.path() / "Zenka");
    ASSERT_EQ(::mount(nullptr, disk.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    const Recording::Place read_only = Recording::default_folder({home, "", disk.path().string()});
    EXPECT_EQ(read_only.folder, music);
    EXPECT_EQ(read_only.message, "cannot record into " + (disk.path() / "Zenka").string() +
                                     " (Read-only file system); recordings go to " +
                                     music.string());
}

// A block whose samples count on from `next`, in steps the 16-bit file holds
// exactly: -8192 ... 8191, round and round.
std::vector<float> counting_block(int& next) {
    std::vector<float> block(512);
    for (float& v : block) {
        v = static_cast<float>(next) / 32768.0f;
        next = next == 8191 ? -8192 : next + 1;
    }
    return block;
}

bool counts_on(const std::vector<short>& s) {
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i] != (s[i - 1] == 8191 ? -8192 : s[i - 1] + 1)) return false;
    return true;
}

TEST(Recorder, ATakeHoldsExactlyTheBlocksTappedWhileItRan) {
    test::TempFolder folder;
    sound::Recorder recorder(sound::Recorder::Writer::own_thread);
    std::atomic<bool> running{true};
    // The audio thread, at about twice the real pace.
    std::thread audio([&] {
        int next = 0;
        while (running.load()) {
            const std::vector<float> block = counting_block(next);
            recorder.tap(block);
            std::this_thread::sleep_for(5ms);
        }
    });
    for (int take = 0; take < 5; ++take) {
        const fs::path file = folder / ("take" + std::to_string(take) + ".wav");
        ASSERT_EQ(recorder.start(file, RecordingFormat::wav), "");
        std::this_thread::sleep_for(100ms);
        const RecordingStatus status = recorder.stop();
        const Read r = read_shorts(file);
        EXPECT_EQ(status.file, file);
        EXPECT_GT(r.samples.size(), 0u);
        EXPECT_EQ(r.samples.size() % 512, 0u); // whole blocks only
        EXPECT_EQ(static_cast<double>(r.samples.size()) / 48000, status.seconds);
        EXPECT_EQ(status.lost_seconds, 0.0);
        EXPECT_TRUE(counts_on(r.samples)) << "take " << take;
    }
    running.store(false);
    audio.join();
}

TEST(Recorder, WhatTheRingCannotHoldIsCountedAsLost) {
    test::TempFolder folder;
    sound::Recorder recorder(sound::Recorder::Writer::caller, 1024);
    ASSERT_EQ(recorder.start(folder / "a.wav", RecordingFormat::wav), "");
    int next = 0;
    for (int i = 0; i < 4; ++i)
        recorder.tap(counting_block(next));
    EXPECT_DOUBLE_EQ(recorder.status().lost_seconds, 1024.0 / 48000);
    EXPECT_DOUBLE_EQ(recorder.status().seconds, 1024.0 / 48000);
    recorder.drain();
    const RecordingStatus status = recorder.stop();
    const Read r = read_shorts(folder / "a.wav");
    ASSERT_EQ(r.samples.size(), 1024u);
    EXPECT_TRUE(counts_on(r.samples));
    EXPECT_EQ(r.samples.front(), 0);
    EXPECT_DOUBLE_EQ(status.lost_seconds, 1024.0 / 48000);
    // Nothing is tapped while no recording runs, nor carried into the next.
    recorder.tap(counting_block(next));
    ASSERT_EQ(recorder.start(folder / "b.wav", RecordingFormat::wav), "");
    const int first = next;
    recorder.tap(counting_block(next));
    recorder.stop();
    const Read b = read_shorts(folder / "b.wav");
    ASSERT_EQ(b.samples.size(), 512u);
    EXPECT_EQ(b.samples.front(), first);
}

TEST(Recorder, TheDeviceOutputRecordsWhatItsCallbackPlays) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    test::TempFolder folder;
    sound::SdlSound sdl(sound::RecordingsFolder(ZENKA_TEST_FONE));
    ASSERT_GE(sdl.device_count(), 1);
    sdl.set_plain_audio(true);
    sdl.start_noise();
    // Takes of 0.2 s, one after the other, until the band noise (loaded on the
    // loader thread) is in one; each is whole blocks at its true length.
    const auto until = std::chrono::steady_clock::now() + 10s;
    int loudest = 0;
    for (int take = 0; loudest <= 100 && std::chrono::steady_clock::now() < until; ++take) {
        const fs::path file = folder / ("device" + std::to_string(take) + ".flac");
        ASSERT_EQ(sdl.start_recording(file, RecordingFormat::flac), "");
        while (sdl.recording().seconds < 0.2 && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(10ms);
        const RecordingStatus status = sdl.stop_recording();
        const Read r = read_shorts(file);
        EXPECT_GE(status.seconds, 0.2);
        EXPECT_EQ(static_cast<double>(r.samples.size()) / 48000, status.seconds);
        EXPECT_EQ(r.samples.size() % sound::SdlSound::kPeriod, 0u);
        EXPECT_EQ(status.bytes, fs::file_size(file));
        loudest = peak(r.samples);
    }
    EXPECT_GT(loudest, 100); // the band noise
}

TEST(TimerRecording, RecordsItsMinutesAtItsTimeAndTunesBack) {
    test::TempFolder folder;
    Session s(folder / "heard.wav", "2026-12-09T06:12:57Z");
    s.tune(4800);
    TimerRecordings timers(s.clock, s.rx, s.recording, folder / "timers.txt", folder / "rec");
    ASSERT_EQ(timers.load(), "");
    ASSERT_EQ(timers.add(5000, *parse_utc("2026-12-09T06:13:00Z"), 1), "");
    std::optional<std::uint64_t> from;
    std::optional<std::uint64_t> to;
    for (int second = 0; second < 66; ++second) {
        timers.tick();
        const bool recording = s.recording.status().recording;
        if (recording && !from) from = s.out.position();
        if (!recording && from && !to) to = s.out.position();
        // At 500.0 kHz exactly while the timer runs.
        EXPECT_EQ(s.rx.settings.freq, recording ? 5000 : 4800) << second;
        s.out.advance(1000ms);
        s.clock.advance(1000ms);
    }
    ASSERT_TRUE(from && to);
    EXPECT_EQ(*from, 3u * 48000); // 06:13:00, three seconds in
    EXPECT_EQ(*to - *from, 60u * 48000);
    const fs::path file = folder / "rec" / "Zenka 500.0 kHz 2026-12-09 0613Z.wav";
    EXPECT_EQ(read_shorts(file).samples.size(), 60u * 48000);
    ASSERT_EQ(timers.list().size(), 1u);
    EXPECT_EQ(timers.list()[0].state, TimerRecording::State::done);
    EXPECT_EQ(timers.list()[0].note, file.string());
}

} // namespace
} // namespace zenka
