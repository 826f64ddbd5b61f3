#include "cli/WorkerPool.h"

TWorkerPool::TWorkerPool(unsigned threads) {
    for (unsigned i = 0; i < threads; ++i)
        Threads.emplace_back([this] { Work(); });
}

TWorkerPool::~TWorkerPool() {
    {
        std::lock_guard<std::mutex> guard(Lock);
        Stopping = true;
    }
    Wake.notify_all();
    for (std::thread& thread : Threads)
        thread.join();
}

std::future<void> TWorkerPool::Submit(std::function<void()> task) {
    std::packaged_task<void()> packaged(std::move(task));
    std::future<void> done = packaged.get_future();
    {
        std::lock_guard<std::mutex> guard(Lock);
        Queue.push_back(std::move(packaged));
    }
    Wake.notify_one();
    return done;
}

unsigned TWorkerPool::AllCores() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? cores : 1;
}

void TWorkerPool::Work() {
    for (;;) {
        std::packaged_task<void()> task;
        {
            std::unique_lock<std::mutex> guard(Lock);
            Wake.wait(guard, [this] { return Stopping || !Queue.empty(); });
            if (Queue.empty())
                return;
            task = std::move(Queue.front());
            Queue.pop_front();
        }
        task();
    }
}
