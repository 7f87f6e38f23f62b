#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace quillet {

// One thread that runs the jobs given to it in order, so slow file work never holds up
// the user-interface thread and two jobs on the same files never overlap.
class BackgroundQueue {
  public:
    BackgroundQueue();
    // Runs the jobs still queued, then ends the thread.
    ~BackgroundQueue();
    BackgroundQueue(const BackgroundQueue&) = delete;
    BackgroundQueue& operator=(const BackgroundQueue&) = delete;

    // A job must not throw: what it reports goes through its own captures.
    void post(std::function<void()> job);
    // Returns once every job posted so far has run.
    void waitIdle();

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> jobs_;
    bool running_ = false;  // a job is out of the queue and running
    bool stopping_ = false;
    std::thread thread_;  // last: starts once the members above exist
};

}  // namespace quillet
