#include "air.h"

namespace zenka {

void Air::send(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::string& slot = send_buf.at(static_cast<std::size_t>(send_call));
    const std::size_t room = slot.size() < kSlotChars ? kSlotChars - slot.size() : 0;
    slot.append(text.substr(0, room));
}

} // namespace zenka
