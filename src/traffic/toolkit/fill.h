#pragma once
// Filling a telegram template: its printf-style placeholders (%s, %d, %u, %c, with a zero-padded
// width such as %02d) take the fill-ins in order. A placeholder left without a fill-in stays
// as written, so a missing fill-in shows in the text.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zenka {

using Fill = std::variant<int, std::string>;
using Fills = std::vector<Fill>;

std::string fill(std::string_view tmpl, const Fills& values);
// How many placeholders a template holds.
int placeholders(std::string_view tmpl);
// A frequency in tenths of a kHz as the traffic writes it: "454.5", "454".
std::string khz_text(int tenths);
// The words of a text: its groups separated by blanks, a lone "=" not counted.
int word_count(std::string_view text);

} // namespace zenka
