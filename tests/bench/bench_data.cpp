// The data commands' costs: GetShuntData against the simulated instrument
// next to the floor that its pauses alone set, measured in the same run;
// GetData of a full ring per line next to a plain copy of the same bytes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "connection/control_data.h"
#include "host/standalone/standalone_host.h"
#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "sim/sim_bus.h"

namespace {

using Clock = std::chrono::steady_clock;

bool ConnectDefault() {
    sim::SimBusSetInstruments({sim::SimSettings()});
    try {
        standalone::Call(0, {standalone::String("Connect")});
    } catch (const standalone::HostError&) {
        return false;
    }
    standalone::TakePrinted();
    return currentConnection != nullptr;
}

void DisconnectQuietly() {
    try {
        standalone::Call(0, {standalone::String("Disconnect")});
    } catch (const standalone::HostError&) {
    }
    standalone::TakePrinted();
}

mxArray* Frequencies() {
    std::vector<double> hz;
    for (int i = 0; i < 15; ++i) hz.push_back(1000.0 * (i + 1) * (i + 1));
    return standalone::DoubleMatrix(1, hz.size(), hz);
}

// The pauses of one GetShuntData over the default image (15 read requests)
// as this machine sleeps them: the pause after the retune, the one after the
// address frame, and the one before each request. The receive thread's own
// pause in each hand-off overlaps the command's pause before the next
// request, so it adds nothing here.
double PauseFloorMs(uint32_t requests) {
    const Clock::time_point start = Clock::now();
    platform::SleepMs(10);
    platform::SleepMs(10);
    for (uint32_t i = 0; i < requests; ++i) platform::SleepMs(1);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void BM_GetShuntData(benchmark::State& state) {
    if (!ConnectDefault()) {
        state.SkipWithError("Connect failed");
        return;
    }
    double callMs = 0;
    double floorMs = 0;
    int64_t failures = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        try {
            standalone::Call(1, {standalone::String("GetShuntData"), Frequencies()});
        } catch (const standalone::HostError&) {
            ++failures;
        }
        callMs += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        state.PauseTiming();
        floorMs += PauseFloorMs(15);
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["call_ms"] = callMs / n;
    state.counters["pause_floor_ms"] = floorMs / n;
    state.counters["failures"] = static_cast<double>(failures);
    DisconnectQuietly();
}
BENCHMARK(BM_GetShuntData)->Unit(benchmark::kMillisecond)->Iterations(20);

constexpr uint32_t kLines = RING_SLOTS;

// Fills the ring with kLines unread lines, as the receive thread would.
void FillRing(ControlData* connection, const std::vector<DataLine>& lines) {
    for (const DataLine& line : lines) StoreLine(connection, line.bytes);
}

std::vector<DataLine> SomeLines() {
    std::vector<DataLine> lines(kLines);
    for (uint32_t i = 0; i < kLines; ++i) {
        for (uint32_t b = 0; b < DATA_LINE_SIZE; ++b) lines[i].bytes[b] = static_cast<uint8_t>(i + b);
        WriteU16(lines[i].bytes, SYNC_WORD);
        WriteU16(lines[i].bytes + 2, FRAME_DATA_LINE);
    }
    return lines;
}

void BM_GetDataFullRing(benchmark::State& state) {
    if (!ConnectDefault()) {
        state.SkipWithError("Connect failed");
        return;
    }
    ControlData* connection = currentConnection;
    // Measuring mode without the instrument streaming: the ring holds
    // exactly the lines stored here.
    connection->mode.store(MODE_MEASURING);
    const std::vector<DataLine> lines = SomeLines();
    for (auto _ : state) {
        state.PauseTiming();
        FillRing(connection, lines);
        state.ResumeTiming();
        standalone::CallResult out = standalone::Call(
            static_cast<int>(state.range(0)), {standalone::String("GetData"), standalone::Double(kLines)});
        benchmark::DoNotOptimize(out.outputs.data());
        state.PauseTiming();
        out = standalone::CallResult();
        state.ResumeTiming();
    }
    state.counters["per_line"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kLines,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (!standalone::TakePrinted().empty()) state.SkipWithError("GetData timed out");
    connection->mode.store(MODE_IDLE);
    DisconnectQuietly();
}
// Argument: the number of outputs (2 adds the status with the receive times).
BENCHMARK(BM_GetDataFullRing)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The same bytes copied out of the ring slots with nothing else done.
void BM_CopyLinesOnly(benchmark::State& state) {
    const std::vector<DataLine> ring = SomeLines();
    std::vector<DataLine> out(kLines);
    for (auto _ : state) {
        for (uint32_t i = 0; i < kLines; ++i) std::memcpy(out[i].bytes, ring[i].bytes, DATA_LINE_SIZE);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.counters["per_line"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kLines,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CopyLinesOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
