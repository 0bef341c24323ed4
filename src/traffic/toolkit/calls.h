#pragma once
// General calls of coast stations and the automatic Morse test of the fixed
// stations. Each closes one slot.

#include <string_view>

namespace zenka {

class Air;

// "CQ CQ CQ DE <call> <call> <call> K", after a pause of none or one group.
void send_cq(Air& a, std::string_view call);
// A coast station's announcement: "CQ CQ CQ DE <call> <call> <call> <text>" after a
// pause of 0 - 2 groups. Marks the pass as one with an announcement (anm_500).
void send_cq_anm(Air& a, std::string_view coast, std::string_view text);
// The same with the call given twice: "CQ CQ DE <call> <call> <text>".
void send_cq_anm_2x2(Air& a, std::string_view coast, std::string_view text);
// The announcement of send_cq_anm keyed with a bug, after a pause of none or one group.
void send_cq_anm_bug(Air& a, std::string_view coast, std::string_view text);
// A machine-keyed high-speed test at `wpm` words per minute, announcing itself.
void automatic_morse(Air& a, int wpm);

} // namespace zenka
