#include "cli/PieceStream.h"

#include "cli/WorkerPool.h"

#include <algorithm>
#include <deque>
#include <future>
#include <memory>
#include <string>

namespace {

struct TSegment {
    std::string In, Out;
    std::uint64_t Offset = 0;
    TConversionCounts Counts;
    std::future<void> Done; // not valid when converted on the calling thread
};

void ConvertSegment(const TConversionPlan& plan, TSegment& segment) {
    TStreamConversion conversion(plan.Id, plan.From, plan.To, segment.Offset);
    segment.Out.reserve(segment.In.size() + segment.In.size() / 4);
    conversion.Convert(segment.In.data(), segment.In.size(), true, segment.Out);
    segment.Counts = conversion.Counts();
    std::string().swap(segment.In); // its memory goes before the segment waits its turn to be written
}

class TPipeline {
public:
    TPipeline(const TConversionPlan& plan, TWorkerPool* pool, const TReadFn& read, const TWriteFn& write,
              const TStreamTuning& tuning)
        : Plan(plan), Pool(pool), Read(read), Write(write), Tuning(tuning) {}

    ~TPipeline() {
        // After a failure, the segments still converting must finish before their memory goes.
        for (auto& segment : InFlight) {
            if (segment->Done.valid())
                segment->Done.wait();
        }
    }

    TConversionCounts Run() {
        std::size_t want = std::max<std::size_t>(Tuning.SegmentSize, 1);
        for (;;) {
            Fill(want);
            std::size_t cut = Pending.size();
            if (!AtEnd) {
                const std::size_t lineEnd = Pending.rfind('\n');
                if (lineEnd == std::string::npos) {
                    if (want < Tuning.MaxSegment) {
                        want = std::min(want * 2, std::max(Tuning.MaxSegment, want + 1));
                        continue;
                    }
                    StreamRest();
                    break;
                }
                cut = lineEnd + 1;
            }
            Submit(cut);
            want = std::max<std::size_t>(Tuning.SegmentSize, 1);
            if (AtEnd)
                break;
        }
        while (!InFlight.empty())
            WriteFront();
        return Counts;
    }

private:
    void Fill(std::size_t want) {
        while (!AtEnd && Pending.size() < want) {
            const std::size_t had = Pending.size();
            Pending.resize(want);
            const std::size_t got = Read(&Pending[had], want - had);
            Pending.resize(had + got);
            AtEnd = got == 0;
        }
    }

    // Sends Pending[0, cut) off to be converted; the rest stays pending.
    void Submit(std::size_t cut) {
        if (cut == 0)
            return;
        auto segment = std::make_unique<TSegment>();
        segment->Offset = Offset;
        segment->In = std::move(Pending);
        Pending.assign(segment->In, cut, std::string::npos);
        segment->In.resize(cut);
        Offset += cut;
        TSegment& target = *segment;
        if (Pool != nullptr)
            segment->Done = Pool->Submit([this, &target] { ConvertSegment(Plan, target); });
        else
            ConvertSegment(Plan, target);
        InFlight.push_back(std::move(segment));
        // Two segments per thread keep every thread busy while the oldest is written.
        const std::size_t limit = Pool == nullptr       ? 0
                                  : Tuning.InFlight > 0 ? Tuning.InFlight
                                                        : 2 * Pool->Size();
        while (InFlight.size() > limit)
            WriteFront();
    }

    void WriteFront() {
        TSegment& segment = *InFlight.front();
        if (segment.Done.valid())
            segment.Done.get();
        Write(segment.Out.data(), segment.Out.size());
        AddCounts(Counts, segment.Counts);
        InFlight.pop_front();
        if (Tuning.BytesDone != nullptr)
            Tuning.BytesDone->store(InFlight.empty() ? Offset : InFlight.front()->Offset);
    }

    // No line end for MaxSegment bytes: the rest on this thread, in order, the undecided tail carried.
    void StreamRest() {
        while (!InFlight.empty())
            WriteFront();
        TStreamConversion conversion(Plan.Id, Plan.From, Plan.To, Offset);
        std::string out;
        for (;;) {
            const std::size_t used = conversion.Convert(Pending.data(), Pending.size(), AtEnd, out);
            Write(out.data(), out.size());
            out.clear();
            Pending.erase(0, used);
            Offset += used;
            if (Tuning.BytesDone != nullptr)
                Tuning.BytesDone->store(Offset);
            if (AtEnd)
                break;
            Fill(Pending.size() + std::max<std::size_t>(Tuning.SegmentSize, 1));
        }
        AddCounts(Counts, conversion.Counts());
    }

    const TConversionPlan& Plan;
    TWorkerPool* Pool;
    const TReadFn& Read;
    const TWriteFn& Write;
    const TStreamTuning& Tuning;
    std::string Pending;
    std::uint64_t Offset = 0;
    bool AtEnd = false;
    std::deque<std::unique_ptr<TSegment>> InFlight;
    TConversionCounts Counts;
};

} // namespace

void AddCounts(TConversionCounts& total, const TConversionCounts& part) {
    total.Invalid += part.Invalid;
    total.NoForm += part.NoForm;
    total.FirstInvalidOffset = std::min(total.FirstInvalidOffset, part.FirstInvalidOffset);
}

TConversionCounts ConvertStream(const TConversionPlan& plan, TWorkerPool* pool, const TReadFn& read,
                                const TWriteFn& write, const TStreamTuning& tuning) {
    return TPipeline(plan, pool, read, write, tuning).Run();
}
