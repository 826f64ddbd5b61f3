#pragma once
// The progress of a long job for a terminal: from half a second into the job, the line is drawn at
// most ten times a second from the counters the workers advance; it is cleared at the end. Portable.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class TProgressMeter {
public:
    // draw gets each new line, and an empty one at the end if anything was drawn.
    using TDrawFn = std::function<void(const std::string& text)>;
    TProgressMeter(TDrawFn draw, std::uint64_t totalBytes, std::uint64_t totalFiles);
    ~TProgressMeter(); // stops
    TProgressMeter(const TProgressMeter&) = delete;
    TProgressMeter& operator=(const TProgressMeter&) = delete;

    void Stop();

    std::atomic<std::uint64_t> Bytes{0}, Files{0};

private:
    void Run();

    TDrawFn Draw;
    std::uint64_t TotalBytes, TotalFiles;
    std::chrono::steady_clock::time_point Start;
    std::mutex Lock;
    std::condition_variable Wake;
    bool Stopping = false;
    std::thread Thread;
};
