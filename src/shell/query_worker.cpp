#include "shell/query_worker.h"

#include <algorithm>

namespace zenka {

QueryWorker::QueryWorker() : thread_([this](std::stop_token stop) { run(stop); }) {}

QueryWorker::~QueryWorker() {
    thread_.request_stop();
    thread_.join();
}

void QueryWorker::enqueue(std::string key, Job job) {
    {
        std::lock_guard lock(mutex_);
        const auto waiting =
            std::find_if(jobs_.begin(), jobs_.end(), [&](const auto& j) { return j.first == key; });
        if (waiting != jobs_.end())
            waiting->second = std::move(job);
        else
            jobs_.emplace_back(std::move(key), std::move(job));
    }
    wake_.notify_one();
}

std::size_t QueryWorker::pending() const {
    std::lock_guard lock(mutex_);
    return jobs_.size() + (busy_ ? 1 : 0);
}

void QueryWorker::drain() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [&] { return jobs_.empty() && !busy_; });
}

void QueryWorker::run(std::stop_token stop) {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [&] { return !jobs_.empty(); })) break;
            job = std::move(jobs_.front().second);
            jobs_.pop_front();
            busy_ = true;
        }
        job(stop);
        {
            std::lock_guard lock(mutex_);
            busy_ = false;
        }
        idle_.notify_all();
    }
    std::lock_guard lock(mutex_);
    jobs_.clear();
    busy_ = false;
    idle_.notify_all();
}

} // namespace zenka
