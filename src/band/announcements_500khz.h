#pragma once
// The coast stations' announcements on 500 kHz by hour and minute: traffic lists,
// weather, navigational warnings and ice reports, each pointing to the station's
// working frequency.

#include "band/station_voices.h"

#include <span>
#include <string_view>

namespace zenka {

class Air;

// How the general call of an announcement is keyed.
enum class AnnouncementForm {
    plain, // send_cq_anm
    bug,   // send_cq_anm_bug
    twice, // send_cq_anm_2x2
};

// One announcement of the timetable.
struct Announcement {
    int hour;
    int minute;
    Station call;
    std::string_view text;
    AnnouncementForm form = AnnouncementForm::plain;
};

// The timetable, ordered by hour and minute.
std::span<const Announcement> timetable_500khz_rows();

// Sends the announcements timetabled for the current hour and minute, each
// station in its own speed and tone at strength 4.
void timetable_500khz(Air& a);

} // namespace zenka
