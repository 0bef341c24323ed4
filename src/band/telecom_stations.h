#pragma once
// The telegraph operators of the fixed circuits as the rules put them on the air.

#include "band/station_voices.h"
#include "compose/air.h"
#include "traffic/telecom/telecom.h"

#include <string_view>

namespace zenka {

// `calling` chats with `called` (none when empty) in its own tone and strength; the chat
// draws its own speed.
inline void opchat(Air& a, Station calling, std::string_view called = {}) {
    a.spd = calling.voice.spd;
    a.ton = calling.voice.ton;
    a.qsa = calling.voice.qsa;
    telecom_opchat_dx(a, called, calling.call);
}

} // namespace zenka
