// Worker threads of the headless back end: real threads, so that tests (and ThreadSanitizer) see
// what runs concurrently; starting can be made to fail.
#pragma once
#include "platform/threads.h"
#include <functional>
#include <memory>
#include <thread>

namespace qv::platform::headless {

class HeadlessWorkerThread : public IWorkerThread {
  public:
    explicit HeadlessWorkerThread(std::function<int()> procedure);
    ~HeadlessWorkerThread() override;
    HeadlessWorkerThread(const HeadlessWorkerThread&) = delete;
    HeadlessWorkerThread& operator=(const HeadlessWorkerThread&) = delete;
    int Wait() override;

  private:
    std::function<int()> procedure_;
    int exitCode_ = 0; // written by the thread, read after it was joined
    std::thread thread_;
};

class HeadlessThreads {
  public:
    // Null when failStarts says so or the system has no thread to give; throws std::bad_alloc
    // when outOfMemory says so.
    std::unique_ptr<IWorkerThread> Start(std::function<int()> procedure);

    bool failStarts = false;
    bool outOfMemory = false;
    int started = 0; // threads started so far
};

} // namespace qv::platform::headless
