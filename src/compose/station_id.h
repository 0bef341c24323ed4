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
    // Where it stands on the dial (100 Hz), 0 where it is composed; a station of a rule
    // over a narrow range stands in its middle and is heard `reach` either side of it.
    int freq = 0;
    int reach = 0;

    friend bool operator==(const StationId&, const StationId&) = default;
};

} // namespace zenka
