#include "band/announcements_500khz.h"

#include "band/rule_kit.h"

namespace zenka {

void timetable_500khz(Air&) {}

} // namespace zenka
