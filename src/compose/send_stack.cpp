#include "compose/air.h"

namespace zenka {

void Air::send(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::string& slot = send_buf.at(static_cast<std::size_t>(open_slot));
    const std::size_t room = slot.size() < kSlotChars ? kSlotChars - slot.size() : 0;
    slot.append(text.substr(0, room));
}

int Air::wait(int n) {
    for (int i = 0; i < n; ++i)
        send("    ");
    return 0;
}

void Air::send_stack(std::string_view text) {
    send(text);
    wait(5);
    if (rto != 0 || hand != 0 || spacing > 2) wait(40); // hand-sent emissions trail off longer
    Log("Send Stack", send_buf[static_cast<std::size_t>(open_slot)],
        static_cast<std::uint32_t>(open_slot));
    if (open_slot < kSlots) {
        slot_params[static_cast<std::size_t>(open_slot)] = params();
        ++open_slot;
    } else {
        Log("ERROR!", "ERROR#0250 Send Stack overflowed!", 7);
    }
    send_buf[static_cast<std::size_t>(open_slot)].clear();
    stn();
}

void Air::send_still(std::string_view text) {
    rto = 0;
    hand = 0;
    const std::string whole(text.substr(0, text.find('\0'))); // the text may be str itself
    if (whole.size() > 1023)
        Log("ERROR: send_still: input string too long!", whole,
            static_cast<std::uint32_t>(whole.size()));
    // Start at a random point, as a listener tunes in to a repeating transmission.
    const std::size_t start = whole.empty() ? 0 : myrand() % whole.size();
    str = whole.substr(start);
    send(str);
    for (int i = 0; i < 20; ++i)
        send(whole);
    send_stack("");
}

} // namespace zenka
