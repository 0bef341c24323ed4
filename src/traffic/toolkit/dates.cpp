#include "traffic/toolkit/dates.h"

namespace zenka {

const std::array<std::string_view, 12> months = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

const std::array<std::string_view, 7> dayname = {"monday", "tuesday",  "wednsday", "thursday",
                                                 "friday", "saturday", "sunday"};

} // namespace zenka
