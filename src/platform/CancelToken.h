#pragma once

#include <atomic>

/** A request to stop long work, set from anywhere (a dialog's Cancel button, another thread)
 *  and read by the work between its steps. Once cancelled it stays cancelled. */
class CancelToken
{
public:
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> m_cancelled{false};
};
