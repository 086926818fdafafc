#include "headless_threads.h"
#include <new>
#include <system_error>

namespace qv::platform::headless {

HeadlessWorkerThread::HeadlessWorkerThread(std::function<int()> procedure)
    : procedure_(std::move(procedure)), thread_([this] { exitCode_ = procedure_(); }) {}

HeadlessWorkerThread::~HeadlessWorkerThread() {
    Wait();
}

int HeadlessWorkerThread::Wait() {
    if (thread_.joinable())
        thread_.join();
    return exitCode_;
}

std::unique_ptr<IWorkerThread> HeadlessThreads::Start(std::function<int()> procedure) {
    if (outOfMemory)
        throw std::bad_alloc();
    if (failStarts)
        return nullptr;
    try {
        auto thread = std::make_unique<HeadlessWorkerThread>(std::move(procedure));
        ++started;
        return thread;
    } catch (const std::system_error&) {
        return nullptr;
    }
}

} // namespace qv::platform::headless
