// Recovery on the standalone host against the simulated instrument: how long
// after a replug the first line of the instrument that came back reaches
// GetData, and what the module costs while it waits for one that is away.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>
#include <vector>

#include "connection/control_data.h"
#include "host/standalone/standalone_host.h"
#include "sim/sim_bus.h"

namespace {

using standalone::Call;
using standalone::Double;
using standalone::String;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Waits (generously bounded) until the link is in state or not in it.
bool AwaitLink(bool present) {
    const auto end = Clock::now() + std::chrono::seconds(30);
    while ((currentConnection->link.load() == LINK_PRESENT) != present) {
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void ConnectMeasuring() {
    sim::SimBusReset();
    Call(0, {String("Connect"), String("Reconnect"), String("On")});
    Call(0, {String("Start")});
}

void Disconnect() {
    Call(0, {String("Stop")});
    Call(0, {String("Disconnect")});
    standalone::TakePrinted();
    sim::SimBusReset();
}

// Replug to the first line of the new instrument returned by GetData, at
// divider 1. The replugs are spread over the 250 ms between two of the
// recovery's looks, so the times run from the restore alone (the identity,
// the divider, Start) and the instrument's own start (its first transfer of
// four lines, 4 ms after Start) to a whole look period more.
void BM_ReplugToFirstLine(benchmark::State& state) {
    ConnectMeasuring();
    std::vector<double> ms;
    for (auto _ : state) {
        sim::SimBusPull(0);
        if (!AwaitLink(false)) {
            state.SkipWithError("the loss was not seen");
            break;
        }
        // The lines of the pulled instrument still in the ring go first.
        auto r = Call(2, {String("GetData"), Double(1)});
        const double waiting = mxGetScalar(standalone::GetField(r[1], "LinesWaiting"));
        if (waiting > 0) Call(1, {String("GetData"), Double(waiting)});
        std::this_thread::sleep_for(std::chrono::milliseconds(300 + 26 * ms.size()));
        const Clock::time_point replug = Clock::now();
        sim::SimBusReplug(0);
        for (bool got = false; !got && Clock::now() - replug < std::chrono::seconds(30);) {
            r = Call(2, {String("GetData"), Double(1)});
            got = mxGetPr(standalone::GetField(r[1], "ReceiveTime"))[0] != 0;
        }
        ms.push_back(1000 * Seconds(Clock::now() - replug));
        state.SetIterationTime(ms.back() / 1000);
        standalone::TakePrinted();
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
    ConnectMeasuring();
    sim::SimBusPull(0);
    if (!AwaitLink(false)) {
        state.SkipWithError("the loss was not seen");
        return Disconnect();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the loss handled, the device closed
    for (auto _ : state) {
        const double before = ProcessCpuSeconds();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const double cpu = ProcessCpuSeconds() - before;
        state.counters["cpu_ms_per_10s"] = 1000 * cpu;
        state.counters["percent_of_core"] = 100 * cpu / 10;
    }
    sim::SimBusReplug(0);
    if (!AwaitLink(true)) state.SkipWithError("the instrument did not come back");
    Disconnect();
}
BENCHMARK(BM_CpuWhileAway)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
