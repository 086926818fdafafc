// Worker threads of the real platform.
#pragma once
#include "platform/threads.h"
#include "win32_handles.h"
#include <functional>
#include <memory>

namespace qv::platform::win32 {

class Win32WorkerThread : public IWorkerThread {
  public:
    // Null when the thread could not be made.
    static std::unique_ptr<IWorkerThread> Start(std::function<int()> procedure);
    ~Win32WorkerThread() override;
    Win32WorkerThread(const Win32WorkerThread&) = delete;
    Win32WorkerThread& operator=(const Win32WorkerThread&) = delete;

    // Answers the messages that other threads send to this thread's windows while it waits: the
    // shell may talk to every top-level window before it returns, and the waiting thread may own
    // some of them.
    int Wait() override;

  private:
    explicit Win32WorkerThread(std::function<int()> procedure) : procedure_(std::move(procedure)) {}
    static unsigned __stdcall Procedure(void* self);

    std::function<int()> procedure_;
    UniqueKernelHandle thread_;
};

} // namespace qv::platform::win32
