#include "compose/air.h"

namespace zenka {

// Makes a stored voice current and writes the switch to it into the text.
void Air::voice(int speed, int tone, int strength) {
    spd = speed;
    ton = tone;
    qsa = strength;
    create_params();
}

void Air::stn1() {
    voice(spd1, ton1, qsa1);
}
void Air::stn2() {
    voice(spd2, ton2, qsa2);
}
void Air::stn3() {
    voice(spd3, ton3, qsa3);
}
void Air::stn4() {
    voice(spd4, ton4, qsa4);
}
void Air::stn5() {
    voice(spd5, ton5, qsa5);
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
