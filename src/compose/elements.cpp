#include "compose/air.h"

namespace zenka {

namespace {

// n characters from `draw`, then one space.
template <typename Draw> void fill_group(std::string& buf, int n, Draw draw) {
    buf.clear();
    for (int i = 0; i < n; ++i)
        buf.push_back(draw());
    buf.push_back(' ');
}

} // namespace

char Air::rand_lat() {
    return static_cast<char>('A' + myrand() % 26);
}

char Air::rand_fig() {
    return static_cast<char>('0' + myrand() % 10);
}

const std::string& Air::call4l() {
    fill_group(str, 4, [this] { return rand_lat(); });
    // Doubled letters never stand side by side: a figure takes the middle one's place.
    if (str[0] == str[1] || str[1] == str[2]) str[1] = rand_fig();
    if (str[2] == str[3]) str[2] = rand_fig();
    return str;
}

const std::string& Air::group5l(int /*mode*/) {
    fill_group(str, 5, [this] { return rand_lat(); });
    return str;
}

const std::string& Air::group4l() {
    fill_group(str2, 4, [this] { return rand_lat(); });
    return str2;
}

const std::string& Air::group3l() {
    fill_group(str2, 3, [this] { return rand_lat(); });
    return str2;
}

const std::string& Air::group5f() {
    fill_group(str, 5, [this] { return rand_fig(); });
    return str;
}

const std::string& Air::group4f() {
    fill_group(str, 4, [this] { return rand_fig(); });
    return str;
}

const std::string& Air::group3f() {
    fill_group(str, 3, [this] { return rand_fig(); });
    return str;
}

void Air::nato_call3() {
    const char first = rand_lat();
    const char figure = static_cast<char>('1' + myrand() % 9);
    const char last = rand_lat();
    str2 = {first, figure, last};
}

} // namespace zenka
