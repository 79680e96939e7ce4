#include "framework/worker_thread.h"

#include <utility>

CWorkerThread::CWorkerThread(Task task, void* context) : m_task(task), m_context(context) {
    m_thread.reset(::CreateThread(nullptr, 0, &CWorkerThread::Run, this, 0, nullptr));
}

CWorkerThread::~CWorkerThread() {
    if (m_thread.valid())
        ::WaitForSingleObject(m_thread.get(), INFINITE);
}

void CWorkerThread::Join() {
    if (!m_done) {
        if (m_thread.valid())
            ::WaitForSingleObject(m_thread.get(), INFINITE);
        else
            RunTask();
        m_thread.reset();
        m_done = true;
    }
    if (m_error)
        std::rethrow_exception(std::exchange(m_error, nullptr));
}

DWORD WINAPI CWorkerThread::Run(void* self) {
    static_cast<CWorkerThread*>(self)->RunTask();
    return 0;
}

void CWorkerThread::RunTask() noexcept {
    // Nothing may leave a thread's entry: the exception waits for Join.
    try {
        m_task(m_context);
    } catch (...) {
        m_error = std::current_exception();
    }
}
