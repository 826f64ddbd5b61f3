// The command line's stream converter: any text, read in any sizes, cut into segments after line ends (and
// streamed past MaxSegment bytes without one), on the calling thread or a pool of one to three threads,
// gives the bytes and counts of converting it whole in one call, and reports every input byte done.
// Input: conversion, source and target encoding, pool, segment size, MaxSegment, segments in flight, four
// bytes seeding the read sizes, then the text.

#include "cli/PieceStream.h"
#include "cli/WorkerPool.h"
#include "fuzz/PieceCuts.h"

#include <algorithm>
#include <memory>

namespace {

// Threads cost far more to start than a small input to convert: one pool of each size for the whole run.
TWorkerPool* Pool(std::size_t threads) {
    static std::unique_ptr<TWorkerPool> pools[3];
    if (threads == 0)
        return nullptr;
    if (!pools[threads - 1])
        pools[threads - 1] = std::make_unique<TWorkerPool>(static_cast<unsigned>(threads));
    return pools[threads - 1].get();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    TConversionPlan plan;
    plan.Id = static_cast<TConversionId>(input.Pick(10));
    plan.From = static_cast<TEncoding>(input.Pick(4));
    plan.To = static_cast<TEncoding>(input.Pick(4));
    TWorkerPool* pool = Pool(input.Pick(4));
    std::atomic<std::uint64_t> done{0};
    TStreamTuning tuning;
    // Small enough that short texts make many segments, grow a segment to MaxSegment and stream the rest.
    tuning.SegmentSize = input.Pick(64);
    tuning.MaxSegment = input.Pick(256);
    tuning.InFlight = input.Pick(5);
    tuning.BytesDone = &done;
    TPieceCuts reads(input.Word());
    const std::string text = input.Rest();

    TStreamConversion whole(plan.Id, plan.From, plan.To);
    std::string expected;
    FUZZ_CHECK(whole.Convert(text.data(), text.size(), true, expected) == text.size());

    std::string out;
    std::size_t at = 0;
    const TConversionCounts counts = ConvertStream(
        plan, pool,
        [&](char* buffer, std::size_t room) {
            // A reader may return less than asked, never more.
            const std::size_t n = std::min({room, text.size() - at, reads.Next() + 1});
            text.copy(buffer, n, at);
            at += n;
            return n;
        },
        [&](const char* bytes, std::size_t n) { out.append(bytes, n); }, tuning);
    FUZZ_CHECK(out == expected);
    FUZZ_CHECK(counts.Invalid == whole.Counts().Invalid);
    FUZZ_CHECK(counts.FirstInvalidOffset == whole.Counts().FirstInvalidOffset);
    FUZZ_CHECK(counts.NoForm == whole.Counts().NoForm);
    FUZZ_CHECK(done == text.size());
    return 0;
}
