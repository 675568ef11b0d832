// Measured lines taken through GetData on the standalone host, as the
// streaming tests take them.
//
// GetData waits for each line at most its polling period (linesPerRead x
// divider + 20 ms: 24 ms at divider 1). On a loaded machine the receive
// thread or the instrument may not be scheduled within that, and GetData
// then prints its time-out and returns the rows it had not filled as zeros.
// That is the module's behaviour, not a lost line: the line comes with the
// next call. Tests about the lines themselves take them with TakeCycleCounts,
// which asks again instead of failing on the scheduler.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "host/standalone/standalone_host.h"

namespace measured {

// What GetData prints when a line did not come within its polling period.
inline const char* TimeOutPrefix() { return "\tData collection timeout, polling period "; }

// The cycle counts of the lines a GetData result holds. A row left unfilled
// by a time-out is all zeros; every line carries a non-zero cycle period.
inline std::vector<uint32_t> CycleCountsOf(const standalone::CallResult& result) {
    const mxArray* counts = standalone::GetField(result[0], "MeasurementCycleCount");
    const mxArray* periods = standalone::GetField(result[0], "MeasurementCyclePeriod");
    const auto* count = static_cast<const uint32_t*>(mxGetData(counts));
    const auto* period = static_cast<const uint32_t*>(mxGetData(periods));
    std::vector<uint32_t> lines;
    for (size_t row = 0; row < mxGetNumberOfElements(counts) && period[row] != 0; ++row) {
        lines.push_back(count[row]);
    }
    return lines;
}

// Printed text without GetData's time-out lines.
inline std::string WithoutTimeOuts(const std::string& printed) {
    std::string kept;
    size_t at = 0;
    while (at < printed.size()) {
        size_t end = printed.find('\n', at);
        end = end == std::string::npos ? printed.size() : end + 1;
        const std::string line = printed.substr(at, end - at);
        if (line.rfind(TimeOutPrefix(), 0) != 0) kept += line;
        at = end;
    }
    return kept;
}

// Takes `count` lines through GetData calls of the given sizes in turn (each
// call asks for at most what is still missing) and returns their cycle
// counts. A call cut short by a time-out is followed by the next; the whole
// take gives up after a bound only a fault reaches. What the module printed
// meanwhile, without the time-out lines, is appended to *printed.
inline std::vector<uint32_t> TakeCycleCounts(size_t count, const std::vector<int>& callSizes,
                                             std::string* printed) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(30);
    std::vector<uint32_t> lines;
    for (size_t call = 0; lines.size() < count && Clock::now() < giveUp; ++call) {
        const size_t missing = count - lines.size();
        const size_t size = static_cast<size_t>(callSizes[call % callSizes.size()]);
        const size_t asked = size < missing ? size : missing;
        const standalone::CallResult result = standalone::Call(
            1, {standalone::String("GetData"), standalone::Double(static_cast<double>(asked))});
        EXPECT_EQ(mxGetNumberOfElements(standalone::GetField(result[0], "MeasurementCycleCount")),
                  asked)
            << "rows of one GetData call";
        const std::vector<uint32_t> part = CycleCountsOf(result);
        lines.insert(lines.end(), part.begin(), part.end());
        *printed += WithoutTimeOuts(standalone::TakePrinted());
    }
    return lines;
}

}  // namespace measured
