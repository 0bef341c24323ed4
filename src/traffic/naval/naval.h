#pragma once
// The naval and military family: fleet broadcasts, naval coast stations, army nets and the MF naval
// stations. Generators are free functions over the context, `void name(Air& a, ...)`; they keep no
// state of their own. Their tables stand beside them in this folder.

namespace zenka {

class Air;

} // namespace zenka
