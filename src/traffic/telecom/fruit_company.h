#pragma once
// The fruit company's radio: its long-wave stations in the United States working the
// stations of its plantation divisions and ports round the Caribbean with company
// telegrams (ships, cutting, loading, weather on the farms).

#include <string_view>

namespace zenka {

class Air;

// One exchange of `us_station` ("WNU") with a division station, in one slot: the
// call, the answer, one to three telegrams each acknowledged, and the close.
void ufc(Air& a, std::string_view us_station);

// The words of a company telegram's text, as its check counts them.
int telegram_words(std::string_view text);

} // namespace zenka
