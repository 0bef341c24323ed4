#pragma once
// Lets other threads free what the audio thread may still be reading, without
// the audio thread ever taking a lock. The audio thread bumps a counter when it
// starts a block and again when it ends one (odd = inside a block). Something
// unpublished from an atomic pointer is kept until the counter shows that no
// block that could have loaded the old pointer is still running: either no
// block was running when it was unpublished, or that block has since ended.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace zenka::sound {

class AudioEpoch {
  public:
    // Audio thread, around every block.
    void enter() noexcept { count_.fetch_add(1, std::memory_order_seq_cst); }
    void leave() noexcept { count_.fetch_add(1, std::memory_order_seq_cst); }

    // Blocks begun so far, counting one that is running.
    std::uint64_t blocks_started() const noexcept {
        return (count_.load(std::memory_order_acquire) + 1) / 2;
    }

    // Any other thread, after the pointer to `thing` was replaced in its atomic:
    // `thing` is let go of once the audio thread cannot be using it.
    void retire(std::shared_ptr<void> thing);
    // Lets go of everything retired that is safe by now.
    void collect();

  private:
    bool safe(std::uint64_t seen) const noexcept {
        return seen % 2 == 0 || count_.load(std::memory_order_seq_cst) != seen;
    }

    std::atomic<std::uint64_t> count_{0};
    std::mutex mutex_;
    struct Retired {
        std::shared_ptr<void> thing;
        std::uint64_t seen;
    };
    std::vector<Retired> retired_;
};

} // namespace zenka::sound
