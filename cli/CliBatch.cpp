#include "cli/CliBatch.h"

#include "cli/CliConsole.h"
#include "cli/CliFiles.h"
#include "cli/CliPaths.h"
#include "cli/CliReport.h"
#include "cli/CliTree.h"
#include "cli/PieceStream.h"
#include "cli/ProgressMeter.h"
#include "cli/WorkerPool.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <thread>

namespace {

// What detection reads of each input; the binary test reads the first BinaryProbeSize of it.
constexpr std::size_t DetectionSize = 64 * 1024;

struct TJob {
    std::string Input, Output; // Input empty: standard input; Output empty: standard output
    bool SkipBinary = false;
    bool MakeFolder = false; // the output's folder may have to be made
};

enum class TOutcome { Converted, Skipped, Failed, HeldBack };

struct TRunContext {
    const TCliOptions& Options;
    TWorkerPool* Pool;
    TProgressMeter* Meter;
    bool Batch;
    std::size_t InFlight; // per file: drivers converting large files at once share the memory
};

std::string Parent(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

TOutcome ConvertJob(const TJob& job, const TRunContext& run, TConversionCounts& counts) {
    const TCliOptions& options = run.Options;
    const std::string name = job.Input.empty() ? "standard input" : Quoted(job.Input);
    try {
        TCliInput input(job.Input);
        std::string head(job.SkipBinary || options.DetectSource ? DetectionSize : 0, '\0');
        head.resize(input.ReadFully(&head[0], head.size()));
        if (job.SkipBinary && LooksBinary(head.data(), head.size())) {
            Say("skipped " + name + ": binary (a NUL byte in its first 8 KB)");
            return TOutcome::Skipped;
        }
        TConversionPlan plan{options.Conversion, options.From, options.To};
        if (options.DetectSource) {
            plan.From = DetectEncoding(head.data(), head.size());
            if (!options.Quiet)
                Say(name + ": read as " + DisplayName(plan.From) + " (detected)");
        }
        if (job.MakeFolder)
            MakeFolders(Parent(job.Output));
        TCliOutput output(job.Output, job.Input);
        std::size_t served = 0;
        const TReadFn read = [&](char* data, std::size_t size) {
            if (served == head.size())
                return input.Read(data, size);
            const std::size_t n = std::min(size, head.size() - served);
            std::memcpy(data, head.data() + served, n);
            served += n;
            return n;
        };
        TStreamTuning tuning;
        tuning.BytesDone = run.Meter != nullptr ? &run.Meter->Bytes : nullptr;
        tuning.InFlight = run.InFlight;
        counts = ConvertStream(
            plan, run.Pool, read, [&](const char* data, std::size_t size) { output.Write(data, size); },
            tuning);
        input.Close();

        const std::string loss = LossLine(counts, plan.From, plan.To), prefix = run.Batch ? name + ": " : "";
        if (options.Strict && !loss.empty()) {
            Say(prefix + loss + (output.IsFile() ? "; " + Quoted(job.Output) + " not written" : "") +
                " (--strict)");
            return TOutcome::HeldBack; // the output's destructor drops the temporary file
        }
        if (!loss.empty())
            Say(prefix + loss);
        output.Commit();
        return TOutcome::Converted;
    } catch (const TCliError& error) {
        Say(error.what());
    } catch (const std::bad_alloc&) {
        Say(name + ": out of memory");
    }
    return TOutcome::Failed;
}

// The files a run of many converts; what cannot even be listed counts as failed at once.
std::vector<TJob> PlanBatch(const TCliOptions& options, bool outputIsFolder, TRunTally& tally,
                            std::uint64_t& totalBytes) {
    std::vector<TJob> jobs;
    const std::string skip = outputIsFolder ? options.Output : std::string();
    for (const std::string& input : options.Inputs) {
        if (!IsFolder(input)) {
            // One named file converts as it is, NULs and all, in place too.
            jobs.push_back({input, OutputPathFor(options, outputIsFolder, input, ""),
                            options.Inputs.size() > 1, outputIsFolder});
            continue;
        }
        if (!options.Recursive) {
            Say("cannot read " + Quoted(input) + ": is a folder (-r converts the tree below it)");
            ++tally.Failed;
            continue;
        }
        std::vector<TTreeFile> files;
        std::vector<std::string> problems;
        ListTree(input, skip, files, problems);
        for (const std::string& problem : problems)
            Say(problem);
        tally.Failed += problems.size();
        for (const TTreeFile& file : files) {
            jobs.push_back({file.Path, OutputPathFor(options, outputIsFolder, file.Path, file.Relative), true,
                            outputIsFolder});
            totalBytes += file.Size;
        }
    }
    return jobs;
}

// Two inputs with one output: the later one fails rather than overwrite the earlier one's conversion.
bool ClaimOutput(std::map<std::string, std::string>& claimed, const TJob& job) {
    const auto [at, fresh] = claimed.emplace(FullPath(job.Output), job.Input);
    if (!fresh)
        Say("cannot write " + Quoted(job.Output) + ": it is also the output of " + Quoted(at->second));
    return fresh;
}

} // namespace

int RunConversion(const TCliOptions& options) {
    const bool batch = IsBatch(options);
    const bool outputIsFolder = options.OutputIsFolder || (!options.InPlace && !options.Output.empty() &&
                                                           options.Output != "-" && IsFolder(options.Output));
    TRunTally tally;
    std::uint64_t totalBytes = 0;
    std::vector<TJob> jobs;
    if (batch) {
        jobs = PlanBatch(options, outputIsFolder, tally, totalBytes);
    } else {
        const std::string input = options.Inputs.empty() ? std::string() : options.Inputs[0];
        if (outputIsFolder && input.empty()) {
            Say("standard input has no name to give its output in " + Quoted(options.Output) +
                " (see --help)");
            return 2;
        }
        jobs.push_back({input, OutputPathFor(options, outputIsFolder, input, ""), false, outputIsFolder});
    }

    if (batch) { // a named file's size counts once it is known to be one
        std::map<std::string, std::string> claimed;
        std::vector<TJob> kept;
        for (const TJob& job : jobs) {
            if (ClaimOutput(claimed, job))
                kept.push_back(job);
            else
                ++tally.Failed;
        }
        jobs.swap(kept);
    }
    if (totalBytes == 0) {
        for (const TJob& job : jobs) {
            WIN32_FILE_ATTRIBUTE_DATA data;
            if (!job.Input.empty() &&
                GetFileAttributesExW(Widen(job.Input).c_str(), GetFileExInfoStandard, &data))
                totalBytes += (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        }
    }

    const unsigned threads = options.Jobs > 0 ? options.Jobs : TWorkerPool::AllCores();
    std::unique_ptr<TWorkerPool> pool(threads > 1 ? new TWorkerPool(threads) : nullptr);
    std::unique_ptr<TProgressMeter> meter;
    if (!options.Quiet && StandardErrorIsTerminal())
        meter.reset(new TProgressMeter(ShowStatus, totalBytes, jobs.size()));
    const std::size_t drivers = std::max<std::size_t>(1, std::min<std::size_t>(threads, jobs.size()));
    const TRunContext run{options, pool.get(), meter.get(), batch,
                          std::max<std::size_t>(2, 2 * threads / drivers)};

    // Each driver thread takes the next file and does its reading and writing; the pool converts.
    std::mutex tallyLock;
    std::size_t next = 0;
    const auto drive = [&] {
        for (;;) {
            std::size_t index;
            {
                std::lock_guard<std::mutex> guard(tallyLock);
                if (next == jobs.size())
                    return;
                index = next++;
            }
            TConversionCounts counts;
            const TOutcome outcome = ConvertJob(jobs[index], run, counts);
            std::lock_guard<std::mutex> guard(tallyLock);
            (outcome == TOutcome::Converted  ? tally.Converted
             : outcome == TOutcome::Skipped  ? tally.Skipped
             : outcome == TOutcome::HeldBack ? tally.HeldBack
                                             : tally.Failed)++;
            AddCounts(tally.Lost, counts);
            if (meter)
                ++meter->Files;
        }
    };
    std::vector<std::thread> others;
    for (std::size_t i = 1; i < drivers; ++i)
        others.emplace_back(drive);
    drive();
    for (std::thread& driver : others)
        driver.join();
    if (meter)
        meter->Stop();

    if (batch && !options.Quiet)
        Say(SummaryLine(tally));
    return tally.Failed > 0 ? 1 : tally.HeldBack > 0 ? 3 : 0;
}
