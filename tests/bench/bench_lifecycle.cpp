// Connection-level benchmarks on the standalone host against the simulated
// instrument: the cost of Connect, the receive thread's CPU use while idle,
// and the sustained line throughput with an instrument that streams as fast
// as the reader takes lines.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <stdexcept>
#include <thread>

#include "connection/control_data.h"
#include "host/standalone/standalone_host.h"
#include "sim/sim_bus.h"

namespace {

using standalone::Call;
using standalone::Double;
using standalone::String;

void Disconnect() {
    if (currentConnection) Call(0, {String("Disconnect")});
    standalone::TakePrinted();
}

// Connect and Disconnect, next to the pauses and waits Connect must make:
// the 1 ms pause before the information request plus the instrument's reply.
void BM_ConnectDisconnect(benchmark::State& state) {
    sim::SimBusReset();
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        Call(0, {String("Connect")});
        auto connected = std::chrono::steady_clock::now();
        Disconnect();
        state.SetIterationTime(std::chrono::duration<double>(connected - start).count());
    }
    state.counters["specified_pause_ms"] = 1.0;
}
BENCHMARK(BM_ConnectDisconnect)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

// Process CPU time while connected and idle: the receive thread blocks in
// its read, so this stays near zero.
void BM_IdleConnectionCpu(benchmark::State& state) {
    sim::SimBusReset();
    Call(0, {String("Connect")});
    for (auto _ : state) {
        std::clock_t before = std::clock();
        std::this_thread::sleep_for(std::chrono::seconds(5));
        std::clock_t after = std::clock();
        state.counters["cpu_ms_per_5s"] = 1000.0 * static_cast<double>(after - before) / CLOCKS_PER_SEC;
    }
    Disconnect();
}
BENCHMARK(BM_IdleConnectionCpu)->Iterations(1)->Unit(benchmark::kSecond);

// Lines per second through instrument, receive thread, ring and GetData,
// checked for gaps and duplicates on the way.
void BM_SustainedThroughput(benchmark::State& state) {
    // The instrument may run ahead of GetData by at most one call's lines, so
    // the ring never overflows: it streams as fast as the reader takes lines.
    constexpr uint32_t kBatch = 496;
    sim::SimSettings fast;
    fast.streamUnpaced = true;
    fast.creditFlow = true;
    sim::SimBusSetInstruments({fast});
    Call(0, {String("Connect")});
    sim::SimInstrument* instrument = sim::SimBusOpenedInstrument(0);
    sim::SimGrantLines(instrument, kBatch);
    Call(0, {String("Start")});
    uint64_t lines = 0;
    uint32_t expected = 0;
    bool first = true;
    uint64_t gaps = 0;
    for (auto _ : state) {
        auto r = Call(1, {String("GetData"), Double(kBatch)});
        sim::SimGrantLines(instrument, kBatch);
        const mxArray* counts = standalone::GetField(r[0], "MeasurementCycleCount");
        const uint32_t* c = static_cast<const uint32_t*>(mxGetData(counts));
        for (size_t i = 0; i < kBatch; ++i) {
            if (!first && c[i] != expected) ++gaps;
            expected = c[i] + 1;
            first = false;
        }
        lines += kBatch;
    }
    state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
    state.counters["gaps_or_duplicates"] = static_cast<double>(gaps);
    Call(0, {String("Stop")});
    Disconnect();
    sim::SimBusReset();
}
BENCHMARK(BM_SustainedThroughput)->MinTime(10.0)->Unit(benchmark::kMillisecond);

}  // namespace
