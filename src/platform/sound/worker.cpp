#include "platform/sound/worker.h"

namespace zenka::sound {

Worker::Worker(std::function<void()> job, std::chrono::milliseconds period)
    : job_(std::move(job)), period_(period), thread_(&Worker::run, this) {}

Worker::~Worker() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void Worker::wake() {
    {
        const std::lock_guard lock(mutex_);
        woken_ = true;
    }
    changed_.notify_all();
}

void Worker::run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        woken_ = false;
        lock.unlock();
        job_();
        lock.lock();
        changed_.wait_for(lock, period_, [this] { return woken_ || stopping_; });
    }
}

} // namespace zenka::sound
