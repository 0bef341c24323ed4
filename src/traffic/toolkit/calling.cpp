#include "traffic/toolkit/calling.h"

#include "compose/air.h"

#include <cstddef>
#include <string>

namespace zenka {

namespace {

// The text up to its first NUL, as a C string would end there.
std::string c_text(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

// `count` copies of `word`, `gap` between them.
std::string repeated(const std::string& word, int count, std::string_view gap) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i > 0) out.append(gap);
        out.append(word);
    }
    return out;
}

} // namespace

void hello(Air& a) {
    const int hour = a.t.hour;
    if (hour >= 6 && hour <= 11)
        a.str2 = "GM";
    else if (hour >= 12 && hour <= 17)
        a.str2 = "GA";
    else if (hour >= 18 && hour <= 21)
        a.str2 = "GE";
    else
        a.str2 = "GN";
}

void french_hello(Air& a) {
    if (a.day())
        a.str2 = "BJR";
    else if (a.night())
        a.str2 = "BSR";
}

void clg_cond(Air& a, std::string_view called, std::string_view calling, int form) {
    const std::string to = c_text(called);
    const std::string from = c_text(calling);
    int n_to = 0;
    int n_from = 0;
    std::string_view gap = " ";
    bool old_v = false;
    switch (form) {
    case 0:
        n_to = 1;
        n_from = 1;
        break;
    case 1:
        n_to = 2;
        n_from = 1;
        break;
    case 2:
        n_to = 2;
        n_from = 2;
        break;
    case 3:
        n_to = 3;
        n_from = 2;
        break;
    case 4:
        n_to = 3;
        n_from = 3;
        break;
    case 102:
        n_to = 2;
        n_from = 2;
        gap = "  ";
        break;
    case 103:
        n_to = 3;
        n_from = 2;
        gap = "  ";
        break;
    case 104:
        n_to = 3;
        n_from = 3;
        gap = "  ";
        break;
    case 200:
        n_to = 2;
        n_from = 2;
        old_v = true;
        break;
    default:
        return; // no such calling formula
    }
    std::string line = repeated(to, n_to, gap);
    line.append(gap);
    line.append(old_v ? "V" : "DE");
    line.append(gap);
    line.append(repeated(from, n_from, gap));
    line.append(old_v ? " +" : " K");
    a.str = line;
    a.send_cond(a.str);
}

void send_vvv(Air& a, std::string_view call) {
    if (a.t.second % 3 != 0) return;
    const std::string sign = c_text(call); // the call may live in str, which vvv overwrites
    a.stn();
    a.bug();
    a.send(vvv(a));
    a.str = sign + " " + sign + " QSA? ";
    a.send(a.str);
    a.send(vvv(a));
    if (a.t.milliseconds % 2 == 1) a.send(a.str);
    a.send_stack(" K");
}

const std::string& vvv(Air& a) {
    const int n = 3 + a.rand() % 10;
    a.str.assign(static_cast<std::size_t>(n), 'V');
    a.str.push_back(' ');
    return a.str;
}

void qtc_qsk(Air& a, std::string_view text) {
    const std::string whole = c_text(text); // the text may live in str2 or str3
    const std::size_t len = whole.size() < 2048 ? whole.size() : 2048;
    if (len < 4) { // too short to break into
        a.send(whole);
        return;
    }
    const std::size_t cut = a.myrand() % static_cast<std::uint32_t>(2 * (len / 2) - 2);
    a.str2 = whole;
    a.str3 = whole.substr(0, cut);
    a.send(a.str3); // the message up to the break
    a.str3.assign(1, a.rand_lat());
    a.send(a.str3); // the character garbled by the break
    a.wait(1);
    if (a.cond(2))
        a.send("II II    ");
    else
        a.send("\"    ");
    // Back to the space before the word before the broken one.
    std::size_t from = 0;
    const std::size_t nearest = cut == 0 ? std::string::npos : a.str2.rfind(' ', cut - 1);
    if (nearest != std::string::npos && nearest > 0) {
        const std::size_t before = a.str2.rfind(' ', nearest - 1);
        if (before != std::string::npos) from = before;
    }
    a.send(std::string_view(a.str2).substr(from));
}

void send_times(Air& a, std::string_view text, int n) {
    const std::string copy = c_text(text);
    for (int i = 0; i < n; ++i)
        a.send(copy);
}

void send_spark(Air& a, std::string_view text) {
    if (a.settings.hist == 0) return;
    a.spark = 1;
    a.wait(30);
    a.send_stack(text);
}

int next_day(Air& a) {
    a.refresh_time();
    const int next = a.t.day + 1;
    return next > 30 ? 1 : next;
}

} // namespace zenka
