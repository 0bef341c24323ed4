#pragma once
// The telecom family: telegraph operators' chat and public telegrams.
// Generators are free functions over the context, `void name(Air& a, ...)`;
// they keep no state of their own. Their tables stand beside them in this folder.

namespace zenka {

class Air;

} // namespace zenka
