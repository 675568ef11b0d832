// GetData: takes measured lines out of the ring, oldest first, waiting for
// each line that has not arrived yet, and returns them as one structure of
// column arrays, one row per line; with a second output, the status of the
// stream (lines lost, lines waiting, time-out, receive time of each row).
#include <algorithm>
#include <chrono>
#include <cstring>

#include "data/data_commands.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "recovery/recovery.h"

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

constexpr int kStatusFieldCount = 5;
const char* const kStatusFieldNames[kStatusFieldCount] = {"LinesLost", "LinesWaiting", "TimedOut",
                                                          "ReceiveTime", "InstrumentAway"};

// Owns the output arrays until they are handed to the structures, so that a
// failed creation or an interrupted call leaves nothing behind.
struct OutputArrays {
    mxArray* arrays[kFieldCount] = {};
    mxArray* receiveTime = nullptr;
    ~OutputArrays() {
        for (mxArray* a : arrays) host::DestroyArray(a);
        host::DestroyArray(receiveTime);
    }
};

enum class LineWait { kReady, kTimedOut, kInterrupted };

// Waits up to timeoutMs for an unread line, in slices short enough to notice
// a Ctrl-C in time. While lines keep coming the host is asked no more often
// than that either: for some hosts the question is not free.
class LineWaiter {
public:
    explicit LineWaiter(ControlData* connection, uint32_t timeoutMs)
        : connection_(connection), timeoutMs_(timeoutMs), lastCheck_(Clock::now()) {}

    LineWait Wait() {
        uint32_t waitedMs = 0;
        for (;;) {
            const uint32_t sliceMs = std::min(timeoutMs_ - waitedMs, host::kInterruptPollMs);
            const uint32_t result = platform::WaitForObject(connection_->ring.dataReady, sliceMs);
            if (result == platform::kWaitSignaled) {
                if (Clock::now() - lastCheck_ >= kCheckInterval && Interrupted()) {
                    // The signal was consumed; give it back with the line.
                    platform::SetEventObject(connection_->ring.dataReady);
                    return LineWait::kInterrupted;
                }
                return LineWait::kReady;
            }
            if (Interrupted()) return LineWait::kInterrupted;
            waitedMs += sliceMs;
            if (result != platform::kWaitTimeout || waitedMs >= timeoutMs_) return LineWait::kTimedOut;
        }
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kCheckInterval{host::kInterruptPollMs};

    bool Interrupted() {
        lastCheck_ = Clock::now();
        return host::InterruptPending();
    }

    ControlData* connection_;
    uint32_t timeoutMs_;
    Clock::time_point lastCheck_;
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

// Host time in POSIX seconds, as MATLAB's datetime and Python's time read it.
double PosixSeconds(int64_t nanoseconds) {
    return static_cast<double>(nanoseconds / 1000000000) +
           static_cast<double>(nanoseconds % 1000000000) * 1e-9;
}

}  // namespace

void GetData(ControlData* connection, uint32_t lineCount, int nlhs, mxArray* plhs[]) {
    const uint32_t rows = CheckedLineCount(lineCount);
    const uint32_t slack =
        connection->mode.load() == MODE_EXT_TRIGGER ? kExtTriggerSlackMs : kMeasuringSlackMs;
    const uint32_t pollingPeriod =
        static_cast<uint32_t>(connection->linesPerRead) * connection->samplingDivider + slack;
    const bool wantStatus = nlhs == 2;

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
    double* receiveTime = nullptr;
    if (wantStatus) {
        out.receiveTime = host::CreateColumn(mxDOUBLE_CLASS, rows);
        receiveTime = static_cast<double*>(host::RealData(out.receiveTime));
    }

    LineWaiter waiter(connection, pollingPeriod);
    TakenLine taken;
    uint64_t overrunsAtFirstTake = 0;
    uint64_t overrunsAtLastTake = 0;
    uint32_t filled = 0;
    bool timedOut = false;
    while (filled < rows) {
        const LineWait waited = waiter.Wait();
        host::FlushPrints();
        if (waited == LineWait::kInterrupted) {
            // The rows taken so far go back to the ring for the next call, as
            // far as the writer has not reached them; the rest are counted
            // as lost there. Nothing of this call is returned.
            ReturnTakenLines(connection, filled, overrunsAtFirstTake);
            FailInterrupted();
        }
        if (waited == LineWait::kTimedOut) {
            // While the instrument is away no line can come: the recovery's
            // message has said so once, and a time-out per call would only
            // bury it.
            if (!InstrumentAway(connection)) {
                host::Print("\tData collection timeout, polling period %d ms.\n",
                            static_cast<int>(pollingPeriod));
            }
            timedOut = true;
            break;
        }
        if (!TakeLine(connection, &taken)) continue;
        if (filled == 0) overrunsAtFirstTake = taken.overruns;
        overrunsAtLastTake = taken.overruns;
        const size_t row = filled++;
        const uint8_t* b = taken.line.bytes;
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
        if (receiveTime) receiveTime[row] = PosixSeconds(taken.receivedAt);
    }

    // Lost since the previous report, as the ring counted them when this
    // call took its last line: every line dropped up to then is older than
    // that line, so the count matches the gaps in what the caller got. A
    // line dropped after it is older than the next call's first.
    const RingStatus status = ReadRingStatus(connection);
    const uint64_t overrunsNow = filled > 0 ? overrunsAtLastTake : status.overruns;
    const uint64_t lost = overrunsNow - connection->overrunsReported;
    connection->overrunsReported = overrunsNow;

    mxArray* result = host::CreateStruct(kFieldNames, kFieldCount);
    for (int f = 0; f < kFieldCount; ++f) {
        host::SetField(result, f, out.arrays[f]);
        out.arrays[f] = nullptr;
    }
    if (wantStatus) {
        mxArray* statusOut = host::CreateStruct(kStatusFieldNames, kStatusFieldCount);
        host::SetField(statusOut, 0, host::CreateDoubleScalar(static_cast<double>(lost)));
        host::SetField(statusOut, 1, host::CreateDoubleScalar(static_cast<double>(status.unread)));
        host::SetField(statusOut, 2, host::CreateLogicalScalar(timedOut));
        host::SetField(statusOut, 3, out.receiveTime);
        out.receiveTime = nullptr;
        host::SetField(statusOut, 4, host::CreateLogicalScalar(InstrumentAway(connection)));
        plhs[1] = statusOut;
    } else if (lost > 0) {
        host::Print("\tData lines lost: %llu (ring overflow).\n", static_cast<unsigned long long>(lost));
    }
    plhs[0] = result;
}
