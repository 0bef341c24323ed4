// Military nets: the flash broadcasts in frequency-shift keying, an army net calling its
// out-stations, and the Japanese military traffic in kana Morse.

#include "compose/air.h"
#include "traffic/naval/naval.h"
#include "traffic/toolkit/fill.h"

#include <array>
#include <string>

namespace zenka {

void xxx_flash(Air& a, std::string_view text, int /*mode*/) {
    // Every mode is sent in the one layout the catalogue uses.
    if (a.t.minute % 5 != 0) return;
    const std::string first = a.group5f();
    const std::string second = a.group5f();
    // Both four-figure groups land in the same buffer: the last one is written twice.
    a.group4f();
    a.group4f();
    const std::string third = a.str + a.str;
    a.spd = 17;
    a.ton = 1200;
    a.qsa = 4;
    a.f1();
    const std::string_view word = kRdlCodeword[a.myrand() % 25].word;
    a.str2 =
        fill("XXX XXX %s %s%s%s %s", {std::string(text), first, second, std::string(word), third});
    const std::string flash = a.str2;
    a.send(flash);
    a.wait(10);
    a.send(flash);
    a.wait(10);
    a.send_stack("");
}

void polish_army_old(Air& a, std::string_view called, std::string_view own_call) {
    if (!a.cond(5)) return;
    a.stn();
    a.hand = 1;
    a.spd -= 3;
    a.qsa = 2;
    const std::string c(called), own(own_call);
    if (a.t.minute % 3 == 0) {
        a.send(fill("vvvvvvvvvvv   %s %s %s %s %s DE %s %s +", {c, c, c, c, c, own, own}));
        a.wait(7 + a.rand() % 3);
        a.send(fill("%s %s DE %s %s +", {c, c, own, own}));
        a.send_stack("");
        return;
    }
    a.send(fill("%s DE %s QTC K", {c, own}));
    a.wait(5 + a.rand() % 3);
    // The group count covers the figure groups, the two 222 groups and the number group.
    const int n = 10 + a.rand() % 89;
    a.send(fill("QTC NR %03d GR %d = 222%02d 222%02d ", {a.nr, a.gr + 3, n, n}));
    for (int i = 0; i < a.gr; ++i)
        a.send(a.group5f());
    a.send(fill("%05d  = QSL? = NIL = OK? +", {a.nr}));
    a.wait(5 + a.rand() % 3);
    a.sz = 1;
    a.send_stack("OK ] EE");
}

void rand_jap_mil_call(Air& a) {
    a.stn();
    a.spd -= 5;
    a.qsa = 1;
    a.katokana = 1;
    const auto call = [&a] {
        const char figure = static_cast<char>('1' + a.myrand() % 8);
        const char kana1 = static_cast<char>('a' + a.myrand() % 26);
        const char kana2 = static_cast<char>('a' + a.myrand() % 26);
        return std::string{figure, kana1, kana2};
    };
    const std::string from = call();
    const std::string to = call();
    const int m = a.t.minute;
    std::string text =
        fill(m % 2 == 0 ? "%s %s DE %s %s eZ K" : "%s %s DE %s %s K", {from, from, to, to});
    // The short forms by the minute's divisors; the last that fits wins.
    static constexpr std::array<std::pair<int, std::string_view>, 7> kShort = {{
        {3, "%s DE %s #+ ze 2 K"},
        {4, "%s DE %s eZ UR K"},
        {5, "%s DE %s Xy 20"},
        {6, "%s DE %s TC K"},
        {7, "%s DE %s L+ K"},
        {8, "%s DE %s BW K"},
        {9, "%s DE %s V 2 K"},
    }};
    for (const auto& [divisor, form] : kShort)
        if (m % divisor == 0) text = fill(form, {from, to});
    a.send_stack(text);
}

void kato_groups(Air& a, int length, int count) {
    a.katokana = 1;
    const int code = length % 128;
    for (int g = 0; g <= count; ++g) {
        a.str.clear();
        for (int i = 0; i < code; ++i)
            a.str.push_back(static_cast<char>('a' + a.myrand() % 30));
        switch (code) {
        case 6:
            a.str.resize(4);
            a.str += "   ";
            break;
        case 7:
            a.str.resize(5);
            a.str += "   ";
            break;
        default:
            a.str += ' ';
        }
        a.send(a.str);
    }
}

void katokana_qtc(Air& a, int length, int count) {
    const bool own_voice = length < 128;
    if (own_voice) {
        const int weighting = a.rto; // the bug's weighting outlives the fresh voice
        a.stn();
        a.rto = weighting;
        a.ton += 500;
        a.spd -= 5;
        a.qsa = 1 + a.rand() % 2;
    }
    kato_groups(a, length, count);
    if (own_voice) a.send(" K");
    a.send_stack("");
}

} // namespace zenka
