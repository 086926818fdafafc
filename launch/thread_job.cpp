#include "launch/thread_job.h"
#include <mutex>

namespace qv {

namespace {
// Constant-initialised, so it exists before anything of the program runs and lasts to its end.
std::mutex g_jobLock;
} // namespace

CThreadJob::~CThreadJob() {
    WaitUntilDone();
}

bool CThreadJob::Start(platform::WindowRef owner, int parameter) {
    WaitUntilDone();
    owner_ = owner;
    parameter_ = parameter;
    result_ = 0;
    thread_ = platform_.StartThread([this] { return Procedure(); });
    return thread_ != nullptr;
}

int CThreadJob::Procedure() {
    std::lock_guard<std::mutex> guard(g_jobLock);
    result_ = Run();
    return result_;
}

} // namespace qv
