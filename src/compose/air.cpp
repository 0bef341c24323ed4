#include "compose/air.h"

#include <cstdio>
#include <utility>

namespace zenka {

Air::Air(const Clock& c, std::unique_ptr<RandomSource> own, RandomSource* r,
         const ReceiverSettings& s)
    : own_random_(std::move(own)), clock(c), random(r != nullptr ? *r : *own_random_), settings(s) {
    refresh_time();
    out_.settings = s;
}

Air::Air(const Clock& c, RandomSource& r, const ReceiverSettings& s) : Air(c, nullptr, &r, s) {}

Air::Air(const Clock& c, const ReceiverSettings& s)
    : Air(c, std::make_unique<RandomSource>(), nullptr, s) {}

Air::~Air() = default;

std::uint32_t Air::myrand() {
    refresh_time();
    return random.next(t);
}

void Air::mark_sounds(std::size_t from, const StationId& station) {
    for (std::size_t i = from; i < out_.sounds.size(); ++i)
        out_.sounds[i].station = station;
}

void Air::smetr() {
    out_.meter.push_back(qsa);
}

void Air::Log(std::string_view function, std::string_view info, std::uint32_t param) {
    LogRecord r;
    r.function = function;
    r.info = info;
    r.param = param;
    r.freq = settings.freq;
    r.params = params();
    r.spacing = slot_params[0].spacing;
    r.time = clock.utc();
    r.ticks = clock.tick_count();
    out_.log.push_back(std::move(r));
}

void Air::Error_Code(int code) {
    char text[32];
    std::snprintf(text, sizeof text, "Error code: %d", code);
    Log("ERROR", text, static_cast<std::uint32_t>(code));
}

Composition Air::finish() {
    Composition c = std::move(out_);
    out_ = Composition{};
    out_.settings = settings;
    c.t = t;
    c.slots_closed = open_slot;
    c.contact500 = contact500;
    for (int k = 0; k < open_slot && k < kSlots; ++k) {
        const auto i = static_cast<std::size_t>(k);
        c.slots.push_back({send_buf[i], slot_params[i], slot_station[i]});
    }
    return c;
}

} // namespace zenka
