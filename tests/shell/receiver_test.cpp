#include "shell/receiver.h"
#include "support/sound_calls.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <thread>

namespace zenka {
namespace {

// Writes down what the panel is told to show.
struct RecordingView : PanelView {
    std::string frequency, smeter, fine_down, fine_up, filter;
    std::map<int, std::string> memory;
    int frequency_updates = 0;

    void show_frequency(const std::string& text) override {
        frequency = text;
        ++frequency_updates;
    }
    void show_smeter(const std::string& text) override { smeter = text; }
    void show_fine_steps(const std::string& down, const std::string& up) override {
        fine_down = down;
        fine_up = up;
    }
    void show_memory(int index, const std::string& caption) override { memory[index] = caption; }
    void show_filter(const std::string& caption) override { filter = caption; }
};

class ReceiverTest : public ::testing::Test {
  protected:
    ReceiverTest()
        : clock(*parse_utc("2026-12-08T10:21:30Z")), playout(out, clock, random, folder.path()),
          rx(clock, random, playout, view, [this](Air& air) {
              ++passes;
              seen_send_call = air.open_slot;
              seen_qsa = air.qsa;
          }) {}

    void tune(int freq) {
        rx.settings.freq = freq;
        rx.dsp_freq();
    }

    test::TempFolder folder;
    sound::NullSound out;
    FixedClock clock;
    RandomSource random;
    Playout playout;
    RecordingView view;
    int passes = 0;
    int seen_send_call = -1;
    int seen_qsa = -1;
    Receiver rx;
};

using S = Receiver::Step;

TEST_F(ReceiverTest, StepTableWithItsWraps) {
    struct Case {
        int from;
        S step;
        int to;
    };
    for (const Case& c : {Case{100, S::FineDown, 10000}, Case{10000, S::FineUp, 100},
                          Case{1999, S::FineUp, 2000},   Case{2000, S::FineDown, 1995},
                          Case{2099, S::FineUp, 2104},   Case{9999, S::FineUp, 10004},
                          Case{10004, S::FineUp, 100},   Case{110, S::Down1k, 10000},
                          Case{111, S::Down1k, 101},     Case{9989, S::Up1k, 9999},
                          Case{9990, S::Up1k, 100},      Case{200, S::Down10k, 10000},
                          Case{201, S::Down10k, 101},    Case{9899, S::Up10k, 9999},
                          Case{9900, S::Up10k, 100},     Case{1100, S::Down100k, 10000},
                          Case{1101, S::Down100k, 101},  Case{9000, S::Up100k, 100},
                          Case{8999, S::Up100k, 9999},   Case{4321, S::Low, 100},
                          Case{4321, S::Mid, 5000},      Case{4321, S::High, 10000}}) {
        rx.settings.freq = c.from;
        rx.step(c.step);
        EXPECT_EQ(rx.settings.freq, c.to) << c.from << " step " << static_cast<int>(c.step);
    }
}

TEST_F(ReceiverTest, ReadoutAndFineStepCaptions) {
    tune(1999);
    EXPECT_EQ(view.frequency, "   199.9 kHz");
    EXPECT_EQ(view.fine_down, "< 100");
    rx.step(S::FineUp);
    EXPECT_EQ(view.frequency, "   200.0 kHz");
    EXPECT_EQ(view.fine_down, "< 500");
    EXPECT_EQ(view.fine_up, "500 >");
    rx.step(S::FineDown);
    EXPECT_EQ(view.frequency, "   199.5 kHz");
    EXPECT_EQ(view.fine_up, "100 >");
    tune(9999);
    rx.step(S::FineUp);
    EXPECT_EQ(view.frequency, "   1000.4 kHz");
    EXPECT_EQ(Receiver::readout(100), "   10.0 kHz");
}

TEST_F(ReceiverTest, OneTimeMemories) {
    tune(5000);
    rx.add_memory(4);
    EXPECT_EQ(view.memory.at(4), "500.0");
    EXPECT_EQ(passes, 1); // stored without a retune
    tune(1234);
    rx.add_memory(4); // recall
    EXPECT_EQ(rx.settings.freq, 5000);
    EXPECT_EQ(view.frequency, "   500.0 kHz");
    EXPECT_EQ(passes, 3);
    tune(777);
    rx.add_memory(4); // still 500.0: a slot is written once
    EXPECT_EQ(rx.settings.freq, 5000);
    rx.add_memory(12); // no such button
    EXPECT_EQ(rx.settings.freq, 5000);
}

TEST_F(ReceiverTest, ScanStepsUpAndRoundTheBand) {
    tune(9995);
    rx.toggle_scan();
    rx.scan_step();
    EXPECT_EQ(rx.settings.freq, 10000);
    rx.scan_step();
    EXPECT_EQ(rx.settings.freq, 100);
    rx.scan_step();
    EXPECT_EQ(rx.settings.freq, 101);
    rx.toggle_scan();
    rx.scan_step(); // stopped: nothing moves
    EXPECT_EQ(rx.settings.freq, 101);
}

TEST_F(ReceiverTest, StepsAndMemoriesStopTheScanButSwitchesDoNot) {
    const std::vector<std::function<void()>> switches = {
        [&] { rx.toggle_att(); },   [&] { rx.toggle_filter(); }, [&] { rx.toggle_hist(); },
        [&] { rx.toggle_clips(); }, [&] { rx.toggle_bkgnd(); },  [&] { rx.toggle_sampling(); },
        [&] { rx.toggle_qrn(); }};
    for (const auto& press : switches) {
        rx.settings.scan = 1;
        press();
        EXPECT_EQ(rx.settings.scan, 1);
    }
    for (S s : {S::FineUp, S::Down1k, S::Up10k, S::Down100k, S::Low, S::Mid, S::High}) {
        rx.settings.scan = 1;
        rx.step(s);
        EXPECT_EQ(rx.settings.scan, 0);
    }
    rx.settings.scan = 1;
    rx.add_memory(0);
    EXPECT_EQ(rx.settings.scan, 0);
}

// A frequency typed or picked from a list: one retune there, the scan stopped, and
// nothing off the dial however it came.
TEST_F(ReceiverTest, TuneGoesStraightToAFrequencyAndStopsTheScan) {
    rx.settings.scan = 1;
    rx.tune(1365);
    EXPECT_EQ(rx.settings.freq, 1365);
    EXPECT_EQ(rx.settings.scan, 0);
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(view.frequency, "   136.5 kHz");
    EXPECT_EQ(view.fine_down, "< 100");
    rx.tune(10004);
    EXPECT_EQ(view.frequency, "   1000.4 kHz");
    EXPECT_EQ(view.fine_down, "< 500");
    rx.tune(99);
    EXPECT_EQ(rx.settings.freq, 100);
    rx.tune(20000);
    EXPECT_EQ(rx.settings.freq, 10004);
    EXPECT_EQ(passes, 4);
}

TEST_F(ReceiverTest, SwitchesRetuneWithoutMovingTheReadout) {
    tune(5000);
    const int before = passes;
    rx.toggle_att();
    rx.toggle_hist();
    rx.toggle_clips();
    rx.toggle_bkgnd();
    rx.toggle_sampling();
    EXPECT_EQ(passes, before + 5);
    EXPECT_EQ(view.frequency, "   500.0 kHz");
    EXPECT_EQ(rx.settings.att, 1);
    EXPECT_EQ(rx.settings.hist, 0);
    EXPECT_EQ(rx.settings.clips, 0);
    EXPECT_EQ(rx.settings.bkgnd, 0);
    EXPECT_EQ(rx.settings.sampling, 3);
    rx.toggle_sampling();
    EXPECT_EQ(rx.settings.sampling, 4);

    rx.toggle_filter();
    EXPECT_EQ(view.filter, "FLT1");
    EXPECT_EQ(rx.settings.filter, Filter::flt1);
    rx.toggle_filter();
    EXPECT_EQ(view.filter, "FLT2");
    EXPECT_EQ(rx.settings.filter, Filter::flt2);

    out.clear();
    const int passes_before_qrn = passes;
    rx.toggle_qrn();
    rx.toggle_qrn();
    EXPECT_EQ(out.calls(), (std::vector<std::string>{"stop_noise", "start_noise"}));
    EXPECT_EQ(passes, passes_before_qrn); // the noise switch does not retune
}

TEST_F(ReceiverTest, RetuneStopsEverythingAndStartsFresh) {
    int qtc = -1, qsa1 = -1;
    Receiver live(clock, random, playout, view, [&](Air& air) {
        seen_send_call = air.open_slot;
        seen_qsa = air.qsa;
        qsa1 = air.voice(1).qsa;
        qtc = air.qtc;
        air.qtc = 3; // what one pass leaves behind does not reach the next
        air.send_stack("LEFT OVER");
        air.send("OPEN");
    });
    live.settings.freq = 5000;
    live.dsp_freq();
    out.clear();
    live.dsp_freq();
    EXPECT_EQ(seen_send_call, 0);
    EXPECT_EQ(qtc, 0);
    EXPECT_EQ(seen_qsa, qsa1); // fresh parameters, voice 1 current
    EXPECT_EQ(live.last().slots.size(), 1u);
    EXPECT_EQ(out.calls().front(), "stop_carrier");
}

TEST_F(ReceiverTest, TheRetuneRendersAndPlaysWhatTheDispatcherComposed) {
    Receiver live(clock, random, playout, view, [](Air& air) {
        air.qsa = 3;
        air.send_stack("CQ");
    });
    out.clear();
    live.settings.freq = 4000;
    live.dsp_freq();
    const auto calls = test::calls(out, folder.path());
    EXPECT_EQ(calls.back(), "open_channel 0 ZENKA00.WAV");
    EXPECT_EQ(view.smeter, ">>>  "); // the meter shows the signal just rendered
    EXPECT_GT(live.last_play().duration_ms[0], 0u);
}

TEST_F(ReceiverTest, MeterNeverWritesPastItsFiveCells) {
    EXPECT_EQ(Receiver::meter(0), "     ");
    EXPECT_EQ(Receiver::meter(3), ">>>  ");
    EXPECT_EQ(Receiver::meter(5), ">>>>>");
    EXPECT_EQ(Receiver::meter(9), ">>>>>");
    EXPECT_EQ(Receiver::meter(-2), "     ");
}

TEST_F(ReceiverTest, StartUpShowsAWholeKilohertzAndPlaysNothing) {
    out.clear();
    EXPECT_TRUE(rx.start());
    EXPECT_EQ(rx.settings.freq % 10, 0);
    EXPECT_GE(rx.settings.freq, 100);
    EXPECT_LE(rx.settings.freq, 4990);
    EXPECT_EQ(view.frequency, Receiver::readout(rx.settings.freq));
    EXPECT_TRUE(view.frequency.ends_with(".0 kHz"));
    EXPECT_EQ(view.smeter, "     ");
    EXPECT_EQ(passes, 0);
    const auto calls = out.calls();
    EXPECT_EQ(calls.front(), "start_noise");
    for (const auto& c : calls)
        EXPECT_FALSE(c.starts_with("open_channel")) << c;

    sound::NullSound silent(0);
    Playout quiet(silent, clock, random, folder.path());
    Receiver no_device(clock, random, quiet, view, {});
    EXPECT_FALSE(no_device.start());
}

TEST_F(ReceiverTest, ShutdownLeavesNoChannelFile) {
    Receiver live(clock, random, playout, view, [](Air& air) {
        air.send_stack("CQ");
        air.send_stack("DE");
        air.qsa = 3;
        air.n0n(1000);
    });
    live.settings.freq = 4000;
    live.dsp_freq();
    ASSERT_TRUE(std::filesystem::exists(playout.channel_file(1)));
    ASSERT_TRUE(std::filesystem::exists(playout.carrier_file()));
    live.shutdown();
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(playout.deadline(k), 0u);
}

// A view beside the panel hears of every retune, with what it composed and played, and of
// the switches that change without one; once removed it hears nothing more.
TEST_F(ReceiverTest, ListenersHearEveryRetuneAndTheSwitchesThatDoNotRetune) {
    struct Listener : ReceiverListener {
        std::vector<int> freqs;
        int switches = 0;
        void retuned(const Composition& c, const PlayReport&) override {
            freqs.push_back(c.settings.freq);
        }
        void switches_changed() override { ++switches; }
    } listener;
    rx.add_listener(listener);
    tune(5000);
    rx.step(S::Up1k);
    rx.toggle_att(); // retunes
    rx.toggle_qrn();
    rx.toggle_scan();
    rx.set_plain_audio(true);
    EXPECT_EQ(listener.freqs, (std::vector<int>{5000, 5010, 5010}));
    EXPECT_EQ(listener.switches, 3);
    rx.remove_listener(listener);
    tune(4000);
    rx.toggle_qrn();
    EXPECT_EQ(listener.freqs.size(), 3u);
    EXPECT_EQ(listener.switches, 3);
}

// Keep listening: off by default; on, a retune whose channels have all ended is followed by
// another at the start of the next minute, never while a channel still plays.
TEST_F(ReceiverTest, KeepListeningRetunesAtTheNextMinuteOnceEveryChannelHasEnded) {
    tune(5000);
    const int first = passes;
    rx.idle();
    clock.advance(std::chrono::seconds(60));
    rx.idle();
    EXPECT_EQ(passes, first); // off: nothing

    rx.set_keep_listening(true);
    rx.idle(); // nothing plays: quiet from this minute (10:22:30)
    clock.advance(std::chrono::seconds(20));
    rx.idle();
    EXPECT_EQ(passes, first); // 10:22:50, the same minute
    clock.advance(std::chrono::seconds(10));
    rx.idle();
    EXPECT_EQ(passes, first + 1); // 10:23:00
    rx.idle();
    EXPECT_EQ(passes, first + 1);

    // A station on the air: no retune while its channel plays, however late it gets.
    int retunes = 0;
    struct Count : ReceiverListener {
        int* n;
        explicit Count(int* c) : n(c) {}
        void retuned(const Composition&, const PlayReport&) override { ++*n; }
    } count(&retunes);
    Receiver busy(clock, random, playout, view, [](Air& air) {
        air.spd = 20;
        air.send_stack("E");
    });
    busy.add_listener(count);
    busy.set_keep_listening(true);
    busy.settings.freq = 5000;
    busy.dsp_freq();
    ASSERT_EQ(retunes, 1);
    ASSERT_NE(playout.deadline(0), 0u);
    clock.set(clock.now() + std::chrono::minutes(3)); // the wall clock moves, the ticks do not
    busy.idle();
    busy.idle();
    EXPECT_EQ(retunes, 1);
    clock.advance(std::chrono::seconds(10)); // past the deadline of the text and its pause
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (playout.deadline(0) != 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(playout.deadline(0), 0u);
    busy.idle(); // first seen quiet in this minute
    busy.idle();
    EXPECT_EQ(retunes, 1);
    clock.advance(std::chrono::seconds(60));
    busy.idle();
    EXPECT_EQ(retunes, 2);
    busy.remove_listener(count);
    playout.stop_all();
}

} // namespace
} // namespace zenka
