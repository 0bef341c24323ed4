#pragma once
// The aeronautical family: aircraft and their ground stations, direction finding and aerodrome
// frequencies. Generators are free functions over the context, `void name(Air& a, ...)`; they keep
// no state of their own. Their tables stand beside them in this folder.

namespace zenka {

class Air;

} // namespace zenka
