#pragma once
// The coast stations' announcements on 500 kHz by hour and minute: traffic lists,
// weather and navigational warnings, each pointing to the station's working
// frequency.

namespace zenka {

class Air;

// Sends the announcements timetabled for the current hour and minute.
void timetable_500khz(Air& a);

} // namespace zenka
