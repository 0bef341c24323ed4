// GBR, the British fleet's VLF station: the fleet broadcast with its message list, and the
// broadcast to all British ships.

#include "compose/air.h"
#include "traffic/naval/naval.h"
#include "traffic/toolkit/dates.h"
#include "traffic/toolkit/fill.h"

#include <string>
#include <vector>

namespace zenka {
namespace {

// One message of the broadcast as the list announces it.
struct Listed {
    int serial;
    std::string addressee;
};

// The list's form by the message number; the later rule wins.
std::string_view list_form(int nr) {
    std::string_view form = "%s %s ZBO %cS%u ii %c ii  ";
    if (nr % 3 == 0) form = "%s %s ZFL2 %cS%u  ";
    if (nr % 4 == 0) form = "%s %s ZFJ %cS%u  ";
    if (nr % 5 == 0) form = "%s %s ZRR %cS%u  ";
    return form;
}

void speed(Air& a, int wpm) {
    a.spd = wpm;
    a.create_params();
}

} // namespace

void gbr_navy(Air& a) {
    a.ton = 800;
    a.qsa = 4;
    // The list goes at 20 wpm from the first character, whatever the slot closes with.
    speed(a, 20);
    const int count = 10 + static_cast<int>(a.myrand() % 20);
    a.send("GBXZ GBXZ GBXZ DE GBR GBR GBR = = ");
    a.wait(1);

    // Precedence and class follow the message number, the same for the whole broadcast.
    const char precedence = a.nr % 2 == 1 ? 'O' : 'P';
    const char kind = a.nr % 5 == 0 ? 'M' : 'H';
    const std::string_view form = list_form(a.nr);
    std::vector<Listed> list;
    for (int i = 0; i < count; ++i) {
        Listed m{100 + static_cast<int>(a.myrand() % 899), a.call4l()};
        a.send(fill(form, {m.addressee, m.addressee, kind, m.serial, precedence}));
        list.push_back(std::move(m));
    }
    a.wait(1);
    a.send("+ = =");
    a.wait(2);
    speed(a, 40);

    for (const Listed& m : list) {
        a.gr = 10 + a.rand() % 30;
        a.send(fill("%cS%u ii %s ii %c ii %02u%02u%02uZ %s GR %02u = ",
                    {kind, m.serial, m.addressee, precedence, a.t.day, a.t.hour, a.t.minute,
                     std::string(months[static_cast<std::size_t>(a.t.month - 1) % 12]), a.gr}));
        for (int g = 0; g < a.gr; ++g)
            a.send(a.group5l(2));
        a.send(" +");
        a.wait(2);
    }
    a.wait(1);
    speed(a, 21);
    a.send_stack("GBXZ GBXZ GBXZ DE GBR GBR GBR QRU + ]");
}

void gbr_naval(Air& a) {
    const int day = a.t.day, hour = a.t.hour, minute = a.t.minute;
    a.send(fill("BAMS BAMS BAMS DE GBR/GIA GBR/GIA GBR/GIA     MGD3 MGD9 = IMPORTANT = FROM C IN C "
                "WA = %02d%02d%02dZ = CDE %02d = ",
                {day, hour, minute, a.gr + 2}));
    a.send(a.group4l());
    a.send(a.group4l());
    for (int i = 0; i < a.gr; ++i)
        a.send(a.group5f());
    a.send_stack(fill(" = %02d%02d%02dZ +", {day, hour, minute}));
}

} // namespace zenka
