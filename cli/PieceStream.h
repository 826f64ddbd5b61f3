#pragma once
// Converts a byte stream of any size on several threads: the stream is cut after line ends (a place no
// character and no phrase crosses) into segments of a few megabytes, each converted on its own on the
// pool's threads and written in order, so the output is the single-thread conversion's byte for byte and
// memory stays at a few segments per thread. A stream with no line end in MaxSegment bytes converts its
// rest on one thread, carrying the undecided tail. Portable: the reading and writing are the caller's.

#include "conversion/TextConversion.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

class TWorkerPool;

// Fills up to size bytes; returns how many, 0 at the end of the input.
using TReadFn = std::function<std::size_t(char* data, std::size_t size)>;
using TWriteFn = std::function<void(const char* data, std::size_t size)>;

struct TConversionPlan {
    TConversionId Id;
    TEncoding From, To;
};

struct TStreamTuning {
    std::size_t SegmentSize = 4 << 20;
    std::size_t MaxSegment = 64 << 20;
    std::atomic<std::uint64_t>* BytesDone = nullptr; // input bytes written out so far, for progress
    std::size_t InFlight = 0; // segments converting or waiting to be written; 0: two per pool thread
};

// pool null: everything on the calling thread. The counts are the whole stream's.
TConversionCounts ConvertStream(const TConversionPlan& plan, TWorkerPool* pool, const TReadFn& read,
                                const TWriteFn& write, const TStreamTuning& tuning = {});

// Adds one part's counts to the whole's: the first invalid offset is the earliest.
void AddCounts(TConversionCounts& total, const TConversionCounts& part);
