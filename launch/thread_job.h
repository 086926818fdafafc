// One unit of work run once on a worker thread of its own. The work of every job runs under one
// process-wide lock, so jobs run one after another, in the order their threads take the lock.
#pragma once
#include "platform/platform.h"
#include <memory>

namespace qv {

class CThreadJob {
  public:
    explicit CThreadJob(platform::IPlatform& platform) : platform_(platform) {}
    // Waits for the job's thread. Run belongs to the derived class, which is gone by the time
    // this runs: a derived class calls WaitUntilDone in its own destructor.
    virtual ~CThreadJob();
    CThreadJob(const CThreadJob&) = delete;
    CThreadJob& operator=(const CThreadJob&) = delete;

    // Starts a worker thread that runs the job; false when none could be made. A job run before
    // must have finished its Run; its thread is then at its very end and is waited for.
    bool Start(platform::WindowRef owner, int parameter);
    // Waits until the thread started last has ended, lock taken, Run returned and lock released,
    // also when it had not begun to run yet.
    void WaitUntilDone() { thread_.reset(); }
    // Run's return value; meaningful once WaitUntilDone returned.
    int Result() const { return result_; }

  protected:
    // The work, on the worker thread with the job lock held.
    virtual int Run() = 0;
    platform::WindowRef Owner() const { return owner_; }
    int Parameter() const { return parameter_; }

  private:
    int Procedure();

    platform::IPlatform& platform_;
    platform::WindowRef owner_ = 0;
    int parameter_ = 0;
    int result_ = 0;
    std::unique_ptr<platform::IWorkerThread> thread_;
};

} // namespace qv
