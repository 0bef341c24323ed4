#pragma once
// A thread of its own for the now-and-next queries (shell/on_air.h), so that the interface
// never waits for them. Jobs run one at a time in the order posted; a job posted under a key
// that is still waiting replaces the waiting one (a refresh asked for twice runs once, with
// the newest inputs). The result goes to `done` on the worker's thread: a Qt window hands it
// to its own thread with QMetaObject::invokeMethod(window, [..] { .. }, Qt::QueuedConnection).
//
//   QueryWorker worker;
//   worker.post("on air", [q, t](std::stop_token stop) { return on_air(q, t, 100, 10004, stop); },
//               [this](std::vector<OnAir> list) { /* queue to the interface thread */ });
//
// The destructor asks the running job to stop (the queries look at their stop token between
// frequencies), drops the waiting ones and joins the thread.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <utility>

namespace zenka {

class QueryWorker {
  public:
    QueryWorker();
    ~QueryWorker();
    QueryWorker(const QueryWorker&) = delete;
    QueryWorker& operator=(const QueryWorker&) = delete;

    // Runs `query(stop)` on the worker and gives its result to `done` there; nothing is
    // given when the query was stopped.
    template <class Query, class Done> void post(std::string key, Query query, Done done) {
        enqueue(std::move(key),
                [query = std::move(query), done = std::move(done)](std::stop_token stop) mutable {
                    auto result = query(stop);
                    if (!stop.stop_requested()) done(std::move(result));
                });
    }

    // Jobs waiting or running.
    std::size_t pending() const;
    // Waits until every job posted so far has run.
    void drain();

  private:
    using Job = std::function<void(std::stop_token)>;
    void enqueue(std::string key, Job job);
    void run(std::stop_token stop);

    mutable std::mutex mutex_;
    std::condition_variable_any wake_;
    std::condition_variable idle_;
    std::deque<std::pair<std::string, Job>> jobs_;
    bool busy_ = false;
    std::jthread thread_; // last: it starts when everything it uses is there
};

} // namespace zenka
