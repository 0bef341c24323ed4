#pragma once
// The telecom family: telegraph operators' chat and public telegrams.
// Generators are free functions over the context, `void name(Air& a, ...)`;
// they keep no state of their own. Their tables stand beside them in this folder.

#include <string_view>

namespace zenka {

class Air;

// One burst of operator traffic from `calling` to `called` (which may be empty): service
// abbreviations, code words, test groups, a machine call, the high-speed test or a public
// telegram.
void telecom_opchat_dx(Air& a, std::string_view called, std::string_view calling);
// The high-speed automatic test at `wpm`: the test groups or the announcement, machine-keyed.
void auto_morse(Air& a, int wpm);
// " + <n> <hhmm> + ": the telegram's number and the time it was taken.
void ptt_nr_time(Air& a, int n);
// A public telegram broken into and resumed, its number and time, the call for the receipt,
// and the receipt.
void qtc_qsk_ptt(Air& a, std::string_view telegram, std::string_view calling, int n);

} // namespace zenka
