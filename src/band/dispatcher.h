#pragma once
// The band dispatcher: once per retune, starts what is on the air at the tuned
// frequency now.

namespace zenka {

class Air;
struct Catalogue;

void band(Air& a);
// The same pass over another catalogue.
void band(Air& a, const Catalogue& catalogue);

// The beacons of the tuned frequency.
void beacons(Air& a);
// The background signal of the fixed background table, the broadcast carriers of
// long wave and the medium-wave carrier rasters.
void carriers(Air& a);

} // namespace zenka
