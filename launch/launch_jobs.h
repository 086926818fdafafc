// The main window's launch jobs: an idle one is reused, a new one is added when all are busy.
// The list only grows; its jobs go with it, each waiting for its running work.
#pragma once
#include "launch/launch_job.h"
#include "platform/platform.h"
#include <memory>
#include <string>
#include <vector>

namespace qv {

class CLaunchJobs {
  public:
    CLaunchJobs(platform::IPlatform& platform, LaunchTexts texts)
        : platform_(platform), texts_(std::move(texts)) {}
    CLaunchJobs(const CLaunchJobs&) = delete;
    CLaunchJobs& operator=(const CLaunchJobs&) = delete;

    // Opens text (trimmed, a "www." address as an http one) on a job's worker thread and returns
    // at once; false when no thread could be started. Throws std::bad_alloc when memory runs out
    // (the job list stays usable).
    bool Launch(const std::string& text, platform::WindowRef owner);
    std::size_t Count() const { return jobs_.size(); }
    const CLaunchJob& Job(std::size_t index) const { return *jobs_[index]; }

  private:
    // The first idle job from the head of the list, or a new one at its end.
    CLaunchJob& IdleJob();

    platform::IPlatform& platform_;
    // Declared before the jobs, which read it until they are gone.
    const LaunchTexts texts_;
    std::vector<std::unique_ptr<CLaunchJob>> jobs_;
};

} // namespace qv
