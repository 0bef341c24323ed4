#pragma once
// The receiver: the tuned frequency and how every button and key changes it, the
// one-time memories, the scan, the switches, and the retune cycle that runs on
// every change. Pure engine code: what to show goes to a PanelView.

#include "air.h"
#include "shell/panel_view.h"

#include <array>
#include <functional>
#include <string>

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

    // `band` is the dispatcher run by every retune.
    Receiver(Air& air, PanelView& view, std::function<void(Air&)> band);
    ~Receiver();
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    // Start-up: draws the first frequency (a whole kHz in 10.0 - 499.0), shows it,
    // empties the meter, stops everything, puts up the fine steps, draws fresh
    // parameters and starts the band noise when QRN is on. No station plays yet.
    // Returns false when there is no sound output device (the panel warns).
    bool start();
    // Stops everything and the noise (the working files go with the context's folder).
    void shutdown();

    // A step button or key: stops the scan, steps with the wrap rules, retunes.
    void step(Step s);
    // Memory button index 0 .. 11: stores the frequency once, recalls it after that.
    void add_memory(int index);
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

    // Shows the frequency and runs the retune cycle.
    void dsp_freq();
    // The retune cycle up to the dispatcher's pass: the stations are composed and
    // the carriers and recordings started, but no channel is rendered or played.
    void compose();

    // The read-out text for a frequency, "   %s.%d kHz".
    static std::string readout(int freq);
    // The S-meter text for a strength: five cells, never more.
    static std::string meter(int qsa);

    const std::array<int, 12>& memories() const { return mem_; }

  private:
    void clr_smetr();
    void show_fine_steps();

    Air& a;
    PanelView& view_;
    std::function<void(Air&)> band_;
    std::array<int, 12> mem_{};
};

} // namespace zenka
