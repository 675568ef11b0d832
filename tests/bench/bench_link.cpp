// The per-line cost of the device link: storing and taking one line through
// the ring, and parsing a 768-byte read of four lines, next to a plain copy
// of one line measured in the same run. allocs_per_line must stay 0.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "connection/control_data.h"
#include "link/link.h"

namespace {

std::atomic<long> allocations{0};

struct Record {
    Record() : c(std::make_unique<ControlData>()) {
        c->replyMutex = platform::CreateMutexObject();
        c->ring.mutex = platform::CreateMutexObject();
        c->ring.dataReady = platform::CreateEventObject(false, false);
        CreateRing(c.get(), RING_SLOTS);
        c->running = 1;
        c->mode = MODE_MEASURING;
    }
    ~Record() {
        platform::CloseObject(c->replyMutex);
        platform::CloseObject(c->ring.mutex);
        platform::CloseObject(c->ring.dataReady);
    }
    std::unique_ptr<ControlData> c;
};

void FillLine(uint8_t* line, uint32_t number) {
    for (uint32_t i = 0; i < DATA_LINE_SIZE; ++i) line[i] = static_cast<uint8_t>(number + i);
    WriteU16(line, SYNC_WORD);
    WriteU16(line + 2, FRAME_DATA_LINE);
}

void ReportPerLine(benchmark::State& state, int64_t linesPerIteration, long allocated) {
    const double lines = static_cast<double>(state.iterations() * linesPerIteration);
    state.SetItemsProcessed(state.iterations() * linesPerIteration);
    state.counters["time_per_line"] = benchmark::Counter(
        lines, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_line"] = static_cast<double>(allocated) / lines;
}

void BM_Memcpy192(benchmark::State& state) {
    alignas(16) uint8_t from[DATA_LINE_SIZE];
    alignas(16) uint8_t to[DATA_LINE_SIZE];
    FillLine(from, 1);
    const long before = allocations.load();
    for (auto _ : state) {
        benchmark::DoNotOptimize(from);
        std::memcpy(to, from, DATA_LINE_SIZE);
        benchmark::DoNotOptimize(to);
        benchmark::ClobberMemory();
    }
    ReportPerLine(state, 1, allocations.load() - before);
}
BENCHMARK(BM_Memcpy192);

void BM_StoreAndTakeLine(benchmark::State& state) {
    Record r;
    uint8_t line[DATA_LINE_SIZE];
    FillLine(line, 1);
    TakenLine out;
    const long before = allocations.load();
    for (auto _ : state) {
        StoreLine(r.c.get(), line);
        TakeLine(r.c.get(), &out);
        benchmark::DoNotOptimize(out);
    }
    ReportPerLine(state, 1, allocations.load() - before);
}
BENCHMARK(BM_StoreAndTakeLine);

void BM_ParseFourLines(benchmark::State& state) {
    Record r;
    for (uint32_t i = 0; i < MAX_LINES_PER_READ; ++i) FillLine(r.c->rxBuffer + i * DATA_LINE_SIZE, i);
    const long before = allocations.load();
    for (auto _ : state) {
        ParseRxBuffer(r.c.get(), RX_BUFFER_SIZE);
        benchmark::ClobberMemory();
    }
    ReportPerLine(state, MAX_LINES_PER_READ, allocations.load() - before);
}
BENCHMARK(BM_ParseFourLines);

}  // namespace

// Counts every allocation of the process, so that the benchmarks can show
// that the per-line path makes none. The replacements pair malloc with free
// themselves, which GCC cannot see through once they are inlined.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
