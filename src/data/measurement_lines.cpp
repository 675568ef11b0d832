// GetData: takes measured lines out of the ring, oldest first, waiting for
// each line that has not arrived yet, and returns them as one structure of
// column arrays, one row per line.
#include <cstring>

#include "data/data_commands.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"

namespace {

constexpr int kFieldCount = 12;
const char* const kFieldNames[kFieldCount] = {
    "SysErrors", "MeasurementCycleCount", "MeasurementCyclePeriod", "MaxChA",
    "MinChA",    "MaxChB",                "MinChB",                 "ImpedanceModule",
    "ImpedancePhase", "BatteryLevel",     "ChargerStatus",          "GPIOState"};

// Field positions, in the order of kFieldNames.
enum Field {
    kSysErrors, kCycleCount, kCyclePeriod, kMaxChA, kMinChA, kMaxChB, kMinChB,
    kModule, kPhase, kBatteryLevel, kChargerStatus, kGpioState
};

// The wait per line beyond the time the instrument needs for one read:
// generous under external trigger, where lines come with the trigger edges.
constexpr uint32_t kMeasuringSlackMs = 20;
constexpr uint32_t kExtTriggerSlackMs = 10000;

// Owns the output arrays until they are handed to the structure, so that a
// failed creation leaves nothing behind.
struct OutputArrays {
    mxArray* arrays[kFieldCount] = {};
    ~OutputArrays() {
        for (mxArray* a : arrays) host::DestroyArray(a);
    }
};

// The gateway has already refused counts that are negative, not finite or
// beyond the signed 32-bit range; a count of 0 or one that an unsigned
// wrap made huge is refused here as well, before any array is made.
uint32_t CheckedLineCount(uint32_t requested) {
    if (requested == 0 || requested > 0x7FFFFFFFu) Fail("\tIncorrect command argument.\n");
    return requested;
}

void PutU16(mxArray* array, size_t row, const uint8_t* line, uint32_t offset) {
    static_cast<uint16_t*>(host::RealData(array))[row] = ReadU16(line + offset);
}

void PutU32(mxArray* array, size_t row, const uint8_t* line, uint32_t offset) {
    static_cast<uint32_t*>(host::RealData(array))[row] = ReadU32(line + offset);
}

// The 15 singles of one line into row `row` of an N x 15 array, bit for bit.
void PutBins(mxArray* array, size_t row, size_t rows, const uint8_t* line, uint32_t offset) {
    auto* data = static_cast<uint32_t*>(host::RealData(array));
    for (size_t bin = 0; bin < BIN_COUNT; ++bin) {
        data[row + bin * rows] = ReadU32(line + offset + 4 * bin);
    }
}

}  // namespace

void GetData(ControlData* connection, uint32_t lineCount, mxArray* plhs[]) {
    const uint32_t rows = CheckedLineCount(lineCount);
    const uint32_t slack =
        connection->mode.load() == MODE_EXT_TRIGGER ? kExtTriggerSlackMs : kMeasuringSlackMs;
    const uint32_t pollingPeriod =
        static_cast<uint32_t>(connection->linesPerRead) * connection->samplingDivider + slack;

    OutputArrays out;
    for (int f = 0; f < kFieldCount; ++f) {
        switch (f) {
            case kCycleCount:
            case kCyclePeriod:
                out.arrays[f] = host::CreateColumn(mxUINT32_CLASS, rows);
                break;
            case kModule:
            case kPhase:
                out.arrays[f] = host::CreateNumericMatrix(mxSINGLE_CLASS, rows, BIN_COUNT);
                break;
            default:
                out.arrays[f] = host::CreateColumn(mxUINT16_CLASS, rows);
                break;
        }
    }

    DataLine line;
    for (uint32_t row = 0; row < rows; ++row) {
        uint32_t result = platform::WaitForObject(connection->ring.dataReady, pollingPeriod);
        host::FlushPrints();
        if (result != platform::kWaitSignaled) {
            host::Print("\tData collection timeout, polling period %d ms.\n",
                        static_cast<int>(pollingPeriod));
            break;
        }
        TakeLine(connection, &line);
        const uint8_t* b = line.bytes;
        PutU16(out.arrays[kSysErrors], row, b, LINE_SYS_ERRORS);
        PutU32(out.arrays[kCycleCount], row, b, LINE_CYCLE_COUNT);
        PutU32(out.arrays[kCyclePeriod], row, b, LINE_CYCLE_PERIOD);
        PutU16(out.arrays[kMaxChA], row, b, LINE_MAX_CH_A);
        PutU16(out.arrays[kMinChA], row, b, LINE_MIN_CH_A);
        PutU16(out.arrays[kMaxChB], row, b, LINE_MAX_CH_B);
        PutU16(out.arrays[kMinChB], row, b, LINE_MIN_CH_B);
        PutBins(out.arrays[kModule], row, rows, b, LINE_MODULE);
        PutBins(out.arrays[kPhase], row, rows, b, LINE_PHASE);
        PutU16(out.arrays[kBatteryLevel], row, b, LINE_BATTERY_LEVEL);
        PutU16(out.arrays[kChargerStatus], row, b, LINE_CHARGER_STATUS);
        PutU16(out.arrays[kGpioState], row, b, LINE_GPIO_STATE);
    }

    mxArray* result = host::CreateStruct(kFieldNames, kFieldCount);
    for (int f = 0; f < kFieldCount; ++f) {
        host::SetField(result, f, out.arrays[f]);
        out.arrays[f] = nullptr;
    }
    plhs[0] = result;
}
