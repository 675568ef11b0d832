// Connection-level benchmarks on the standalone host against the simulated
// instrument: the cost of Connect, the receive thread's CPU use while idle,
// the sustained line throughput with an instrument that streams as fast
// as the reader takes lines, and recovery: from a replug to the first new
// line, and the CPU while the instrument is away.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <stdexcept>
#include <thread>
#include <vector>

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

// A connection with recovery on, measuring at divider 1.
void ConnectWithRecoveryAndStart() {
    sim::SimBusReset();
    Call(0, {String("Connect"), String("Reconnect"), String("On")});
    Call(0, {String("Start")});
}

// Waits, generously bounded, until the instrument is on the bus or away.
bool AwaitLink(bool present) {
    for (int i = 0; i < 15000 && (currentConnection->link.load() == LINK_PRESENT) != present; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return (currentConnection->link.load() == LINK_PRESENT) == present;
}

// From a replug to the first line of the new instrument that GetData
// returns. The replugs are spread over the 250 ms between two of the
// recovery's looks: the times run from the restore and the instrument's own
// start alone (its first four lines come 4 ms after Start) to one look more.
void BM_ReplugToFirstLine(benchmark::State& state) {
    ConnectWithRecoveryAndStart();
    std::vector<double> ms;
    for (auto _ : state) {
        sim::SimBusPull(0);
        if (!AwaitLink(false)) {
            state.SkipWithError("the loss was not seen");
            break;
        }
        // The pulled instrument's lines still in the ring go first.
        auto r = Call(2, {String("GetData"), Double(1)});
        if (const double waiting = mxGetScalar(standalone::GetField(r[1], "LinesWaiting")))
            Call(1, {String("GetData"), Double(waiting)});
        std::this_thread::sleep_for(std::chrono::milliseconds(300 + 26 * ms.size()));
        const auto replug = std::chrono::steady_clock::now();
        sim::SimBusReplug(0);
        bool got = false;
        for (int i = 0; i < 1000 && !got; ++i) {
            r = Call(2, {String("GetData"), Double(1)});
            got = mxGetPr(standalone::GetField(r[1], "ReceiveTime"))[0] != 0;
        }
        const auto took = std::chrono::steady_clock::now() - replug;
        ms.push_back(std::chrono::duration<double, std::milli>(took).count());
        state.SetIterationTime(ms.back() / 1000);
    }
    Disconnect();
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    state.counters["best_ms"] = ms.front();
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
}
BENCHMARK(BM_ReplugToFirstLine)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// Process CPU time over 10 s with the instrument pulled: the receive thread
// blocks on an event, the recovery looks for the instrument every 250 ms.
void BM_CpuWhileAway(benchmark::State& state) {
    ConnectWithRecoveryAndStart();
    sim::SimBusPull(0);
    if (!AwaitLink(false)) state.SkipWithError("the loss was not seen");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the loss handled, the device closed
    for (auto _ : state) {
        const std::clock_t before = std::clock();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const double cpuMs = 1000.0 * static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
        state.counters["cpu_ms_per_10s"] = cpuMs;
        state.counters["percent_of_core"] = cpuMs / 100;
    }
    Disconnect();
}
BENCHMARK(BM_CpuWhileAway)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
