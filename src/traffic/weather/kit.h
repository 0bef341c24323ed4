#pragma once
// Small helpers the weather generators share.

#include "compose/air.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <string_view>

namespace zenka::weather {

// A fresh random value below n, as the bulletins' formats name it.
inline int r(Air& a, int n) {
    return one_of(a, n);
}

// Sends a template with its fill-ins.
inline void send_fill(Air& a, std::string_view tmpl, const Fills& values) {
    a.send(fill(tmpl, values));
}

// Closes the open slot as a spark emission. A spark station is heard only with the historical
// stations on; otherwise the text composed for it is dropped, so no slot is left half written.
inline void close_spark(Air& a, std::string_view text) {
    if (a.settings.hist == 0) {
        a.send_buf[static_cast<std::size_t>(a.open_slot)].clear();
        return;
    }
    send_spark(a, text);
}

} // namespace zenka::weather
