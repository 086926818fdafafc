// A launch: the shell's "open" verb for one target on a worker thread, and the message when the
// shell refuses, shown from that thread without an owner so the main window stays usable.
#pragma once
#include "launch/thread_job.h"
#include "platform/platform.h"
#include <atomic>
#include <string>

namespace qv {

// The texts of the refusal message, loaded on the window thread and only read by the workers.
struct LaunchTexts {
    std::string caption;
    // Whole messages with a marker where the target goes: one without a reason, one per reason of
    // the shell's.
    std::string cannotOpen;
    std::string fileNotFound;
    std::string accessDenied;
    std::string outOfMemory;
    std::string noAssociation;
};

class CLaunchJob final : public CThreadJob {
  public:
    enum Outcome { kOpened = 0, kNoTarget = 1, kRefused = 2 };

    CLaunchJob(platform::IPlatform& platform, const LaunchTexts& texts)
        : CThreadJob(platform), platform_(platform), texts_(texts) {}
    ~CLaunchJob() override { WaitUntilDone(); }

    // Idle from creation, busy from MarkBusy until its Run has finished (message included).
    bool IsIdle() const { return idle_.load(); }
    void MarkBusy() { idle_.store(false); }
    // Gives a job back that was marked busy but never started.
    void MarkIdle() { idle_.store(true); }
    // Only while the job is busy and not started.
    void SetTarget(const std::string& text);
    const std::string& Target() const { return target_; }

  protected:
    int Run() override;

  private:
    // The message for a refusal: the target (cut to the limit of a path) and the reason.
    std::string RefusalText(platform::ShellOpenResult result) const;
    const std::string& RefusalFormat(platform::ShellOpenResult result) const;

    platform::IPlatform& platform_;
    const LaunchTexts& texts_;
    std::string target_;
    std::string parameters_; // for the command line of what opens; a launch gives none
    // Written by the worker when Run ends, read by the window thread looking for a free job.
    std::atomic<bool> idle_{true};
};

} // namespace qv
