#include "compose/air.h"

namespace zenka {

void Air::stn() {
    spd = spd1 = 18 + static_cast<int>(myrand() % 8);
    ton = ton1 = 800 + static_cast<int>(myrand() % 1200);
    qsa = qsa1 = 1 + static_cast<int>(myrand() % 3);
    spd2 = 18 + static_cast<int>(myrand() % 8);
    ton2 = 800 + 10 * static_cast<int>(myrand() % 120);
    qsa2 = 1 + static_cast<int>(myrand() % 3);
    nr = 10 + static_cast<int>(myrand() % 989);
    gr = 15 + static_cast<int>(myrand() % 20);
    rto = _f1 = qrh = sz = katokana = bw = spark = hand = 0;
    spacing = 2;
}

void Air::stn_ext() {
    stn();
    const auto draw = [this](int& speed, int& tone, int& strength) {
        speed = 18 + static_cast<int>(myrand() % 8);
        tone = 700 + 10 * static_cast<int>(myrand() % 130);
        strength = 1 + static_cast<int>(myrand() % 3);
    };
    draw(spd3, ton3, qsa3);
    draw(spd4, ton4, qsa4);
    draw(spd5, ton5, qsa5);
}

void Air::create_params() {
    // Seven bytes: speed, tone (low, high), strength. A zero byte ends the text
    // there, as it would a C string.
    const char bytes[8] = {0x01,
                           static_cast<char>(spd),
                           0x02,
                           static_cast<char>(ton % 256),
                           static_cast<char>(ton / 256),
                           0x03,
                           static_cast<char>(qsa),
                           0};
    send(bytes);
}

} // namespace zenka
