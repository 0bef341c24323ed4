#pragma once
// The keys that tune, on the panel and on the band window's read-out: cursor left
// and right the fine step, up and down 1 kHz, Page Up and Page Down 10 kHz.

#include "shell/receiver.h"

#include <optional>

namespace zenka {

// The step a key (a Qt::Key) asks for, or nothing.
std::optional<Receiver::Step> tuning_key(int key);

} // namespace zenka
