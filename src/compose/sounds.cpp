#include "compose/air.h"

#include <string>

namespace zenka {

void Air::emit_sound(int tone, int count) {
    Log("SOUND", "ton", static_cast<std::uint32_t>(tone));
    if (settings.att && qsa > 0) --qsa;
    carrier_file_ = {tone, qsa, count};
    smetr();
}

void Air::n0n(int tone) {
    emit_sound(tone, 30000);
    // Only the first carrier of a pass sounds: a later request finds it sounding.
    SoundRequest r;
    r.kind = SoundRequest::Kind::Carrier;
    r.tone = carrier_file_.tone;
    r.qsa = carrier_file_.qsa;
    r.count = carrier_file_.count;
    r.started = !carrier_started_;
    carrier_started_ = true;
    out_.sounds.push_back(r);
}

void Air::tuning2(int tone, int pause) {
    n0n(tone);
    smetr();
    wait(pause);
}

void Air::play_recording(std::string_view name) {
    SoundRequest r;
    r.name = name;
    r.started = true; // playing a recording again starts it over
    out_.sounds.push_back(std::move(r));
}

void Air::fone_cond(int m) {
    if (m == 0 || t.second % m == 0) play_recording("fone/ssb-002.wav");
}

// Teleprinter stations are heard as recordings chosen by baud rate and shift; the
// text they would send is not keyed.
void Air::play_teleprinter(int m, std::string_view recording) {
    if (!settings.bkgnd || (m != 0 && t.minute % m != 0)) return;
    smetr();
    play_recording(recording);
}

void Air::rtlx_cond_50_170(std::string_view, int m) {
    play_teleprinter(m, "fone/rtt-001.wav");
}
void Air::rtlx_cond_50_425(std::string_view, int m) {
    play_teleprinter(m, "fone/rtt-001.mp3");
}
void Air::rtlx_cond_50_850(std::string_view, int m) {
    play_teleprinter(m, "fone/rtt-001.wav");
}
void Air::rtlx_cond_75_170(std::string_view, int m) {
    play_teleprinter(m, "fone/rtt-002.wav");
}
void Air::rtlx_cond_75_425(std::string_view, int m) {
    play_teleprinter(m, "fone/rtt-002.wav");
}
void Air::rtlx_cond_75_850(std::string_view, int m) {
    play_teleprinter(m, "fone/rtt-002.wav");
}
void Air::rtlx_cond_arqe_96(std::string_view, int m) {
    play_teleprinter(m, "fone/rtt-002.wav");
}

void Air::rtlx_cond(std::string_view text, int shift, int baud, int m) {
    const bool narrow = shift == 125 || shift == 170;
    const bool medium = shift == 425 || shift == 500;
    const bool wide = shift == 850 || shift == 1000;
    if (baud == 50) {
        if (narrow) rtlx_cond_50_170(text, m);
        if (medium) rtlx_cond_50_425(text, m);
        if (wide) rtlx_cond_50_850(text, m);
    } else if (baud == 75) {
        if (narrow) rtlx_cond_75_170(text, m);
        if (medium) rtlx_cond_75_425(text, m);
        if (wide) rtlx_cond_75_850(text, m);
    }
}

void Air::rtlx(std::string_view text, int shift, int baud) {
    smetr();
    rtlx_cond(text, shift, baud, 0);
}

void Air::sitor() {
    if (t.second % 3 != 0 || !settings.bkgnd) return;
    smetr();
    play_recording("fone/sitorb.wav");
}

void Air::data(int speed, int strength) {
    _f1 = 1;
    spd = speed;
    qsa = strength;
    send_still(std::string(42, 'Z'));
}

void Air::fax(int, int) {
    if (settings.bkgnd) play_recording("fone/fax-001.wav");
}

} // namespace zenka
