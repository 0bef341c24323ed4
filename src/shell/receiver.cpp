#include "shell/receiver.h"

#include "shell/retune_pass.h"
#include "shell/dial.h"

#include <chrono>
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

Receiver::Receiver(const Clock& clock, RandomSource& random, Playout& playout, PanelView& view,
                   BandPass band)
    : clock_(clock), random_(random), playout_(playout), view_(view), band_(std::move(band)) {}

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
    view_.show_smeter(meter(0));
}

void Receiver::show_fine_steps() {
    if (settings.freq <= 1999)
        view_.show_fine_steps("< 100", "100 >");
    else
        view_.show_fine_steps("< 500", "500 >");
}

bool Receiver::start() {
    if (settings.qrn) playout_.start_noise();
    settings.freq = static_cast<int>(random_.next(clock_.utc()) % 490) * 10 + kLowest;
    view_.show_frequency(readout(settings.freq));
    clr_smetr();
    playout_.stop_all();
    show_fine_steps();
    switches_changed(); // the views beside the panel learn the first frequency
    return playout_.device_count() > 0;
}

void Receiver::shutdown() {
    playout_.stop_all();
    playout_.stop_noise();
    playout_.close_files();
}

void Receiver::dsp_freq() {
    view_.show_frequency(readout(settings.freq));
    clr_smetr();
    playout_.stop_all();
    show_fine_steps();
    quiet_minute_ = -1;
    last_ = compose_retune(clock_, random_, settings, band_, contact500_,
                           {neighbours_ && !plain_audio_, cw_filter_});
    contact500_ = last_.contact500;
    last_play_ = playout_.play(last_);
    for (const int qsa : last_play_.meter)
        view_.show_smeter(meter(qsa));
    if (!last_play_.errors.empty()) view_.show_file_errors(last_play_.errors);
    for (ReceiverListener* l : listeners_)
        l->retuned(last_, last_play_);
}

void Receiver::switches_changed() {
    for (ReceiverListener* l : listeners_)
        l->switches_changed();
}

void Receiver::step(Step s) {
    settings.scan = 0;
    settings.freq = stepped(settings.freq, s);
    dsp_freq();
}

void Receiver::add_memory(int index) {
    if (index < 0 || index >= static_cast<int>(mem_.size())) return;
    settings.scan = 0;
    int& slot = mem_[static_cast<std::size_t>(index)];
    if (slot == 0) {
        // A one-time memory: stored once, never overwritten.
        slot = settings.freq;
        char caption[16];
        std::snprintf(caption, sizeof caption, "%d.%d", slot / 10, slot - slot / 10 * 10);
        view_.show_memory(index, caption);
        return;
    }
    settings.freq = slot;
    dsp_freq();
}

void Receiver::tune(int freq) {
    settings.scan = 0;
    settings.freq = std::clamp(freq, kDialLowest, kDialHighest);
    dsp_freq();
}

void Receiver::scan_step() {
    if (!settings.scan) return;
    settings.freq += fine_step(settings.freq);
    if (settings.freq > kHighest) settings.freq = kLowest;
    dsp_freq();
}

void Receiver::toggle_scan() {
    settings.scan = !settings.scan;
    switches_changed();
}

void Receiver::toggle_att() {
    settings.att = !settings.att;
    dsp_freq();
}

void Receiver::toggle_filter() {
    settings.filter = narrow(settings.filter) ? Filter::flt2 : Filter::flt1;
    view_.show_filter(narrow(settings.filter) ? "FLT1" : "FLT2");
    dsp_freq();
}

void Receiver::toggle_hist() {
    settings.hist = !settings.hist;
    dsp_freq();
}

void Receiver::toggle_clips() {
    settings.clips = !settings.clips;
    dsp_freq();
}

void Receiver::toggle_bkgnd() {
    settings.bkgnd = !settings.bkgnd;
    dsp_freq();
}

void Receiver::toggle_qrn() {
    settings.qrn = !settings.qrn;
    if (settings.qrn)
        playout_.start_noise();
    else
        playout_.stop_noise();
    switches_changed();
}

void Receiver::set_plain_audio(bool plain) {
    plain_audio_ = plain;
    playout_.set_plain_audio(plain);
    switches_changed();
}

void Receiver::set_cw_filter(bool on) {
    cw_filter_ = on;
    playout_.set_cw_filter(on);
    switches_changed();
}

void Receiver::set_keep_listening(bool on) {
    keep_listening_ = on;
    quiet_minute_ = -1;
    switches_changed();
}

void Receiver::idle() {
    if (!keep_listening_) return;
    for (int k = 0; k < Composition::kSlots; ++k)
        if (playout_.deadline(k) != 0) {
            quiet_minute_ = -1;
            return;
        }
    const std::int64_t minute =
        std::chrono::floor<std::chrono::minutes>(clock_.now()).time_since_epoch().count();
    if (quiet_minute_ < 0)
        quiet_minute_ = minute;
    else if (minute > quiet_minute_)
        dsp_freq();
}

void Receiver::toggle_sampling() {
    settings.sampling = settings.sampling == 3 ? 4 : 3;
    dsp_freq();
}

} // namespace zenka
