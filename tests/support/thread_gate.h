// Holding worker threads at a point the test chooses, and waiting for what they do, with bounded
// waits so a fault fails a test instead of hanging it.
#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qv::test {

constexpr std::chrono::seconds kThreadTimeout{10};

// Workers that pass it wait until the test opens it; the test sees how many arrived.
class ThreadGate {
  public:
    void Pass() {
        std::unique_lock<std::mutex> lock(mutex_);
        ++arrivals_;
        changed_.notify_all();
        changed_.wait_for(lock, kThreadTimeout, [&] { return open_; });
    }
    bool WaitForArrivals(int count) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, kThreadTimeout, [&] { return arrivals_ >= count; });
    }
    int Arrivals() {
        std::lock_guard<std::mutex> lock(mutex_);
        return arrivals_;
    }
    void Open() {
        std::lock_guard<std::mutex> lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int arrivals_ = 0;
    bool open_ = false;
};

// What threads did, in the order they did it.
class EventLog {
  public:
    void Add(const std::string& event) {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(event);
    }
    std::vector<std::string> Events() {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_;
    }

  private:
    std::mutex mutex_;
    std::vector<std::string> events_;
};

// Polls until done() holds or the time is up; for states that no thread announces.
inline bool Eventually(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + kThreadTimeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace qv::test
