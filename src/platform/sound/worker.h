#pragma once
// A background thread that runs a job every `period` and whenever it is woken,
// until it is destroyed.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace zenka::sound {

class Worker {
  public:
    Worker(std::function<void()> job, std::chrono::milliseconds period);
    ~Worker(); // stops the thread and waits for it
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Runs the job soon (once more if it is running now).
    void wake();

  private:
    void run();

    std::function<void()> job_;
    std::chrono::milliseconds period_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool woken_ = false;
    bool stopping_ = false;
    std::thread thread_; // last: starts after everything above exists
};

} // namespace zenka::sound
