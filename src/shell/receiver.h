#pragma once
// The receiver: the tuned frequency and how every button and key changes it, the
// one-time memories, the scan, the switches, and the retune cycle that runs on
// every change: compose a pass, then play it. Pure engine code: what to show
// goes to a PanelView.

#include "compose/pass.h"
#include "playout/playout.h"
#include "shell/panel_view.h"
#include "shell/receiver_listener.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zenka {

class Receiver {
  public:
    // The steps of the step table: buttons, cursor and page keys, presets.
    enum class Step {
        FineDown,
        FineUp,
        Down1k,
        Up1k,
        Down10k,
        Up10k,
        Down100k,
        Up100k,
        Low,
        Mid,
        High
    };

    // `band` is the dispatcher run by every retune; `playout` plays what it composes.
    Receiver(const Clock& clock, RandomSource& random, Playout& playout, PanelView& view,
             BandPass band);
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    // Start-up: draws the first frequency (a whole kHz in 10.0 - 499.0), shows it,
    // empties the meter, stops everything, puts up the fine steps and starts the
    // band noise when QRN is on. No station plays yet. Returns false when there is
    // no sound output device (the panel warns).
    bool start();
    // Stops everything and the noise, and deletes the working files.
    void shutdown();

    // A step button or key: stops the scan, steps with the wrap rules, retunes.
    void step(Step s);
    // Memory button index 0 .. 11: stores the frequency once, recalls it after that.
    void add_memory(int index);
    // A frequency typed or picked from a list (100 Hz units, on the dial): stops the
    // scan and retunes, as a memory recall does.
    void tune(int freq);
    // One step of the scan (the panel calls it every 200 ms while the scan runs).
    void scan_step();

    void toggle_scan();
    void toggle_att();
    void toggle_filter();
    void toggle_hist();
    void toggle_clips();
    void toggle_bkgnd();
    void toggle_qrn();
    void toggle_sampling();
    // Plain audio: the channel files and noise as they are, without the
    // receiver's keying filter, fading, drift, filters and AGC.
    void set_plain_audio(bool plain);
    bool plain_audio() const { return plain_audio_; }
    // The narrow CW filter (about 500 Hz about the beat note) in place of FLT1/FLT2.
    void set_cw_filter(bool on);
    bool cw_filter() const { return cw_filter_; }
    // The stations near the dial, heard beside the channels (off unless asked for;
    // plain audio leaves them out).
    void set_neighbours(bool on) {
        neighbours_ = on;
        switches_changed();
    }
    bool neighbours() const { return neighbours_; }
    // Keep listening: once every channel of a retune has ended, the receiver retunes
    // itself at the start of the next minute. Off by default.
    void set_keep_listening(bool on);
    bool keep_listening() const { return keep_listening_; }
    // Called now and then between retunes (the panel's 200 ms timer): does what keep
    // listening asks.
    void idle();

    // Shows the frequency and runs the retune cycle: stop, compose, play.
    void dsp_freq();

    // The read-out text for a frequency, "   %s.%d kHz".
    static std::string readout(int freq);
    // The S-meter text for a strength: five cells, never more.
    static std::string meter(int qsa);

    // Views beside the panel; a listener must be removed before it goes.
    void add_listener(ReceiverListener& l) { listeners_.push_back(&l); }
    void remove_listener(ReceiverListener& l) { std::erase(listeners_, &l); }

    const std::array<int, 12>& memories() const { return mem_; }
    // What the last retune composed and how its channels played.
    const Composition& last() const { return last_; }
    const PlayReport& last_play() const { return last_play_; }

    // The tuned frequency and the switches; a retune composes with a copy.
    ReceiverSettings settings;

  private:
    void clr_smetr();
    void switches_changed();
    void show_fine_steps();

    const Clock& clock_;
    RandomSource& random_;
    Playout& playout_;
    bool plain_audio_ = false;
    bool cw_filter_ = false;
    bool keep_listening_ = false;
    bool neighbours_ = false;
    // The minute (since the epoch) in which every channel was first seen free after
    // the last retune; -1 while one plays or none has been looked at.
    std::int64_t quiet_minute_ = -1;
    PanelView& view_;
    BandPass band_;
    std::array<int, 12> mem_{};
    Composition last_;
    PlayReport last_play_;
    // The 500 kHz contact a retune leaves for the next: the ship sent up to a working
    // frequency and its coast station.
    Contact500 contact500_;
    std::vector<ReceiverListener*> listeners_;
};

} // namespace zenka
