#pragma once
// The weather family: weather bulletins in figure code and plain language, and navigational
// warnings. Generators are free functions over the context, `void name(Air& a, ...)`; they keep no
// state of their own. Their tables stand beside them in this folder.

namespace zenka {

class Air;

} // namespace zenka
