#include "compose/station_id.h"

namespace zenka {

std::string_view service_name(Service s) {
    switch (s) {
    case Service::unknown:
        return "";
    case Service::maritime:
        return "maritime";
    case Service::calling_500:
        return "500 kHz";
    case Service::weather:
        return "weather";
    case Service::naval:
        return "naval";
    case Service::military:
        return "military";
    case Service::aeronautical:
        return "aeronautical";
    case Service::telecom:
        return "telecom";
    case Service::beacon:
        return "beacon";
    case Service::time_signal:
        return "time signal";
    case Service::background:
        return "background";
    }
    return "";
}

} // namespace zenka
