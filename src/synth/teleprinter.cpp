#include "air.h"

#include <string>

namespace zenka {

// Teleprinter stations are heard as recordings chosen by baud rate and shift; the
// text they would send is not rendered.
void Air::play_teleprinter(int m, std::string_view recording) {
    if (!bkgnd || (m != 0 && t.minute % m != 0)) return;
    smetr();
    out.play_recording(recording);
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
    if (t.second % 3 != 0 || !bkgnd) return;
    smetr();
    out.play_recording("fone/sitorb.wav");
}

void Air::data(int speed, int strength) {
    _f1 = 1;
    spd = speed;
    qsa = strength;
    send_still(std::string(42, 'Z'));
}

void Air::fax(int, int) {
    if (bkgnd) out.play_recording("fone/fax-001.wav");
}

} // namespace zenka
