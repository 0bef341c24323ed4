#pragma once
// The maritime family: coast stations and ships, radiotelegrams, 500 kHz calling and distress
// working, the LF ship channels. Generators are free functions over the context, `void name(Air& a,
// ...)`; they keep no state of their own. Their tables stand beside them in this folder.

namespace zenka {

class Air;

} // namespace zenka
