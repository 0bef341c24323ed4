#include "panel/heard_band.h"

#include <chrono>
#include <iterator>
#include <utility>

namespace zenka {
namespace {

std::chrono::sys_time<std::chrono::minutes> minute_of(UtcInstant t) {
    return std::chrono::floor<std::chrono::minutes>(t);
}

} // namespace

void HeardBand::heard(int freq, std::vector<AirRow> rows, UtcInstant at) {
    keep_minute_of(at);
    by_freq_[freq] = {at, std::move(rows)};
}

bool HeardBand::keep_minute_of(UtcInstant now) {
    const auto minute = minute_of(now);
    return std::erase_if(by_freq_, [&](const auto& entry) {
               return minute_of(entry.second.at) != minute;
           }) > 0;
}

std::vector<AirRow> HeardBand::rows() const {
    std::vector<AirRow> out;
    for (const auto& [freq, heard] : by_freq_)
        out.insert(out.end(), heard.rows.begin(), heard.rows.end());
    return out;
}

} // namespace zenka
