#include "platform/sound/audio_epoch.h"

#include <utility>

namespace zenka::sound {

void AudioEpoch::retire(std::shared_ptr<void> thing) {
    if (!thing) return;
    const std::uint64_t seen = count_.load(std::memory_order_seq_cst);
    if (safe(seen)) return; // no block can hold it: it goes now
    const std::lock_guard lock(mutex_);
    retired_.push_back({std::move(thing), seen});
}

void AudioEpoch::collect() {
    std::vector<Retired> freed; // let go of after the lock is given back
    {
        const std::lock_guard lock(mutex_);
        for (auto& r : retired_) {
            if (safe(r.seen)) freed.push_back(std::move(r));
        }
        std::erase_if(retired_, [](const Retired& r) { return r.thing == nullptr; });
    }
}

} // namespace zenka::sound
