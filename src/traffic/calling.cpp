#include "air.h"

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

void Air::hello() {
    const int hour = t.hour;
    if (hour >= 6 && hour <= 11)
        str2 = "GM";
    else if (hour >= 12 && hour <= 17)
        str2 = "GA";
    else if (hour >= 18 && hour <= 21)
        str2 = "GE";
    else
        str2 = "GN";
}

void Air::french_hello() {
    if (day())
        str2 = "BJR";
    else if (night())
        str2 = "BSR";
}

void Air::clg_cond(std::string_view called, std::string_view calling, int form) {
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
    str = line;
    send_cond(str);
}

void Air::send_vvv(std::string_view call) {
    if (t.second % 3 != 0) return;
    const std::string sign = c_text(call); // the call may live in str, which vvv overwrites
    stn();
    bug();
    send(vvv());
    str = sign + " " + sign + " QSA? ";
    send(str);
    send(vvv());
    if (t.milliseconds % 2 == 1) send(str);
    send_stack(" K");
}

const std::string& Air::vvv() {
    const int n = 3 + rand() % 10;
    str.assign(static_cast<std::size_t>(n), 'V');
    str.push_back(' ');
    return str;
}

void Air::qtc_qsk(std::string_view text) {
    const std::string whole = c_text(text); // the text may live in str2 or str3
    const std::size_t len = whole.size() < 2048 ? whole.size() : 2048;
    if (len < 4) { // too short to break into
        send(whole);
        return;
    }
    const std::size_t cut = myrand() % static_cast<std::uint32_t>(2 * (len / 2) - 2);
    str2 = whole;
    str3 = whole.substr(0, cut);
    send(str3); // the message up to the break
    str3.assign(1, rand_lat());
    send(str3); // the character garbled by the break
    wait(1);
    if (cond(2))
        send("II II    ");
    else
        send("\"    ");
    // Back to the space before the word before the broken one.
    std::size_t from = 0;
    const std::size_t nearest = cut == 0 ? std::string::npos : str2.rfind(' ', cut - 1);
    if (nearest != std::string::npos && nearest > 0) {
        const std::size_t before = str2.rfind(' ', nearest - 1);
        if (before != std::string::npos) from = before;
    }
    send(std::string_view(str2).substr(from));
}

void Air::send_times(std::string_view text, int n) {
    const std::string copy = c_text(text);
    for (int i = 0; i < n; ++i)
        send(copy);
}

void Air::send_spark(std::string_view text) {
    if (hist == 0) return;
    spark = 1;
    wait(30);
    send_stack(text);
}

int Air::next_day() {
    t = clock.utc();
    const int next = t.day + 1;
    return next > 30 ? 1 : next;
}

} // namespace zenka
