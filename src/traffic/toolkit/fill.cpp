#include "traffic/toolkit/fill.h"

#include <algorithm>
#include <cstddef>

namespace zenka {
namespace {

// The placeholder starting at `at` ('%'): its length, or 0 when it is none.
std::size_t placeholder_at(std::string_view s, std::size_t at, int& width, char& conversion) {
    std::size_t k = at + 1;
    width = 0;
    while (k < s.size() && s[k] >= '0' && s[k] <= '9')
        width = width * 10 + (s[k++] - '0');
    if (k >= s.size()) return 0;
    conversion = s[k];
    if (conversion != 's' && conversion != 'd' && conversion != 'u' && conversion != 'c') return 0;
    return k + 1 - at;
}

std::string as_text(const Fill& v, int width, char conversion) {
    if (const auto* text = std::get_if<std::string>(&v)) return *text;
    const int n = std::get<int>(v);
    if (conversion == 'c') return std::string(1, static_cast<char>(n));
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (static_cast<int>(digits.size()) < width - (n < 0 ? 1 : 0))
        digits.insert(0, static_cast<std::size_t>(width - (n < 0 ? 1 : 0)) - digits.size(), '0');
    return n < 0 ? "-" + digits : digits;
}

} // namespace

std::string fill(std::string_view tmpl, const Fills& values) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        int width = 0;
        char conversion = 0;
        const std::size_t n = tmpl[i] == '%' ? placeholder_at(tmpl, i, width, conversion) : 0;
        if (n == 0 || next >= values.size()) {
            out += tmpl[i];
            continue;
        }
        out += as_text(values[next++], width, conversion);
        i += n - 1;
    }
    return out;
}

std::string khz_text(int tenths) {
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        text += '.';
        text += static_cast<char>('0' + tenths % 10);
    }
    return text;
}

int placeholders(std::string_view tmpl) {
    int count = 0;
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        int width = 0;
        char conversion = 0;
        if (tmpl[i] == '%' && placeholder_at(tmpl, i, width, conversion) > 0) ++count;
    }
    return count;
}

int word_count(std::string_view text) {
    int count = 0;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (text.substr(at, end - at) != "=") ++count;
        at = end;
    }
    return count;
}

} // namespace zenka
