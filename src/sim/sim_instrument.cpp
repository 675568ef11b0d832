// The simulated instrument: parses the frames the host writes, keeps the
// device's settings and calibration tables, and produces IN transfers.
//
// Replies are built at once under the instrument's lock (or after the
// configured reply delay). Data lines are made by one producer thread that
// sleeps on a condition variable until the next transfer is due, so an idle
// instrument costs no CPU. The same thread tells a transport that cannot
// block (SimSetInReadyCallback) that a transfer is ready.
#include "sim/sim_instrument.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

#include "link/protocol.h"
#include "sim/sim_model.h"

namespace sim {
namespace {

using Clock = std::chrono::steady_clock;

constexpr uint32_t kModeIdle = 0;
constexpr uint32_t kModeMeasuring = 1;
constexpr uint32_t kModeExtTrigger = 2;

// A transfer waiting on the IN pipe. A read shorter than the transfer takes
// its first bytes; the rest goes to the next read.
struct InTransfer {
    std::vector<uint8_t> bytes;
    size_t offset = 0;
    bool linesOnly = false;  // nothing but data lines: CMD_STOP drops it if untouched
};

struct PendingReply {
    Clock::time_point due;
    std::vector<uint8_t> frame;
    bool travelsWithLines = false;  // EEPROM replies ride inside measurement transfers
};

// More queued transfers than this and the instrument's FIFO is full: new
// lines are lost (their cycle counts are skipped), as on the device.
constexpr size_t kMaxQueuedTransfers = 256;
constexpr size_t kMaxRecordedWrites = 4096;
constexpr size_t kMaxRecordedSkips = 100000;
// After a stall this long behind schedule the pacing restarts from now
// instead of bursting out every missed line.
constexpr int64_t kMaxCatchUpTransfers = 64;

}  // namespace

struct SimInstrument {
    SimSettings settings;

    mutable std::mutex mutex;
    std::condition_variable producerWake;  // producer: new work, new deadline, quit
    std::condition_variable inReady;       // SimWaitInTransfer
    std::thread producer;
    bool quitting = false;

    void (*readyCallback)(void*) = nullptr;
    void* readyContext = nullptr;
    uint64_t readyGeneration = 0;     // bumped whenever a read could now make progress
    uint64_t notifiedGeneration = 0;  // what the callback has been told

    // Device settings, as the frames set them.
    uint32_t mode = kModeIdle;
    uint16_t dividerValue = 1;
    uint32_t linesPerRead = 4;
    uint8_t gpioState = 0;
    bool compensation = true;
    bool compensationMeasurement = false;
    uint8_t excitationLevel = 128;
    uint8_t gainCodeA = 0;
    uint8_t gainCodeB = 0;
    bool batterySupply = false;
    float shuntRe[BIN_COUNT];
    float shuntIm[BIN_COUNT];
    float compRe[BIN_COUNT];
    float compIm[BIN_COUNT];
    std::vector<uint8_t> eeprom;
    uint32_t eepromPointer = 0;

    // Streaming.
    uint32_t cycleCounter = 0;
    std::vector<SimSkippedLines> skipped;  // cycle counts never sent
    Clock::time_point streamStart;
    uint64_t linesScheduled = 0;  // lines made (or lost) since streamStart
    Clock::duration lineInterval{};

    std::deque<PendingReply> replies;
    std::deque<InTransfer> inQueue;
    uint32_t transfersQueued = 0;
    uint32_t readsCompleted = 0;
    bool failed = false;

    std::minstd_rand rng;
    std::normal_distribution<double> gauss{0.0, 1.0};

    SimStats stats{};
    std::deque<std::vector<uint8_t>> written;
};

namespace {

// ---------------------------------------------------------------------------
// Replies

std::vector<uint8_t> FrameWithHeader(uint16_t kind, uint32_t length) {
    std::vector<uint8_t> frame(length, 0);
    WriteU16(frame.data(), SYNC_WORD);
    WriteU16(frame.data() + 2, kind);
    return frame;
}

void WriteFloat(uint8_t* p, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteU32(p, bits);
}

std::vector<uint8_t> DeviceInfoFrame(const SimInstrument& in) {
    std::vector<uint8_t> frame = FrameWithHeader(FRAME_DEVICE_INFO, FRAME_DEVICE_INFO_LENGTH);
    const size_t n = std::min<size_t>(in.settings.infoText.size(), DEVICE_INFO_TEXT_LENGTH);
    std::memcpy(frame.data() + DEVICE_INFO_PAYLOAD_OFFSET, in.settings.infoText.data(), n);
    return frame;
}

std::vector<uint8_t> ConfDataFrame(const SimInstrument& in) {
    std::vector<uint8_t> frame = FrameWithHeader(FRAME_CONF_DATA, FRAME_CONF_DATA_LENGTH);
    uint8_t* payload = frame.data() + CONF_DATA_PAYLOAD_OFFSET;
    WriteU16(payload + CONF_FREQUENCY_COUNT, static_cast<uint16_t>(BIN_COUNT));
    for (uint32_t k = 0; k < BIN_COUNT; ++k) {
        WriteU16(payload + CONF_FREQUENCY_BINS + 2 * k, kFrequencyBins[k]);
        WriteFloat(payload + CONF_SHUNT_REAL + 4 * k, in.shuntRe[k]);
        WriteFloat(payload + CONF_SHUNT_IMAG + 4 * k, in.shuntIm[k]);
        WriteFloat(payload + CONF_COMP_REAL + 4 * k, in.compRe[k]);
        WriteFloat(payload + CONF_COMP_IMAG + 4 * k, in.compIm[k]);
    }
    return frame;
}

std::vector<uint8_t> GpioStateFrame(const SimInstrument& in) {
    std::vector<uint8_t> frame = FrameWithHeader(FRAME_GPIO_STATE, FRAME_GPIO_STATE_LENGTH);
    frame[GPIO_STATE_PAYLOAD_OFFSET] = in.gpioState;
    return frame;
}

uint8_t EepromByte(const SimInstrument& in, uint32_t address) {
    return address < in.eeprom.size() ? in.eeprom[address] : 0xFF;
}

// One read request of n bytes: the bytes travel in the low bytes of 16-bit
// words from frame byte 10; everything else in the frame is zero.
std::vector<uint8_t> EepromDataFrame(SimInstrument& in, uint32_t n) {
    std::vector<uint8_t> frame = FrameWithHeader(FRAME_EEPROM_DATA, FRAME_EEPROM_DATA_LENGTH);
    for (uint32_t i = 0; i < n; ++i) {
        frame[EEPROM_DATA_PAYLOAD_OFFSET + 2 * i] = EepromByte(in, in.eepromPointer + i);
    }
    in.eepromPointer += n;
    return frame;
}

// ---------------------------------------------------------------------------
// Data lines

double GainFactor(uint8_t code) {
    static const double kGains[4] = {1.0, 2.0, 5.0, 10.0};
    return kGains[code & 3];
}

uint16_t ClampAdc(double value) {
    return static_cast<uint16_t>(std::clamp(std::lround(value), 0L, 65535L));
}

void BuildDataLine(SimInstrument& in, uint8_t* line) {
    std::memset(line, 0, DATA_LINE_SIZE);
    WriteU16(line, SYNC_WORD);
    WriteU16(line + 2, FRAME_DATA_LINE);
    WriteU32(line + LINE_CYCLE_COUNT, in.cycleCounter++);
    const double periodUs =
        in.mode == kModeExtTrigger && in.settings.triggerEdgesPerSecond > 0
            ? 1e6 / in.settings.triggerEdgesPerSecond
            : 1000.0 * in.dividerValue;
    WriteU32(line + LINE_CYCLE_PERIOD, static_cast<uint32_t>(std::lround(periodUs)));

    // The ADC sees the excitation across the load (CH-A) and the shunt
    // (CH-B), amplified by each channel's input gain, around mid-scale.
    const double drive = in.excitationLevel / 255.0 * 12000.0;
    const std::complex<double> loadAtLow = TissueImpedance(kBinWidthHz * kFrequencyBins[0]);
    const double ampA = drive * GainFactor(in.gainCodeA) * std::abs(loadAtLow) / kShuntOhms;
    const double ampB = drive * GainFactor(in.gainCodeB);
    const bool clipA = ampA > 32767.0;
    const bool clipB = ampB > 32767.0;
    uint16_t sysErrors = 0;
    if (clipA) sysErrors |= 0x0001;
    if (clipB) sysErrors |= 0x0002;
    WriteU16(line + LINE_SYS_ERRORS, sysErrors);
    WriteU16(line + LINE_MAX_CH_A, ClampAdc(32768.0 + ampA + in.gauss(in.rng)));
    WriteU16(line + LINE_MIN_CH_A, ClampAdc(32768.0 - ampA + in.gauss(in.rng)));
    WriteU16(line + LINE_MAX_CH_B, ClampAdc(32768.0 + ampB + in.gauss(in.rng)));
    WriteU16(line + LINE_MIN_CH_B, ClampAdc(32768.0 - ampB + in.gauss(in.rng)));

    // Relative noise: about three ADC counts of the weaker channel. A clipped
    // channel flattens its peaks, which shows as a wrong magnitude.
    const double counts = std::min(std::min(ampA, 32767.0), std::min(ampB, 32767.0));
    const double relNoise = in.excitationLevel == 0 ? 0.0 : 3.0 / std::max(counts, 1.0);
    const double clipRatio = (clipA ? 32767.0 / ampA : 1.0) / (clipB ? 32767.0 / ampB : 1.0);
    for (uint32_t k = 0; k < BIN_COUNT; ++k) {
        const double f = kBinWidthHz * kFrequencyBins[k];
        std::complex<double> z;
        if (in.excitationLevel == 0) {
            // No excitation: only noise reaches the ADC.
            z = std::polar(5.0 * std::abs(in.gauss(in.rng)), kPi * in.gauss(in.rng));
        } else {
            z = in.compensationMeasurement ? ParasiticImpedance(f)
                                           : TissueImpedance(f) + ParasiticImpedance(f);
            // The instrument turns the voltage ratio into ohms with its shunt
            // table, so an uploaded table scales what it reports.
            const std::complex<double> table(in.shuntRe[k], in.shuntIm[k]);
            z *= table / ShuntImpedance(f);
            if (in.compensation) z -= std::complex<double>(in.compRe[k], in.compIm[k]);
            z *= clipRatio;
            z *= std::complex<double>(1.0 + relNoise * in.gauss(in.rng), relNoise * in.gauss(in.rng));
        }
        WriteFloat(line + LINE_MODULE + 4 * k, static_cast<float>(std::abs(z)));
        WriteFloat(line + LINE_PHASE + 4 * k, static_cast<float>(std::arg(z) * 180.0 / kPi));
    }
    WriteU16(line + LINE_BATTERY_LEVEL, in.batterySupply ? 3950 : 4150);
    WriteU16(line + LINE_CHARGER_STATUS, in.batterySupply ? 0 : 1);
    WriteU16(line + LINE_GPIO_STATE, in.gpioState);
    ++in.stats.linesSent;
}

// ---------------------------------------------------------------------------
// The IN queue

void SignalReadyLocked(SimInstrument& in) {
    ++in.readyGeneration;
    in.inReady.notify_all();
    in.producerWake.notify_one();
}

void RecordSkipLocked(SimInstrument& in, uint32_t firstCycle, uint32_t count) {
    if (count == 0 || in.skipped.size() >= kMaxRecordedSkips) return;
    in.skipped.push_back({firstCycle, count});
}

void QueueTransferLocked(SimInstrument& in, std::vector<uint8_t> bytes, bool linesOnly) {
    if (in.inQueue.size() >= kMaxQueuedTransfers) {
        // FIFO full: the transfer is lost, and with it its lines.
        if (linesOnly && bytes.size() >= DATA_LINE_SIZE) {
            RecordSkipLocked(in, ReadU32(bytes.data() + LINE_CYCLE_COUNT),
                             static_cast<uint32_t>(bytes.size() / DATA_LINE_SIZE));
        }
        return;
    }
    ++in.transfersQueued;
    if (in.settings.shortReadEvery != 0 && in.transfersQueued % in.settings.shortReadEvery == 0 &&
        bytes.size() > 1) {
        bytes.resize(bytes.size() / 2);  // a short packet ends the transfer early
    }
    InTransfer transfer;
    transfer.bytes = std::move(bytes);
    transfer.linesOnly = linesOnly;
    in.inQueue.push_back(std::move(transfer));
    SignalReadyLocked(in);
}

// A transfer the host has taken whole: its data lines (at line-sized steps
// from its start, before any reply or fill) have crossed the bus.
void CountDeliveredLocked(SimInstrument& in, const std::vector<uint8_t>& bytes) {
    for (size_t p = 0; p + DATA_LINE_SIZE <= bytes.size(); p += DATA_LINE_SIZE) {
        const uint8_t* line = bytes.data() + p;
        if (ReadU16(line) != SYNC_WORD || ReadU16(line + 2) != FRAME_DATA_LINE) break;
        ++in.stats.linesDelivered;
        in.stats.lastCycleDelivered = ReadU32(line + LINE_CYCLE_COUNT);
    }
}

// Junk between frames: stray bytes, a sync word with a kind the host does not
// know, and the start of a real frame cut off. Never as long as any transfer
// the host asks for, so a host that checks lengths drops it whole.
void QueueJunkLocked(SimInstrument& in) {
    std::uniform_int_distribution<int> lengthDist(7, 47);
    std::uniform_int_distribution<int> byteDist(0, 255);
    std::vector<uint8_t> junk(static_cast<size_t>(lengthDist(in.rng)));
    for (uint8_t& b : junk) b = static_cast<uint8_t>(byteDist(in.rng));
    WriteU16(junk.data() + 1, SYNC_WORD);
    WriteU16(junk.data() + 3, 0x05EE);
    if (junk.size() >= 12) {
        WriteU16(junk.data() + junk.size() - 5, SYNC_WORD);
        WriteU16(junk.data() + junk.size() - 3, FRAME_DATA_LINE);
    }
    QueueTransferLocked(in, std::move(junk), false);
}

bool Streaming(const SimInstrument& in) {
    return in.mode == kModeMeasuring ||
           (in.mode == kModeExtTrigger && in.settings.triggerEdgesPerSecond > 0);
}

void AppendLines(SimInstrument& in, std::vector<uint8_t>& bytes, uint32_t count) {
    const size_t start = bytes.size();
    bytes.resize(start + static_cast<size_t>(count) * DATA_LINE_SIZE);
    for (uint32_t i = 0; i < count; ++i) BuildDataLine(in, bytes.data() + start + i * DATA_LINE_SIZE);
}

void QueueLinesLocked(SimInstrument& in) {
    if (in.settings.garbageBetweenFrames) QueueJunkLocked(in);
    std::vector<uint8_t> bytes;
    AppendLines(in, bytes, in.linesPerRead);
    in.linesScheduled += in.linesPerRead;
    QueueTransferLocked(in, std::move(bytes), true);
}

uint64_t LinesDueLocked(const SimInstrument& in, Clock::time_point now) {
    if (now < in.streamStart || in.lineInterval.count() <= 0) return 0;
    return static_cast<uint64_t>((now - in.streamStart) / in.lineInterval);
}

// While measuring, an EEPROM reply takes the place of one line in a
// measurement-sized transfer, so it reaches a host that reads whole
// measurement transfers. Under Start the other places are filled with lines
// (made a little ahead of time; the pacing evens it out). Under the external
// trigger no line exists without an edge: the lines whose edges have come are
// sent and the rest of the transfer is zero fill, which the host skips.
void QueueReplyWithLinesLocked(SimInstrument& in, const std::vector<uint8_t>& reply,
                               Clock::time_point now) {
    std::vector<uint8_t> bytes;
    const uint32_t slots = in.linesPerRead - 1;
    uint32_t lines = slots;
    if (in.mode == kModeExtTrigger) {
        const uint64_t due = LinesDueLocked(in, now);
        const uint64_t waiting = due > in.linesScheduled ? due - in.linesScheduled : 0;
        lines = static_cast<uint32_t>(std::min<uint64_t>(waiting, slots));
    }
    AppendLines(in, bytes, lines);
    in.linesScheduled += lines;
    bytes.insert(bytes.end(), reply.begin(), reply.end());
    bytes.resize(static_cast<size_t>(in.linesPerRead) * DATA_LINE_SIZE, 0);
    QueueTransferLocked(in, std::move(bytes), false);
}

// Publishes the replies and line transfers that are due by now.
void ProduceDueLocked(SimInstrument& in, Clock::time_point now) {
    while (!in.replies.empty() && in.replies.front().due <= now) {
        PendingReply reply = std::move(in.replies.front());
        in.replies.pop_front();
        if (reply.travelsWithLines && Streaming(in)) {
            QueueReplyWithLinesLocked(in, reply.frame, now);
        } else {
            if (in.settings.garbageBetweenFrames) QueueJunkLocked(in);
            QueueTransferLocked(in, std::move(reply.frame), false);
        }
    }
    if (!Streaming(in)) return;
    if (in.settings.streamUnpaced) {
        // One transfer always waiting; the next is made when it is taken.
        const bool linesWaiting = std::any_of(in.inQueue.begin(), in.inQueue.end(),
                                              [](const InTransfer& t) { return t.linesOnly; });
        if (!linesWaiting) QueueLinesLocked(in);
        return;
    }
    const uint64_t due = LinesDueLocked(in, now);
    if (due >= in.linesScheduled + kMaxCatchUpTransfers * in.linesPerRead) {
        // Far behind (the process was stopped): lose the missed lines.
        const uint64_t missed = due - in.linesScheduled;
        RecordSkipLocked(in, in.cycleCounter, static_cast<uint32_t>(missed));
        in.cycleCounter += static_cast<uint32_t>(missed);
        in.linesScheduled = due;
    }
    while (due >= in.linesScheduled + in.linesPerRead) QueueLinesLocked(in);
}

std::optional<Clock::time_point> NextDeadlineLocked(const SimInstrument& in) {
    std::optional<Clock::time_point> deadline;
    if (!in.replies.empty()) deadline = in.replies.front().due;
    if (Streaming(in) && !in.settings.streamUnpaced) {
        const Clock::time_point next =
            in.streamStart + in.lineInterval * static_cast<int64_t>(in.linesScheduled + in.linesPerRead);
        if (!deadline || next < *deadline) deadline = next;
    }
    return deadline;
}

void StartStreamLocked(SimInstrument& in, uint32_t mode, Clock::time_point now) {
    in.mode = mode;
    in.streamStart = now;
    in.linesScheduled = 0;
    if (mode == kModeExtTrigger) {
        const uint32_t edges = std::max<uint32_t>(in.settings.triggerEdgesPerSecond, 1);
        in.lineInterval = std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(1000000000LL / edges));
    } else if (in.settings.linesPerSecond > 0) {
        in.lineInterval = std::chrono::duration_cast<Clock::duration>(
            std::chrono::nanoseconds(1000000000LL / in.settings.linesPerSecond));
    } else {
        in.lineInterval = std::chrono::duration_cast<Clock::duration>(std::chrono::milliseconds(in.dividerValue));
    }
}

// CMD_STOP: line transfers that no read has touched yet are withdrawn, so the
// next reply is not stuck behind a backlog of lines; a transfer already
// partly read finishes.
void StopStreamLocked(SimInstrument& in) {
    in.mode = kModeIdle;
    in.inQueue.erase(std::remove_if(in.inQueue.begin(), in.inQueue.end(),
                                    [](const InTransfer& t) { return t.linesOnly && t.offset == 0; }),
                     in.inQueue.end());
}

// ---------------------------------------------------------------------------
// Frames from the host

// Length of the frame at p (avail bytes from p on), 0 for an opcode the
// instrument does not know. A length beyond avail means a truncated frame.
size_t OutFrameLength(const uint8_t* p, size_t avail) {
    switch (ReadU16(p + 2)) {
        case CMD_START:
        case CMD_GET_DEV_INFO:
        case CMD_GET_CONF_DATA:
        case CMD_STOP:
            return 4;
        case CMD_SET_SHUNT_VAL:
        case CMD_SET_COMP_VAL:
            return 4 + 8 * BIN_COUNT;
        case CMD_SET_COMPENSATION:
        case CMD_SET_EXCITATION_LEVEL:
        case CMD_SET_INPUT_GAIN:
        case CMD_SET_EXTERNAL_TRIGGER:
        case CMD_SET_BATTERY_SUPPLY:
        case CMD_SET_SAMPLING_DIVIDER:
        case CMD_SET_GPIO:
            return 6;
        case CMD_AFE_EEPROM:
            // Words: sync, opcode, direction, device address, byte count, and
            // when bytes follow (direction 1) one word per byte.
            if (avail < 10) return 10;
            return ReadU16(p + 4) == 1 ? 10 + 2 * static_cast<size_t>(ReadU16(p + 8)) : 10;
        default:
            return 0;
    }
}

void QueueReplyLocked(SimInstrument& in, std::vector<uint8_t> frame, bool travelsWithLines,
                      Clock::time_point now) {
    PendingReply reply;
    reply.due = now + std::chrono::milliseconds(in.settings.replyDelayMs);
    reply.frame = std::move(frame);
    reply.travelsWithLines = travelsWithLines;
    in.replies.push_back(std::move(reply));
}

void ReadTable(const uint8_t* frame, float* re, float* im) {
    for (uint32_t k = 0; k < BIN_COUNT; ++k) {
        uint32_t bits = ReadU32(frame + 4 + 4 * k);
        std::memcpy(&re[k], &bits, sizeof bits);
        bits = ReadU32(frame + 4 + 4 * BIN_COUNT + 4 * k);
        std::memcpy(&im[k], &bits, sizeof bits);
    }
}

void HandleEepromFrame(SimInstrument& in, const uint8_t* f, Clock::time_point now) {
    if (ReadU16(f + 6) != AFE_EEPROM_ADDRESS) return;  // nobody at that address
    const uint16_t count = ReadU16(f + 8);
    if (ReadU16(f + 4) == 1) {
        // Address bytes (high, low), then any bytes to store from there.
        if (count < 2) return;
        in.eepromPointer = static_cast<uint32_t>((f[10] << 8) | f[12]);
        for (uint16_t i = 2; i < count; ++i) {
            const uint32_t address = in.eepromPointer + i - 2;
            if (address < in.eeprom.size()) in.eeprom[address] = f[10 + 2 * i];
        }
        return;
    }
    ++in.stats.eepromReadRequests;
    if (count == 0) return;
    const uint32_t n = std::min<uint32_t>(count, AFE_READ_CHUNK);
    QueueReplyLocked(in, EepromDataFrame(in, n), true, now);
}

void HandleFrameLocked(SimInstrument& in, const uint8_t* f, size_t length, Clock::time_point now) {
    const uint16_t opcode = ReadU16(f + 2);
    ++in.stats.framesReceived;
    in.stats.lastOpcode = opcode;
    const auto& silent = in.settings.silentOpcodes;
    if (std::find(silent.begin(), silent.end(), opcode) != silent.end()) return;
    const uint16_t arg = length >= 6 ? ReadU16(f + 4) : 0;  // the argument word, if any
    switch (opcode) {
        case CMD_START:
            StartStreamLocked(in, kModeMeasuring, now);
            break;
        case CMD_STOP:
            StopStreamLocked(in);
            break;
        case CMD_GET_DEV_INFO:
            QueueReplyLocked(in, DeviceInfoFrame(in), false, now);
            break;
        case CMD_GET_CONF_DATA:
            QueueReplyLocked(in, ConfDataFrame(in), false, now);
            break;
        case CMD_SET_SHUNT_VAL:
            ReadTable(f, in.shuntRe, in.shuntIm);
            break;
        case CMD_SET_COMP_VAL:
            ReadTable(f, in.compRe, in.compIm);
            break;
        case CMD_SET_COMPENSATION:
            in.compensation = (arg & 0xFF) != 0;
            in.compensationMeasurement = (arg >> 8) != 0;
            break;
        case CMD_SET_EXCITATION_LEVEL:
            in.excitationLevel = static_cast<uint8_t>(std::min<uint16_t>(arg, 255));
            break;
        case CMD_SET_INPUT_GAIN:
            in.gainCodeA = arg & 3;
            in.gainCodeB = (arg >> 2) & 3;
            break;
        case CMD_SET_EXTERNAL_TRIGGER:
            if (arg == 1 && in.mode != kModeExtTrigger) {
                StartStreamLocked(in, kModeExtTrigger, now);
            } else if (arg == 0 && in.mode == kModeExtTrigger) {
                StopStreamLocked(in);
            }
            break;
        case CMD_SET_BATTERY_SUPPLY:
            in.batterySupply = arg != 0;
            break;
        case CMD_SET_SAMPLING_DIVIDER:
            for (uint32_t i = 0; i < DIVIDER_COUNT; ++i) {
                if (dividerCodes[i] == arg) {
                    in.dividerValue = dividerValues[i];
                    in.linesPerRead = LinesPerReadForDivider(i, dividerValues[i]);
                    if (in.mode == kModeMeasuring) StartStreamLocked(in, in.mode, now);
                    break;
                }
            }
            break;  // an unknown code leaves the divider as it was
        case CMD_SET_GPIO:
            in.gpioState = static_cast<uint8_t>(arg & 0x3F);
            if (in.mode == kModeIdle) QueueReplyLocked(in, GpioStateFrame(in), false, now);
            break;
        case CMD_AFE_EEPROM:
            HandleEepromFrame(in, f, now);
            break;
        default:
            break;
    }
}

void ProducerLoop(SimInstrument* in) {
    std::unique_lock<std::mutex> lock(in->mutex);
    while (!in->quitting) {
        if (in->notifiedGeneration != in->readyGeneration) {
            in->notifiedGeneration = in->readyGeneration;
            void (*callback)(void*) = in->readyCallback;
            void* context = in->readyContext;
            if (callback != nullptr) {
                lock.unlock();
                callback(context);
                lock.lock();
            }
            continue;
        }
        ProduceDueLocked(*in, Clock::now());
        if (in->notifiedGeneration != in->readyGeneration || in->quitting) continue;
        const std::optional<Clock::time_point> deadline = NextDeadlineLocked(*in);
        if (deadline) {
            in->producerWake.wait_until(lock, *deadline);
        } else {
            in->producerWake.wait(lock);
        }
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Calibration image

uint16_t Crc16Xmodem(const uint8_t* data, size_t length) {
    uint16_t crc = 0;
    for (size_t i = 0; i < length; ++i) {
        crc ^= static_cast<uint16_t>(data[i] << 8);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x8000) != 0 ? static_cast<uint16_t>((crc << 1) ^ 0x1021)
                                      : static_cast<uint16_t>(crc << 1);
        }
    }
    return crc;
}

namespace {
bool HasFfRunAtOrBelow(const std::vector<uint8_t>& image, size_t last) {
    for (size_t i = 0; i <= last && i + 3 < image.size(); ++i) {
        if (image[i] == 0xFF && image[i + 1] == 0xFF && image[i + 2] == 0xFF && image[i + 3] == 0xFF) {
            return true;
        }
    }
    return false;
}
}  // namespace

std::vector<uint8_t> BuildDefaultEeprom() {
    // Header text, L, a revision byte, the table, the CRC; 0xFF fill after.
    constexpr uint16_t kLength = AFE_TABLE_OFFSET + AFE_TABLE_POINTS * AFE_POINT_SIZE + 1;  // 1261
    constexpr size_t kRevisionOffset = AFE_LENGTH_OFFSET + 2;
    std::vector<uint8_t> image(AFE_IMAGE_SIZE, 0xFF);
    std::fill(image.begin(), image.begin() + kLength + 1, 0);
    static const char kTag[] = "Varnelo AFE calibration, shunt 1 kOhm";
    std::memcpy(image.data(), kTag, sizeof kTag - 1);
    WriteU16(image.data() + AFE_LENGTH_OFFSET, kLength);
    for (uint32_t i = 0; i < AFE_TABLE_POINTS; ++i) {
        const double f = kCalibrationLowHz *
                         std::pow(kCalibrationHighHz / kCalibrationLowHz, i / double(AFE_TABLE_POINTS - 1));
        const std::complex<double> z = ShuntImpedance(f);
        uint8_t* record = image.data() + AFE_TABLE_OFFSET + AFE_POINT_SIZE * i;
        WriteFloat(record, static_cast<float>(f));
        WriteFloat(record + 4, static_cast<float>(std::abs(z)));
        WriteFloat(record + 8, static_cast<float>(std::arg(z) * 180.0 / kPi));
    }
    // A reader stops at the first run of four 0xFF bytes, so none may start
    // inside the image or its CRC: bump the revision byte until none does.
    for (int revision = 1; revision < 256; ++revision) {
        image[kRevisionOffset] = static_cast<uint8_t>(revision);
        const uint16_t crc = Crc16Xmodem(image.data(), kLength - 1);
        image[kLength - 1] = static_cast<uint8_t>(crc);
        image[kLength] = static_cast<uint8_t>(crc >> 8);
        if (!HasFfRunAtOrBelow(image, kLength)) break;
    }
    return image;
}

// ---------------------------------------------------------------------------
// Public interface

SimInstrument* SimCreateInstrument(const SimSettings& settings) {
    auto* in = new SimInstrument();
    in->settings = settings;
    in->eeprom = settings.eeprom.empty() ? BuildDefaultEeprom() : settings.eeprom;
    in->eeprom.resize(AFE_IMAGE_SIZE, 0xFF);
    for (uint32_t k = 0; k < BIN_COUNT; ++k) {
        const double f = kBinWidthHz * kFrequencyBins[k];
        const std::complex<double> shunt = ShuntImpedance(f);
        const std::complex<double> parasitic = ParasiticImpedance(f);
        in->shuntRe[k] = static_cast<float>(shunt.real());
        in->shuntIm[k] = static_cast<float>(shunt.imag());
        in->compRe[k] = static_cast<float>(parasitic.real());
        in->compIm[k] = static_cast<float>(parasitic.imag());
    }
    in->rng.seed(static_cast<uint32_t>(std::hash<std::string>()(settings.serialNumber)) | 1u);
    in->failed = settings.failAfterReads == 0;
    in->stats.dividerValue = 1;
    in->producer = std::thread(ProducerLoop, in);
    return in;
}

void SimDestroyInstrument(SimInstrument* instrument) {
    if (instrument == nullptr) return;
    {
        std::lock_guard<std::mutex> lock(instrument->mutex);
        instrument->quitting = true;
        instrument->producerWake.notify_one();
        instrument->inReady.notify_all();
    }
    instrument->producer.join();
    delete instrument;
}

const SimSettings& SimGetSettings(const SimInstrument* instrument) { return instrument->settings; }

void SimSetReplyDelay(SimInstrument* instrument, uint32_t delayMs) {
    std::lock_guard<std::mutex> lock(instrument->mutex);
    instrument->settings.replyDelayMs = delayMs;
}

void SimSetCancelDelay(SimInstrument* instrument, uint32_t delayMs) {
    std::lock_guard<std::mutex> lock(instrument->mutex);
    instrument->settings.ignoreCancelMs = delayMs;
}

uint32_t SimCancelDelay(const SimInstrument* instrument) {
    std::lock_guard<std::mutex> lock(instrument->mutex);
    return instrument->settings.ignoreCancelMs;
}

bool SimHandleOutTransfer(SimInstrument* instrument, const uint8_t* data, size_t length) {
    SimInstrument& in = *instrument;
    std::lock_guard<std::mutex> lock(in.mutex);
    if (in.settings.failWrites || in.failed) return false;
    in.written.emplace_back(data, data + length);
    if (in.written.size() > kMaxRecordedWrites) in.written.pop_front();
    const Clock::time_point now = Clock::now();
    // Frames are found by their sync word; bytes outside frames, unknown
    // opcodes and frames cut short by the end of the transfer are skipped.
    size_t p = 0;
    while (p + 4 <= length) {
        if (ReadU16(data + p) != SYNC_WORD) {
            ++p;
            continue;
        }
        const size_t frameLength = OutFrameLength(data + p, length - p);
        if (frameLength == 0 || frameLength > length - p) {
            ++p;
            continue;
        }
        HandleFrameLocked(in, data + p, frameLength, now);
        p += frameLength;
    }
    ProduceDueLocked(in, now);
    in.producerWake.notify_one();  // new deadlines (delayed replies, a new stream)
    return true;
}

bool SimTakeInTransfer(SimInstrument* instrument, uint8_t* buffer, uint32_t maxLength,
                       uint32_t* length, bool* deviceFailed) {
    SimInstrument& in = *instrument;
    std::lock_guard<std::mutex> lock(in.mutex);
    *deviceFailed = in.failed;
    if (in.failed || in.inQueue.empty() || maxLength == 0) return false;
    InTransfer& transfer = in.inQueue.front();
    const size_t n = std::min<size_t>(maxLength, transfer.bytes.size() - transfer.offset);
    std::memcpy(buffer, transfer.bytes.data() + transfer.offset, n);
    transfer.offset += n;
    *length = static_cast<uint32_t>(n);
    if (transfer.offset == transfer.bytes.size()) {
        CountDeliveredLocked(in, transfer.bytes);
        in.inQueue.pop_front();
    }
    ++in.readsCompleted;
    if (in.settings.failAfterReads > 0 &&
        in.readsCompleted >= static_cast<uint32_t>(in.settings.failAfterReads)) {
        in.failed = true;
        SignalReadyLocked(in);
    }
    if (in.settings.streamUnpaced) ProduceDueLocked(in, Clock::now());
    return true;
}

bool SimWaitInTransfer(SimInstrument* instrument, uint32_t timeoutMs) {
    SimInstrument& in = *instrument;
    std::unique_lock<std::mutex> lock(in.mutex);
    auto ready = [&in] { return in.failed || !in.inQueue.empty() || in.quitting; };
    if (timeoutMs == 0xFFFFFFFFu) {
        in.inReady.wait(lock, ready);
    } else {
        in.inReady.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    }
    return in.failed || !in.inQueue.empty();
}

void SimSetInReadyCallback(SimInstrument* instrument, void (*callback)(void* context),
                           void* context) {
    std::lock_guard<std::mutex> lock(instrument->mutex);
    instrument->readyCallback = callback;
    instrument->readyContext = context;
    // Tell the new listener about anything already waiting.
    if (callback != nullptr && (instrument->failed || !instrument->inQueue.empty())) {
        SignalReadyLocked(*instrument);
    }
}

void SimUnplug(SimInstrument* instrument) {
    std::lock_guard<std::mutex> lock(instrument->mutex);
    instrument->failed = true;
    instrument->mode = kModeIdle;
    SignalReadyLocked(*instrument);
}

SimStats SimGetStats(const SimInstrument* instrument) {
    std::lock_guard<std::mutex> lock(instrument->mutex);
    SimStats stats = instrument->stats;
    stats.mode = instrument->mode;
    stats.dividerValue = instrument->dividerValue;
    stats.gpioState = instrument->gpioState;
    return stats;
}

std::vector<SimSkippedLines> SimSkipped(const SimInstrument* instrument) {
    std::lock_guard<std::mutex> lock(instrument->mutex);
    return instrument->skipped;
}

std::vector<std::vector<uint8_t>> SimWrittenFrames(const SimInstrument* instrument) {
    std::lock_guard<std::mutex> lock(instrument->mutex);
    return {instrument->written.begin(), instrument->written.end()};
}

void SimClearWrittenFrames(SimInstrument* instrument) {
    std::lock_guard<std::mutex> lock(instrument->mutex);
    instrument->written.clear();
}

}  // namespace sim
