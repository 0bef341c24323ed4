#pragma once
// Text to speech with eSpeak NG, synthesised synchronously into memory.

#include "sound.h"

#include <string_view>

namespace zenka::fone {

// Speaks `text` with the English voice at `words_per_minute`. Throws std::runtime_error
// when eSpeak NG or its voice data cannot be loaded.
Sound speak(std::string_view text, int words_per_minute);

} // namespace zenka::fone
