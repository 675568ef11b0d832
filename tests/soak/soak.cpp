// Streaming soak against the simulated instrument at 1,000 lines/s: a loop of
// GetData calls of random size with the host stalling at random (0 to
// 1.5 s) between them, as a script that plots or saves between reads does.
//
// Every line the instrument sent must be returned exactly once, in order, or
// be counted in the LinesLost of the call that follows its loss: for each
// call, the cycle counts missing before and between its rows are exactly its
// LinesLost, apart from lines the instrument itself never sent (which it
// records). The run is recorded to a file as well, which must hold every
// line the instrument sent exactly once, in order, or count it in a gap.
// Prints the totals and ends with "soak: N passed, M failed".
//
//   soak [seconds=600] [max stall ms=1500] [seed]
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "connection/control_data.h"
#include "host/standalone/standalone_host.h"
#include "platform/platform.h"
#include "sim/sim_bus.h"
#include "support/recording_file.h"

namespace {

using standalone::Call;
using standalone::Double;
using standalone::String;

// Cycle counts missing before or between the rows of one call.
struct Gap {
    uint32_t call;
    uint32_t firstCycle;
    uint32_t count;
};

bool InSkipped(uint32_t cycle, const std::vector<sim::SimSkippedLines>& skipped) {
    for (const sim::SimSkippedLines& s : skipped) {
        if (cycle >= s.firstCycle && cycle - s.firstCycle < s.count) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 600.0;
    const int maxStallMs = argc > 2 ? std::atoi(argv[2]) : 1500;
    const uint32_t seed = argc > 3 ? static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10))
                                   : static_cast<uint32_t>(std::random_device{}());
    std::printf("soak: %.0f s at 1000 lines/s, stalls of 0 to %d ms, seed %u\n", seconds,
                maxStallMs, seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> stallMs(0, maxStallMs);
    std::uniform_int_distribution<uint32_t> lineCount(1, 1000);

    sim::SimBusSetInstruments({sim::SimSettings()});
    const std::string recording =
        (std::filesystem::temp_directory_path() /
         ("varnelo-soak-" + std::to_string(platform::UtcNowNanoseconds()) + ".vnrec"))
            .string();
    try {
        Call(0, {String("Connect")});
        Call(0, {String("StartRecording"), String(recording.c_str())});
        Call(0, {String("Start")});
    } catch (const standalone::HostError& e) {
        std::printf("soak: %s", e.message.c_str());
        std::printf("soak: 0 passed, 1 failed\n");
        return 1;
    }

    std::vector<Gap> gaps;
    std::vector<double> lostPerCall;
    int64_t last = -1;  // the connection's first line is cycle 0
    uint64_t returned = 0;
    uint64_t repeated = 0;
    uint64_t timeOuts = 0;
    double lastReceiveTime = 0;
    uint64_t receiveOutOfOrder = 0;
    const auto end = std::chrono::steady_clock::now() +
                     std::chrono::milliseconds(static_cast<int64_t>(seconds * 1000));
    while (std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(stallMs(random)));
        const uint32_t n = lineCount(random);
        standalone::CallResult r = Call(2, {String("GetData"), Double(n)});
        const auto* cycles = static_cast<const uint32_t*>(
            mxGetData(standalone::GetField(r[0], "MeasurementCycleCount")));
        const mxArray* status = r[1];
        const double* receiveTimes = mxGetPr(standalone::GetField(status, "ReceiveTime"));
        const uint32_t call = static_cast<uint32_t>(lostPerCall.size());
        lostPerCall.push_back(mxGetScalar(standalone::GetField(status, "LinesLost")));
        if (*static_cast<const uint8_t*>(mxGetData(standalone::GetField(status, "TimedOut")))) {
            ++timeOuts;
        }
        for (uint32_t i = 0; i < n && receiveTimes[i] != 0; ++i) {
            const int64_t cycle = cycles[i];
            if (cycle <= last) {
                ++repeated;
                continue;
            }
            if (cycle > last + 1) {
                gaps.push_back({call, static_cast<uint32_t>(last + 1),
                                static_cast<uint32_t>(cycle - last - 1)});
            }
            last = cycle;
            ++returned;
            if (receiveTimes[i] < lastReceiveTime) ++receiveOutOfOrder;
            lastReceiveTime = receiveTimes[i];
        }
        standalone::TakePrinted();  // time-outs print; they are counted above
    }
    const std::vector<sim::SimSkippedLines> skipped =
        sim::SimSkipped(sim::SimBusOpenedInstrument(currentConnection->deviceIndex));
    Call(0, {String("Stop")});
    standalone::CallResult recorded = Call(1, {String("StopRecording")});
    const double recordingLost = mxGetScalar(standalone::GetField(recorded[0], "LinesLost"));
    Call(0, {String("Disconnect")});
    standalone::TakePrinted();

    // The recording: each line once and in order; every cycle missing from
    // it either never sent or in one of its gaps, as many as it says lost.
    const recfile::File file = recfile::Read(recording);
    std::filesystem::remove(recording);
    uint64_t fileRepeated = 0, fileMissing = 0, fileNotSent = 0;
    int64_t fileLast = -1;
    for (const recfile::Line& line : file.lines) {
        const int64_t cycle = line.Cycle();
        if (cycle <= fileLast) {
            ++fileRepeated;
            continue;
        }
        for (int64_t c = fileLast + 1; c < cycle; ++c) {
            if (InSkipped(static_cast<uint32_t>(c), skipped)) ++fileNotSent; else ++fileMissing;
        }
        fileLast = cycle;
    }
    const bool fileOk = file.error.empty() && !file.truncated && fileRepeated == 0 &&
                        fileMissing == file.LinesLost() &&
                        static_cast<double>(file.LinesLost()) == recordingLost && fileLast >= last;
    std::printf("soak: recording: %zu lines, %llu in gaps (%.0f by its status), %llu returned twice, "
                "%llu not sent by the instrument, %s\n",
                file.lines.size(), static_cast<unsigned long long>(file.LinesLost()), recordingLost,
                static_cast<unsigned long long>(fileRepeated),
                static_cast<unsigned long long>(fileNotSent),
                fileOk ? "every line sent accounted for" : "LINES UNACCOUNTED FOR");

    // Missing lines per call, less those the instrument never sent, against
    // what each call reported lost.
    std::vector<double> missing(lostPerCall.size(), 0.0);
    uint64_t notSent = 0;
    for (const Gap& gap : gaps) {
        for (uint32_t k = 0; k < gap.count; ++k) {
            if (InSkipped(gap.firstCycle + k, skipped)) {
                ++notSent;
            } else {
                missing[gap.call] += 1;
            }
        }
    }
    uint64_t mismatchedCalls = 0;
    double lost = 0;
    for (size_t call = 0; call < lostPerCall.size(); ++call) {
        lost += lostPerCall[call];
        if (missing[call] != lostPerCall[call]) ++mismatchedCalls;
    }
    const uint64_t sent = static_cast<uint64_t>(last + 1) - notSent;
    const int64_t unaccounted =
        static_cast<int64_t>(sent) - static_cast<int64_t>(returned) - static_cast<int64_t>(lost);

    std::printf("soak: %zu calls, %llu lines sent up to the last returned, %llu returned, "
                "%.0f counted lost, %lld unaccounted, %llu returned twice, %llu out of order in "
                "receive time, %llu calls mismatched, %llu not sent by the instrument, %llu "
                "time-outs\n",
                lostPerCall.size(), static_cast<unsigned long long>(sent),
                static_cast<unsigned long long>(returned), lost,
                static_cast<long long>(unaccounted), static_cast<unsigned long long>(repeated),
                static_cast<unsigned long long>(receiveOutOfOrder),
                static_cast<unsigned long long>(mismatchedCalls),
                static_cast<unsigned long long>(notSent), static_cast<unsigned long long>(timeOuts));
    const bool ok = unaccounted == 0 && repeated == 0 && mismatchedCalls == 0 &&
                    receiveOutOfOrder == 0 && returned > 0 && fileOk;
    std::printf("soak: %d passed, %d failed\n", ok ? 1 : 0, ok ? 0 : 1);
    return ok ? 0 : 1;
}
