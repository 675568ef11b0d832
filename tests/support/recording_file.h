// A reader of recording files for the tests, written from the documented
// format (docs/recording-format.md), not from the writer's code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace recfile {

struct Line {
    std::vector<uint8_t> bytes;  // the 192 bytes as the instrument sent them
    int64_t time = 0;            // receive time, ns since 1970 UTC
    uint32_t Cycle() const;      // MeasurementCycleCount
};

struct Event {
    int64_t time = 0;
    uint64_t line = 0;   // index of the first line after it
    uint64_t value = 0;  // a Gap's lost lines
    std::string kind;
    std::string text;
};

struct File {
    std::string error;  // empty when the file was read
    uint32_t eventSlots = 0;
    int64_t startTime = 0;
    uint16_t deviceIndex = 0;
    uint16_t samplingDivider = 0;
    uint8_t linesPerRead = 0;
    std::string moduleVersion, serialNumber, deviceInfo;
    std::vector<uint8_t> confData;  // empty when missing
    std::vector<Line> lines;
    std::vector<Event> events;
    bool truncated = false;
    uint64_t size = 0;
    uint64_t LinesLost() const;
    const Event* Find(const std::string& kind) const;
};

File Read(const std::string& path);

}  // namespace recfile
