#pragma once
// A fixed set of threads running submitted tasks, first come first served. Portable: no windows.h.

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

class TWorkerPool {
public:
    explicit TWorkerPool(unsigned threads);
    ~TWorkerPool(); // finishes the queued tasks first
    TWorkerPool(const TWorkerPool&) = delete;
    TWorkerPool& operator=(const TWorkerPool&) = delete;

    // The future holds the task's exception, if it throws.
    std::future<void> Submit(std::function<void()> task);
    unsigned Size() const { return static_cast<unsigned>(Threads.size()); }

    // The threads "-j 0" means: one per core, at least one.
    static unsigned AllCores();

private:
    void Work();

    std::mutex Lock;
    std::condition_variable Wake;
    std::deque<std::packaged_task<void()>> Queue;
    bool Stopping = false;
    std::vector<std::thread> Threads;
};
