#include "cli/ProgressMeter.h"

#include "cli/CliReport.h"

namespace {

// A job shorter than this shows nothing; after it the line changes at most once per Step.
constexpr std::chrono::milliseconds Delay(500), Step(100);

} // namespace

TProgressMeter::TProgressMeter(TDrawFn draw, std::uint64_t totalBytes, std::uint64_t totalFiles)
    : Draw(std::move(draw)), TotalBytes(totalBytes), TotalFiles(totalFiles),
      Start(std::chrono::steady_clock::now()), Thread([this] { Run(); }) {}

TProgressMeter::~TProgressMeter() {
    Stop();
}

void TProgressMeter::Stop() {
    {
        std::lock_guard<std::mutex> guard(Lock);
        Stopping = true;
    }
    Wake.notify_all();
    if (Thread.joinable())
        Thread.join();
}

void TProgressMeter::Run() {
    std::unique_lock<std::mutex> guard(Lock);
    if (Wake.wait_for(guard, Delay, [this] { return Stopping; }))
        return;
    do {
        TProgressFigures figures;
        figures.Bytes = Bytes.load();
        figures.TotalBytes = TotalBytes;
        figures.Files = Files.load();
        figures.TotalFiles = TotalFiles;
        figures.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
        Draw(ProgressLine(figures));
    } while (!Wake.wait_for(guard, Step, [this] { return Stopping; }));
    Draw(std::string());
}
