#pragma once
// How the panes write an emission's station, calls, service, keying and strength,
// and a frequency and a moment, in their cells.

#include "panel/band_rows.h"

#include <QString>

#include <string_view>

namespace zenka {

// A name of the engine's ("maritime", "F1") as Qt text.
inline QString qstring(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The station's label; a carrier or recording says what it is, with the label of the
// station that asked for it. "may call" marks a station drawn by chance.
QString station_cell(const Emission& e, bool chance_shown);
QString calls_cell(const Emission& e);
QString service_cell(const Emission& e);
QString keying_cell(const Emission& e);
QString speed_cell(const Emission& e);
QString strength_cell(const Emission& e);
// The channel a slot plays on; "carrier" or "recording" for those.
QString channel_cell(int channel, const Emission& e);
// "500.0"
QString khz_cell(int freq);
// "09:18" (UTC)
QString utc_cell(UtcInstant t);

} // namespace zenka
