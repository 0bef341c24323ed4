#include "compose/air.h"

#include <cstdio>

namespace zenka {

bool Air::by_chance(bool drawn) {
    ++cond_draws;
    return chance == Chance::drawn ? drawn : chance == Chance::always;
}

int Air::cond(int n) {
    if (n < 1) n = 1; // a chance of one in zero or less means always
    return by_chance((myrand() & 31) % static_cast<std::uint32_t>(n) == 0);
}

void Air::send_cond(std::string_view text) {
    wait(static_cast<int>(myrand() & 1));
    if (by_chance(t.milliseconds % 2 == 1)) send(text); // heard in odd milliseconds
    hand = 1;
    send_stack("");
}

void Air::send_cond_par(std::string_view text, int n) {
    if (cond(n)) send_cond(text);
}

void Air::send_cond_bug(std::string_view text) {
    stn();
    bug();
    send_cond(text);
}

void Air::send_cond_bug_f1(std::string_view text) {
    stn();
    f1();
    bug();
    send_cond(text);
}

void Air::bug() {
    rto = static_cast<int>(myrand() % 40);
}

void Air::f1() {
    _f1 = 1;
    voice(2).ton = ton + 500;
}

void Air::tuning() {
    stn();
    str.assign(1, 0x04); // each one a 3-unit mark with no gap: a continuous carrier
    for (std::uint32_t i = 3 + myrand() % 10; i > 0; --i)
        send(str);
    wait(static_cast<int>(1 + myrand() % 3));
    for (std::uint32_t i = 5 + myrand() % 10; i > 0; --i)
        send(str);
    send_stack("");
}

void Air::ts() {
    spd = 24;
    ton = 1000;
    for (int i = 0; i < 100; ++i)
        send("E    ");
    send_stack("");
}

void Air::ts2(std::string_view text) {
    spd = 24;
    send(text);
    send("  TIME  ");
    for (int i = 0; i < 100; ++i)
        send("E    ");
    send_stack("");
}

} // namespace zenka
