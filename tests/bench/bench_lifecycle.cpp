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

// Lines per second through instrument, receive thread, ring and GetData(500),
// with the instrument streaming at a fixed rate far above the real one
// (1,000 lines per second at most), counting lost and repeated lines. The
// ring holds 500 lines: 5 ms at 100,000 lines per second, so a host thread
// descheduled for longer than that loses lines to the overwrite rule.
void BM_SustainedThroughput(benchmark::State& state) {
    sim::SimSettings fast;
    fast.linesPerSecond = static_cast<uint32_t>(state.range(0));
    sim::SimBusSetInstruments({fast});
    Call(0, {String("Connect")});
    Call(0, {String("Start")});
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    uint64_t lines = 0;
    uint32_t expected = 0;
    bool first = true;
    uint64_t lost = 0, repeated = 0;
    for (auto _ : state) {
        auto r = Call(1, {String("GetData"), Double(500)});
        const mxArray* counts = standalone::GetField(r[0], "MeasurementCycleCount");
        const uint32_t* c = static_cast<const uint32_t*>(mxGetData(counts));
        for (size_t i = 0; i < 500; ++i) {
            if (!first && c[i] > expected) lost += c[i] - expected;
            if (!first && c[i] < expected) ++repeated;
            expected = c[i] + 1;
            first = false;
        }
        lines += 500;
    }
    state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
    state.counters["lines_lost"] = static_cast<double>(lost);
    state.counters["lines_repeated"] = static_cast<double>(repeated);
    Call(0, {String("Stop")});
    Disconnect();
    sim::SimBusReset();
}
BENCHMARK(BM_SustainedThroughput)->Arg(100000)->Arg(200000)->MinTime(10.0)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
