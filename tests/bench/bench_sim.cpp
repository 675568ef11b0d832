// Pacing of the simulated instrument, read through the simulated bus as the
// receive thread reads it: lines per second reached at a few dividers, and
// the throughput of the unpaced stream. Measured and reported, not judged.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "link/protocol.h"
#include "sim/sim_bus.h"
#include "usb/usb_device.h"

namespace {

void WriteFrame(UsbDevice* device, uint16_t opcode, int argument = -1) {
    uint8_t frame[6];
    WriteU16(frame, SYNC_WORD);
    WriteU16(frame + 2, opcode);
    WriteU16(frame + 4, static_cast<uint16_t>(argument));
    uint32_t written = 0;
    UsbBulkWrite(device, frame, argument < 0 ? 4 : 6, &written);
}

struct StreamResult {
    uint64_t lines = 0;
    uint64_t gaps = 0;  // cycle counts skipped between consecutive lines
    double seconds = 0;
};

// Reads whole transfers for windowMs and counts the lines in them.
StreamResult ReadStream(UsbDevice* device, uint32_t linesPerRead, uint32_t windowMs) {
    using Clock = std::chrono::steady_clock;
    std::vector<uint8_t> buffer(RX_BUFFER_SIZE);
    StreamResult result;
    bool haveLast = false;
    uint32_t last = 0;
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + std::chrono::milliseconds(windowMs);
    while (Clock::now() < end) {
        uint32_t count = 0;
        const uint32_t code =
            UsbBulkRead(device, buffer.data(), linesPerRead * DATA_LINE_SIZE, &count, 2000, nullptr);
        if (code != kUsbSuccess) break;
        for (uint32_t offset = 0; offset + DATA_LINE_SIZE <= count; offset += DATA_LINE_SIZE) {
            const uint32_t cycle = ReadU32(&buffer[offset + LINE_CYCLE_COUNT]);
            if (haveLast && cycle != last + 1) result.gaps += cycle - last - 1;
            last = cycle;
            haveLast = true;
            ++result.lines;
        }
    }
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}

void RunStream(benchmark::State& state, bool unpaced) {
    const uint16_t divider = static_cast<uint16_t>(state.range(0));
    const uint32_t windowMs = static_cast<uint32_t>(state.range(1));
    sim::SimSettings settings;
    settings.streamUnpaced = unpaced;
    sim::SimBusSetInstruments({settings});
    UsbDevice* device = OpenUsbDevice(&kVarneloInterfaceGuid, 0);
    if (device == nullptr) {
        state.SkipWithError("no simulated instrument");
        return;
    }
    uint32_t index = 0;
    while (index < DIVIDER_COUNT && dividerValues[index] != divider) ++index;
    if (index == DIVIDER_COUNT) {
        CloseUsbDevice(device);
        state.SkipWithError("not a divider of the table");
        return;
    }
    const uint32_t linesPerRead = LinesPerReadForDivider(index, divider);
    WriteFrame(device, CMD_SET_SAMPLING_DIVIDER, dividerCodes[index]);
    WriteFrame(device, CMD_START);
    StreamResult total;
    for (auto _ : state) {
        const StreamResult r = ReadStream(device, linesPerRead, windowMs);
        total.lines += r.lines;
        total.gaps += r.gaps;
        total.seconds += r.seconds;
    }
    WriteFrame(device, CMD_STOP);
    CloseUsbDevice(device);
    sim::SimBusReset();
    state.counters["lines_per_s"] = total.seconds > 0 ? total.lines / total.seconds : 0.0;
    state.counters["nominal_per_s"] = 1000.0 / divider;
    state.counters["lines"] = static_cast<double>(total.lines);
    state.counters["skipped_cycles"] = static_cast<double>(total.gaps);
}

void BM_PacedStream(benchmark::State& state) { RunStream(state, false); }
void BM_UnpacedStream(benchmark::State& state) { RunStream(state, true); }

}  // namespace

// Arguments: divider, window in ms. The table has no 100; 96 stands in for it.
BENCHMARK(BM_PacedStream)
    ->Args({1, 500})
    ->Args({10, 500})
    ->Args({96, 1000})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpacedStream)->Args({1, 300})->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
