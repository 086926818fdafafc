#include "launch/launch_jobs.h"

namespace qv {

CLaunchJob& CLaunchJobs::IdleJob() {
    for (const auto& job : jobs_)
        if (job->IsIdle())
            return *job;
    auto job = std::make_unique<CLaunchJob>(platform_, texts_);
    jobs_.push_back(std::move(job));
    return *jobs_.back();
}

bool CLaunchJobs::Launch(const std::string& text, platform::WindowRef owner) {
    CLaunchJob& job = IdleJob();
    job.MarkBusy();
    bool started = false;
    try {
        job.SetTarget(text);
        started = job.Start(owner, 0);
    } catch (...) {
        job.MarkIdle();
        throw;
    }
    // A job whose thread never came would otherwise stay busy for good.
    if (!started)
        job.MarkIdle();
    return started;
}

} // namespace qv
