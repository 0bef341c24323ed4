#include "traffic/toolkit/calls.h"

#include "compose/air.h"

#include <string>

namespace zenka {
namespace {

// "CQ CQ CQ DE <call> <call> <call> " into str.
void cq_three_times(Air& a, std::string_view call) {
    const std::string c(call);
    a.str = "CQ CQ CQ DE " + c + " " + c + " " + c + " ";
}

} // namespace

void send_cq(Air& a, std::string_view call) {
    a.wait(static_cast<int>(a.myrand() % 2));
    cq_three_times(a, call);
    a.str += "K";
    a.send_stack(a.str);
}

void send_cq_anm(Air& a, std::string_view coast, std::string_view text) {
    a.wait(static_cast<int>(a.myrand() % 3));
    cq_three_times(a, coast);
    a.str += text;
    a.send_stack(a.str);
    a.anm_500 = 1;
}

void send_cq_anm_2x2(Air& a, std::string_view coast, std::string_view text) {
    a.wait(static_cast<int>(a.myrand() % 3));
    const std::string c(coast);
    a.str = "CQ CQ DE " + c + " " + c + " ";
    a.str += text;
    a.send_stack(a.str);
}

void send_cq_anm_bug(Air& a, std::string_view coast, std::string_view text) {
    a.bug();
    a.wait(static_cast<int>(a.myrand() % 2));
    cq_three_times(a, coast);
    a.str += text;
    a.send_stack(a.str);
}

void automatic_morse(Air& a, int wpm) {
    a.spd = wpm;
    a.rto = 0;
    a.str = "= THIS IS HIGH SPEED AUTOMATIC MORSE TRANSMISSION AT " + std::to_string(wpm) +
            " WPM FOR TESTING PURPOSES = ";
    a.send_still(a.str);
}

} // namespace zenka
