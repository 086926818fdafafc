#include "win32_threads.h"
#include "win32_com.h"
#include <cstdint>
#include <process.h>

namespace qv::platform::win32 {

std::unique_ptr<IWorkerThread> Win32WorkerThread::Start(std::function<int()> procedure) {
    std::unique_ptr<Win32WorkerThread> thread(new Win32WorkerThread(std::move(procedure)));
    // The C runtime's own start, so that the runtime's per-thread data is set up and freed.
    const std::uintptr_t handle =
        _beginthreadex(nullptr, 0, &Win32WorkerThread::Procedure, thread.get(), 0, nullptr);
    if (handle == 0)
        return nullptr;
    thread->thread_.reset(reinterpret_cast<HANDLE>(handle));
    return thread;
}

Win32WorkerThread::~Win32WorkerThread() {
    if (thread_)
        Wait();
}

unsigned __stdcall Win32WorkerThread::Procedure(void* self) {
    // A worker's work is the shell's open verb, which needs COM on the thread that calls it.
    const ScopedComApartment com;
    return static_cast<unsigned>(static_cast<Win32WorkerThread*>(self)->procedure_());
}

int Win32WorkerThread::Wait() {
    HANDLE thread = thread_.get();
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE);
        if (woken != WAIT_OBJECT_0 + 1)
            break;
        // Peeking hands the sent messages to their windows; nothing posted is taken.
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    DWORD exitCode = 0;
    GetExitCodeThread(thread, &exitCode);
    return static_cast<int>(exitCode);
}

} // namespace qv::platform::win32
