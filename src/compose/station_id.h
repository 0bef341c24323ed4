#pragma once
// Who is on the air: the station a slot, carrier or recording belongs to, as the
// listener is told of it. A pass marks every slot with the rule that closed it;
// the band layer names the calls taking part and the service.

#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// The services a listener tells apart on the dial.
enum class Service {
    unknown,
    maritime,     // coast stations and ships
    calling_500,  // 500 kHz calling and distress
    weather,      // weather and navigational warnings
    naval,        // naval broadcasts and warships
    military,     // army and air-corps nets
    aeronautical, // aircraft and ground stations
    telecom,      // telegraph, press and the operators' chat
    beacon,       // radio beacons and navigation systems
    time_signal,  // time signals
    background,   // the background signals and broadcast carriers
};

// "maritime", "500 kHz", "weather", "naval", "military", "aeronautical", "telecom",
// "beacon", "time signal", "background"; "" for unknown.
std::string_view service_name(Service s);

struct StationId {
    // The label of the rule that put it on the air, as the band plan names it
    // ("coast_station_mf WMH/BALTIMORE"); "beacon ..." or "background ..." for those.
    std::string label;
    // The call signs of the stations taking part, in the order they speak; every one
    // of them appears in the slot's text.
    std::vector<std::string> calls;
    Service service = Service::unknown;
    // Traffic drawn by chance at any hour ("may call"), not kept to a timetable.
    bool by_chance = false;

    friend bool operator==(const StationId&, const StationId&) = default;
};

// The calls a slot's text names, read as telegraphy is: in "X DE Y" Y speaks and calls X (the
// old "CQ V Y" and "X V Y" say the same). The senders in the order they first speak, then the
// stations called that never answer, each once. A call is a word of two to seven letters,
// figures and the signs "@", "!", "$", "#", not figures alone, and no general call, Q code,
// prosign or run of one letter ("CQ", "QST", "QRU", "AR", "VVV" ...). Lower-case letters are
// keyed as capitals unless the slot keys kana, where they are kana signs and no part of a
// call. The calls come in capitals.
std::vector<std::string> calls_in_text(std::string_view text, bool kana);

// The calls of `named` that stand as words of their own in the text, in the order the text
// first keys them.
std::vector<std::string> named_calls_in_text(std::string_view text, bool kana,
                                             const std::vector<std::string>& named);

} // namespace zenka
