// Worker threads: the program's logic starts threads only through the platform.
#pragma once
#include <functional>
#include <memory>

namespace qv::platform {

// A worker thread that runs one procedure and ends when it returns. Whoever holds it owns it:
// destroying it waits for the thread to end, so nothing the procedure uses goes away under it,
// even when the thread has not begun to run yet.
class IWorkerThread {
  public:
    virtual ~IWorkerThread() = default;
    // Waits until the procedure has returned and gives its result, the thread's exit code.
    virtual int Wait() = 0;
};

} // namespace qv::platform
