// One task run on a thread of its own while the caller goes on.
#pragma once

#include "framework/gdi.h"

#include <windows.h>

#include <exception>

class CWorkerThread {
public:
    // Starts the task on a new thread; when no thread can be made, the task
    // runs at Join instead, on the caller's thread.
    using Task = void (*)(void* context);
    CWorkerThread(Task task, void* context);
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;
    // Waits for the task; what it threw is dropped here (Join passes it on).
    ~CWorkerThread();

    // Waits until the task has run, then throws what it threw, once.
    void Join();

private:
    static DWORD WINAPI Run(void* self);
    void RunTask() noexcept;

    Task m_task;
    void* m_context;
    std::exception_ptr m_error;
    UniqueHandle m_thread;
    bool m_done = false;
};
