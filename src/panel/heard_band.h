#pragma once
// What the retunes of the current minute found on the air, frequency by frequency:
// the band as far as the listener has been round it this minute. Each retune replaces
// what its frequency had; a new minute of the clock starts the list afresh, since
// the stations change with the minute.

#include "panel/band_rows.h"

#include <map>
#include <vector>

namespace zenka {

class HeardBand {
  public:
    // What a retune to `freq` found at `at` (nothing at all is an answer too).
    void heard(int freq, std::vector<AirRow> rows, UtcInstant at);
    // Forgets what was heard in a minute before the minute of `now`. True when that
    // changed the list.
    bool keep_minute_of(UtcInstant now);
    // Frequencies heard this minute, with or without a station.
    int frequencies() const { return static_cast<int>(by_freq_.size()); }
    // The rows, by frequency, each frequency's in channel order.
    std::vector<AirRow> rows() const;

  private:
    struct Heard {
        UtcInstant at;
        std::vector<AirRow> rows;
    };
    std::map<int, Heard> by_freq_;
};

} // namespace zenka
