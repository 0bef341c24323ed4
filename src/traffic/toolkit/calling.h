#pragma once
// Calling procedures shared by all traffic: greetings, calling formulas, the
// VVV tuning call, a message broken by the receiving operator, repeats, spark
// emissions and the next day's date.

#include <string>
#include <string_view>

namespace zenka {

class Air;

// str2: the greeting for the hour, "GM", "GA", "GE" or "GN".
void hello(Air& a);
// str2: "BJR" by day, "BSR" by night.
void french_hello(Air& a);
// A calling formula ("<called> DE <calling> K" with the calls repeated as `form`
// says), hand-sent through send_cond; an unknown form sends nothing.
void clg_cond(Air& a, std::string_view called, std::string_view calling, int form);
// In seconds divisible by 3: a bug-keyed "VVV <call> <call> QSA?" closed as one emission.
void send_vvv(Air& a, std::string_view call);
// str: 3 .. 12 letters V and a space.
const std::string& vvv(Air& a);
// The text sent with a break-in by the receiving station and repeated from the
// word before the break.
void qtc_qsk(Air& a, std::string_view text);
// The text n times into the open slot.
void send_times(Air& a, std::string_view text, int n);
// A spark emission closed as one slot, heard only with the historical stations on.
void send_spark(Air& a, std::string_view text);
// Tomorrow's day of the month, after the 30th the 1st.
int next_day(Air& a);

} // namespace zenka
