#include "compose/air.h"

#include <algorithm>

namespace zenka {

void Air::stn() {
    spd = voice(1).spd = 18 + static_cast<int>(myrand() % 8);
    ton = voice(1).ton = 800 + static_cast<int>(myrand() % 1200);
    qsa = voice(1).qsa = 1 + static_cast<int>(myrand() % 3);
    voice(2).spd = 18 + static_cast<int>(myrand() % 8);
    voice(2).ton = 800 + 10 * static_cast<int>(myrand() % 120);
    voice(2).qsa = 1 + static_cast<int>(myrand() % 3);
    nr = 10 + static_cast<int>(myrand() % 989);
    gr = 15 + static_cast<int>(myrand() % 20);
    rto = _f1 = qrh = sz = katokana = bw = spark = hand = 0;
    spacing = 2;
}

void Air::stn_ext() {
    stn();
    for (int n = 3; n <= 5; ++n) {
        voice(n).spd = 18 + static_cast<int>(myrand() % 8);
        voice(n).ton = 700 + 10 * static_cast<int>(myrand() % 130);
        voice(n).qsa = 1 + static_cast<int>(myrand() % 3);
    }
}

void Air::create_params() {
    // Seven bytes: speed, tone (low, high), strength. The text is a C string, so
    // no byte of the switch may be zero: a zero would end the switch early and the
    // text's next letters would be read as its values. So the speed is kept to
    // 1 ... 255, a tone is sent at least 257 Hz and one hertz higher when its low
    // byte is zero (not heard), and strength 0 is sent as 6, which the keyer keys
    // as 0 like any step above 5.
    const int speed = std::clamp(spd, 1, 255);
    int tone = std::clamp(ton, 257, 65535);
    if (tone % 256 == 0) ++tone;
    const int strength = qsa == 0 ? 6 : std::clamp(qsa, 1, 255);
    const char bytes[8] = {0x01,
                           static_cast<char>(speed),
                           0x02,
                           static_cast<char>(tone % 256),
                           static_cast<char>(tone / 256),
                           0x03,
                           static_cast<char>(strength),
                           0};
    send(bytes);
}

} // namespace zenka
