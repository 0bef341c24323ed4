#include "compose/air.h"

namespace zenka {

void Air::take_voice(int n) {
    spd = voice(n).spd;
    ton = voice(n).ton;
    qsa = voice(n).qsa;
    create_params();
}

void Air::stn1() {
    take_voice(1);
}
void Air::stn2() {
    take_voice(2);
}
void Air::stn3() {
    take_voice(3);
}
void Air::stn4() {
    take_voice(4);
}
void Air::stn5() {
    take_voice(5);
}

// One turn of a station in a conversation, and the pause before the next.
void Air::dialog1(std::string_view text) {
    stn1();
    send(text);
    send("   ");
}
void Air::dialog2(std::string_view text) {
    stn2();
    send(text);
    send("   ");
}
void Air::dialog3(std::string_view text) {
    stn3();
    send(text);
    send("   ");
}
void Air::dialog4(std::string_view text) {
    stn4();
    send(text);
    send("   ");
}
void Air::dialog5(std::string_view text) {
    stn5();
    send(text);
    send("   ");
}

} // namespace zenka
