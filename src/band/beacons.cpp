#include "band/beacon_tables.h"
#include "band/dispatcher.h"
#include "band/identity.h"
#include "compose/air.h"
#include "traffic/toolkit/calling.h"

#include <string>

namespace zenka {
namespace {

// The tuning character of the Morse table: a long dash with no gap after it.
constexpr char kLong = 0x04;

std::string longs(int n) {
    return std::string(static_cast<std::size_t>(n), kLong);
}

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// Minutes of every hour in which a single-letter maritime beacon keys, by schedule:
// the first minute of a ten-minute window, and whether it comes again half an hour later.
struct LetterWindow {
    int from;
    bool half_hourly;
};

// clang-format off
constexpr LetterWindow kLetterWindows[] = {
    { 0, false}, // 0: always, decided before the table is read
    { 0, true},  // 1:  0 -  9, 30 - 39
    {10, true},  // 2: 10 - 19, 40 - 49
    {20, true},  // 3: 20 - 29, 50 - 59
    { 8, false}, // 4:  8 - 17
    {18, false}, // 5: 18 - 27
    {28, false}, // 6: 28 - 37
    {38, false}, // 7: 38 - 47
    {48, false}, // 8: 48 - 57
    { 5, false}, // 9:  5 - 14
    {15, false}, // 10: 15 - 24
    {25, false}, // 11: 25 - 34
    {35, false}, // 12: 35 - 44
    {45, false}, // 13: 45 - 54
};
// clang-format on

bool letter_on_air(const Air& a, int schedule) {
    if (schedule <= 0 || schedule > 13) return true;
    const LetterWindow w = kLetterWindows[schedule];
    return a.min_period(w.from, w.from + 10) ||
           (w.half_hourly && a.min_period(w.from + 30, w.from + 40));
}

bool pattern_on_air(const Air& a, int minute) {
    const int now = a.t.minute;
    if (minute == 255) return now % 2 == 0;
    return now == minute || now == minute + 1 || now == minute + 30 || now == minute + 31;
}

// The keying patterns of marine_beacon2; C is the call sign and a blank.
void key_pattern(Air& a, std::string_view call, int type) {
    const std::string c = std::string(call) + " ";
    const std::string name(call);
    const std::string l = longs(1);
    switch (type) {
    case 1:
        for (int i = 0; i < 3; ++i) {
            send_times(a, c, 5);
            send_times(a, l, 45);
            a.send(" " + name + blanks(12));
        }
        break;
    case 2:
        send_times(a, c, 20);
        send_times(a, l, 33);
        send_times(a, c, 21);
        send_times(a, l, 33);
        a.send(" " + name);
        break;
    case 3:
        for (int half = 0; half < 2; ++half) {
            send_times(a, c, 4);
            for (int i = 0; i < 6; ++i) {
                send_times(a, l, 24);
                a.send(" ");
            }
        }
        break;
    case 4:
        send_times(a, c, 25);
        send_times(a, l, 28);
        a.send(" " + name);
        break;
    case 5:
        send_times(a, c, 13);
        send_times(a, l, 40);
        send_times(a, c, 14);
        send_times(a, l, 40);
        a.send(" " + name);
        break;
    case 6:
        send_times(a, c, 3);
        send_times(a, l, 40);
        for (int i = 0; i < 7; ++i)
            a.send(name + " " + longs(4) + " ");
        send_times(a, c, 2);
        break;
    case 7:
        for (int i = 0; i < 2; ++i) {
            send_times(a, c, 4);
            send_times(a, l, 24);
            send_times(a, c, 4);
            send_times(a, l, 24);
            a.send(" " + name + blanks(4));
        }
        break;
    case 8:
    case 9:
        for (int i = 0; i < 3; ++i) {
            send_times(a, c, 5);
            send_times(a, l, 44);
            a.send(" " + name + blanks(type == 8 ? 4 : 1));
        }
        break;
    case 10:
        for (int i = 0; i < 3; ++i) {
            send_times(a, c, 3);
            send_times(a, l, 28);
            a.wait(2);
        }
        break;
    case 11:
        send_times(a, c, 20);
        send_times(a, l, 39);
        a.send(c);
        a.wait(14);
        a.send(name + " " + name);
        send_times(a, l, 6);
        send_times(a, "e   ", 20);
        break;
    case 12:
        send_times(a, c, 4);
        send_times(a, "T T T T T T T T T T T  ", 12);
        a.send(name + " " + name);
        break;
    case 13:
        a.send(name + "  " + name + " ");
        a.send(blanks(8));
        send_times(a, l, 18);
        a.send(blanks(8));
        a.send(c);
        break;
    case 14:
        send_times(a, l, 7);
        a.send(blanks(2));
        a.send(c);
        a.send(blanks(2));
        send_times(a, l, 3);
        a.send("  E E E E E E E E E E E E E E E E E E E E E E E E E  ");
        send_times(a, l, 5);
        a.send(" ");
        send_times(a, "\x07 ", 6);
        a.send(blanks(2));
        a.send(c);
        break;
    case 15:
        a.send(longs(2) + " " + longs(2) + " ");
        a.send("EEEEEEEEEEEEEEEEEEEEEEEEE  ");
        send_times(a, l, 5);
        a.send(" ");
        a.send("E E E E E E E E E E E E E E E E E E E E E E E E E E E E E E      ");
        a.send(name + " " + name);
        break;
    default: // an unknown type keys nothing, but still takes its slot
        break;
    }
}

// A beacon's station: "beacon <ident>", its ident the call it keys.
StationId beacon_station(std::string_view ident, bool by_chance = false) {
    return own_station("beacon " + std::string(ident), Service::beacon, ident, by_chance);
}

// The first word of a text: the ident a beacon keys first.
std::string_view first_word(std::string_view text) {
    const std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) return {};
    return text.substr(at, text.find(' ', at) - at);
}

void group_beacon(Air& a, const GroupBeacon& b) {
    switch (b.kind) {
    case GroupBeacon::Kind::letter:
        on_air_as(a, beacon_station(std::string_view(b.text, 1)),
                  [&] { marine_beacon(a, b.text[0], b.n); });
        break;
    case GroupBeacon::Kind::pattern:
        on_air_as(a, beacon_station(b.text), [&] { marine_beacon2(a, b.text, b.n, b.minute); });
        break;
    case GroupBeacon::Kind::literal: {
        const int draws = a.cond_draws;
        if (!b.when(a)) break;
        // A beacon that keys only when a chance is drawn may call; the others keep their times.
        on_air_as(a, beacon_station(first_word(b.text), a.cond_draws != draws), [&] {
            a.spd = 10;
            if (b.n == 1)
                a.send(b.text);
            else
                send_times(a, b.text, b.n);
            a.send_stack("");
        });
        break;
    }
    }
}

} // namespace

void marine_beacon(Air& a, char c, int schedule) {
    if (!letter_on_air(a, schedule)) return;
    a.spd = 12;
    a.ton = 752;
    a.qsa = 0;
    send_times(a, std::string(1, c) + blanks(5), 25);
    a.send_stack("");
}

void marine_beacon2(Air& a, std::string_view call, int type, int minute) {
    if (!pattern_on_air(a, minute)) return;
    a.spd = 13;
    a.ton = 1000;
    a.qsa = 0;
    if (type >= 13 && type <= 15) {
        a.spd = 5;
        a.ton = 752;
        a.qsa = 2;
    }
    key_pattern(a, call, type);
    a.send_stack("");
}

void ussr_beacon(Air& a, std::string_view call, char c) {
    if (a.t.minute > 4) return;
    a.spd = 12;
    a.ton = 800;
    a.qsa = 1;
    const std::string letter(1, c);
    send_times(a, letter + " " + letter + " " + letter + " ", 33);
    const std::string name(call);
    a.send(name + " " + name + " " + name + "  va");
    a.send_stack("");
}

void consol(Air& a, std::string_view call) {
    if (a.t.minute % 2 == 0) return;
    a.spd = 12;
    a.ton = 900;
    a.qsa = 4;
    a.send(call);
    a.wait(2);
    send_times(a, longs(3), 20);
    send_times(a, "E E E ", 18);
    a.send_stack("");
}

void omega(Air&) {}

void beacons(Air& a) {
    if (a.settings.freq <= 189) return;
    a.ton = 752;
    a.qsa = 1;

    for (const IdentBeacon& b : ident_beacons()) {
        if (b.freq != a.settings.freq || !b.when(a)) continue;
        on_air_as(a, beacon_station(first_word(b.text)), [&] {
            a.spd = b.spd;
            a.ton = b.ton;
            a.qsa = b.qsa;
            a.send_still(b.text);
        });
    }

    for (const CharacterBeacon& b : character_beacons())
        if (b.freq == a.settings.freq && b.when(a))
            on_air_as(a, beacon_station(b.call), [&] { ussr_beacon(a, b.call, b.letter); });

    for (const ConsolStation& s : consol_stations())
        if (s.freq == a.settings.freq)
            on_air_as(a, beacon_station(s.call), [&] { consol(a, s.call); });

    // The maritime radiobeacons take turns only in odd seconds.
    if (a.t.second % 2 == 1)
        for (const GroupBeacon& b : marine_beacon_groups())
            if (b.freq == a.settings.freq) group_beacon(a, b);

    if (a.settings.freq == 3150 && a.t.minute % 5 == 0) {
        on_air_as(a, beacon_station("NU"), [&] {
            a.spd = 16;
            a.ton = 1500;
            a.qsa = 1;
            for (int i = 0; i < 15; ++i) {
                a.send("NU  ");
                a.tuning2(a.ton, 5); // the steady carrier, with no retune from inside the pass
                a.wait(1);
            }
            a.send_stack("");
        });
    }

    for (const Ndb& ndb : ndb_table) {
        if (ndb.freq != a.settings.freq || a.t.second % 6 != 0) continue;
        on_air_as(a, beacon_station(ndb.call), [&] {
            a.spd = 10 + static_cast<int>(a.myrand() % 3);
            a.ton = 1000 + static_cast<int>(a.myrand() % 1000);
            a.qsa = 0;
            send_times(a, std::string(ndb.call) + blanks(17), 50);
            a.send_stack("");
        });
    }
}

} // namespace zenka
