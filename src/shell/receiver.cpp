#include "shell/receiver.h"

#include <cstdio>

namespace zenka {
namespace {

constexpr int kLowest = 100;    // 10.0 kHz
constexpr int kHighest = 10000; // 1000.0 kHz

// 100 Hz below 200.0 kHz, 500 Hz from there up.
int fine_step(int freq) {
    return freq <= 1999 ? 1 : 5;
}

// The step table: the test is made on the frequency before the step, and a wrap
// replaces the step.
int stepped(int f, Receiver::Step s) {
    using S = Receiver::Step;
    switch (s) {
    case S::FineDown:
        return f <= kLowest ? kHighest : f - fine_step(f);
    case S::FineUp:
        return f > 9999 ? kLowest : f + fine_step(f);
    case S::Down1k:
        return f <= 110 ? kHighest : f - 10;
    case S::Up1k:
        return f > 9989 ? kLowest : f + 10;
    case S::Down10k:
        return f <= 200 ? kHighest : f - 100;
    case S::Up10k:
        return f > 9899 ? kLowest : f + 100;
    case S::Down100k:
        return f <= 1100 ? kHighest : f - 1000;
    case S::Up100k:
        return f > 8999 ? kLowest : f + 1000;
    case S::Low:
        return kLowest;
    case S::Mid:
        return 5000;
    case S::High:
        return kHighest;
    }
    return f;
}

} // namespace

Receiver::Receiver(Air& air, PanelView& view, std::function<void(Air&)> band)
    : a(air), view_(view), band_(std::move(band)) {
    a.on_smetr = [this] { view_.show_smeter(meter(a.qsa)); };
}

// The meter hook points back here: it goes with the receiver.
Receiver::~Receiver() {
    a.on_smetr = nullptr;
}

std::string Receiver::readout(int freq) {
    char text[32];
    std::snprintf(text, sizeof text, "   %d.%d kHz", freq / 10, freq - freq / 10 * 10);
    return text;
}

std::string Receiver::meter(int qsa) {
    std::string cells(5, ' ');
    for (int i = 0; i < qsa && i < 5; ++i)
        cells[static_cast<std::size_t>(i)] = '>';
    return cells;
}

void Receiver::clr_smetr() {
    a.qsa = 0;
    view_.show_smeter(meter(0));
}

void Receiver::show_fine_steps() {
    if (a.freq <= 1999)
        view_.show_fine_steps("< 100", "100 >");
    else
        view_.show_fine_steps("< 500", "500 >");
}

bool Receiver::start() {
    if (a.qrn) a.out.start_noise();
    a.t = a.clock.utc();
    a.get_statistics();
    a.freq = static_cast<int>(a.myrand() % 490) * 10 + kLowest;
    view_.show_frequency(readout(a.freq));
    clr_smetr();
    a.stop_all_devs();
    show_fine_steps();
    a.stn();
    return a.out.device_count() > 0;
}

void Receiver::shutdown() {
    a.stop_all_devs();
    a.out.stop_noise();
    a.close_files();
}

void Receiver::dsp_freq() {
    compose();
    a.Activate_Send_Stack();
}

void Receiver::compose() {
    view_.show_frequency(readout(a.freq));
    clr_smetr();
    a.stop_all_devs();
    show_fine_steps();
    a.stn();
    a.emission_time = 0;
    a.coast_opchat = 0;
    a.send_call = 0;
    a.send_buf[0].clear();
    a.qtc = a.qsu = a.qru = a.qru_imi = a.qsa_imi = a.gb = a.qtp = 0;
    if (band_) band_(a);
}

void Receiver::step(Step s) {
    a.scan = 0;
    a.freq = stepped(a.freq, s);
    dsp_freq();
}

void Receiver::add_memory(int index) {
    if (index < 0 || index >= static_cast<int>(mem_.size())) return;
    a.scan = 0;
    int& slot = mem_[static_cast<std::size_t>(index)];
    if (slot == 0) {
        // A one-time memory: stored once, never overwritten.
        slot = a.freq;
        char caption[16];
        std::snprintf(caption, sizeof caption, "%d.%d", slot / 10, slot - slot / 10 * 10);
        view_.show_memory(index, caption);
        return;
    }
    a.freq = slot;
    dsp_freq();
}

void Receiver::scan_step() {
    if (!a.scan) return;
    a.freq += fine_step(a.freq);
    if (a.freq > kHighest) a.freq = kLowest;
    dsp_freq();
}

void Receiver::toggle_scan() {
    a.scan = !a.scan;
}

void Receiver::toggle_att() {
    a.att = !a.att;
    dsp_freq();
}

void Receiver::toggle_filter() {
    a.filter = a.filter == 1 ? 0 : 1;
    view_.show_filter(a.filter ? "FLT1" : "FLT2");
    dsp_freq();
}

void Receiver::toggle_hist() {
    a.hist = !a.hist;
    dsp_freq();
}

void Receiver::toggle_clips() {
    a.clips = !a.clips;
    dsp_freq();
}

void Receiver::toggle_bkgnd() {
    a.bkgnd = !a.bkgnd;
    dsp_freq();
}

void Receiver::toggle_qrn() {
    a.qrn = !a.qrn;
    if (a.qrn)
        a.out.start_noise();
    else
        a.out.stop_noise();
}

void Receiver::toggle_sampling() {
    a.sampling = a.sampling == 3 ? 4 : 3;
    dsp_freq();
}

} // namespace zenka
